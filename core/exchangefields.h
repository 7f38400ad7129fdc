#pragma once

// The fields of a section as interchange files (JSON of a file, CSV of a section) carry them:
// every cell of the record layout in column order, the side list's cells included and the
// marker cells left out, named by their captions, each value exact.

#include "recordlayout.h"

#include <QString>

#include <span>
#include <string>
#include <string_view>

namespace varn {

enum class ExchangeKind : std::uint8_t {
    Float,
    Int,
    UInt,       // also the hashes, stored as they are
    Text,       // a Windows-1252 string field, carried as UTF-8
    ModelName,  // section 0's model name: no field of its own, the name of the record's hash
};

struct ExchangeField {
    std::string name;  // the column's caption
    int cell = -1;     // the cell of the record layout
    int offset = 0;
    int width = 4;
    ExchangeKind kind = ExchangeKind::Float;
    FieldTest test = FieldTest::None;  // the editors' test, applied to names on request
};

// A field of no section, for values such as counts and table entries.
[[nodiscard]] ExchangeField plainField(ExchangeKind kind, int width = 4);

[[nodiscard]] std::span<const ExchangeField> exchangeFields(const SectionLayout& layout);
// Section 0's model-name field and the field of the hash saved for it, or -1 for both.
[[nodiscard]] int modelNameField(const SectionLayout& layout);
[[nodiscard]] int modelHashField(const SectionLayout& layout);
// The field of a name, by its exact caption; -1 when the section has none of that name.
[[nodiscard]] int exchangeFieldIndex(const SectionLayout& layout, std::string_view name);

// Appends the exact text of a stored field (not the model name): a number as it reads back to
// the same bits, a string field's text up to its first zero byte as UTF-8.
void appendExactField(const ExchangeField& field, const char* record, std::string& out);

// Stores the exact text of a field into the record (host byte order; a string field is
// zero-filled first). False, with the cause, when the text does not convert or does not fit.
[[nodiscard]] bool storeExactField(const ExchangeField& field, std::string_view text, char* record,
                                   QString& cause);

}  // namespace varn

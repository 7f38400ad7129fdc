#pragma once

// A field of a record as the text of its cell, and a cell text back into its field.

#include "recordlayout.h"

#include <QString>
#include <QStringView>

#include <string>

namespace varn {

struct TextContext;

[[nodiscard]] QString fieldText(const CellLayout& cell, const char* record,
                                const TextContext& context);
// Writes the text of a numeric or marker cell into out (room for kNumberTextCapacity) and returns
// its length, or -1 for the rules whose text is not ASCII of our own (strings and model names).
// A marker cell reads no record, which may then be null.
int formatAsciiField(const CellLayout& cell, const char* record, char separator, char* out);
void appendFieldUtf8(const CellLayout& cell, const char* record, const TextContext& context,
                     std::string& out);

// Converts the text by the cell's save kind into its field of the record (host byte order); a
// string field takes only a text that fits it (checkTextField). On failure the record is
// untouched and error holds the conversion's message.
[[nodiscard]] bool storeFieldText(const CellLayout& cell, QStringView text, char separator,
                                  char* record, QString& error);

// Whether the field's cell text is exactly the text; builds no string for number fields.
[[nodiscard]] bool fieldShowsText(const CellLayout& cell, const char* record,
                                  const TextContext& context, QStringView text);

// The float a cell text stands for, with the conversion's message on failure.
[[nodiscard]] bool floatFromText(QStringView text, char separator, float& value,
                                 QString* error = nullptr);

}  // namespace varn

#pragma once

// What the name cells of an interchange file mean. Section 0 records store only the hash of
// their model: the file's model name is the name the document shows for that hash, or another
// name that hashes to it (which the row then shows), or empty for "whatever the dictionary
// says". Section 8 and 9 names are string fields like any other, tested as the editors test
// them when the caller asks for it.

#include "exchangefields.h"
#include "hashdictionary.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varn {

// The text a section 0 row must show for a model name from a file, or nullopt when the row
// shows what the document would show for the hash anyway. False, with the cause, when the name
// belongs to another hash or is no Windows-1252 text.
[[nodiscard]] bool modelNameEdit(std::string_view nameUtf8, std::uint32_t hash,
                                 const NameLookup& names, std::optional<QString>& edit,
                                 QString& cause);

// The hash a file's name stands for when its hash was left empty (CSV only).
[[nodiscard]] bool hashOfNameUtf8(std::string_view nameUtf8, std::uint32_t& hash, QString& cause);

// The editors' test of a name field's text, with the editors' message as the cause. Section 0's
// empty model name means "no name of its own" and passes.
[[nodiscard]] bool passesNameTest(const ExchangeField& field, std::string_view textUtf8,
                                  QString& cause);

}  // namespace varn

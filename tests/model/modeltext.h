#pragma once

// The texts the tests expect, worked out without the program's own formatting: the text a
// loaded field shows, the float nearest to a text, and hash texts. The float texts start from
// the exact decimal expansion of the float and round it half away from zero.

#include "modellayout.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace varn::testmodel {

// What a cell of the numeric kind shows for the stored field (the bits of a float).
[[nodiscard]] QString fieldText(Kind kind, std::uint32_t bits, char separator);
// The bits of the float nearest to a decimal text with the given separator ("12.5", "-0,0625",
// "1E0010", "3."); nothing for a text that is no such number.
[[nodiscard]] std::optional<std::uint32_t> floatBits(const QString& text, char separator);

// "[hash:" + digits + "]".
[[nodiscard]] bool isHashTextForm(const QString& text);
// The hash a hash text stands for; its digits fit the signed 64-bit range.
[[nodiscard]] std::uint32_t hashTextNumber(const QString& text);

}  // namespace varn::testmodel

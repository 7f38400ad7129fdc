#pragma once

// The numbers behind the cells, for whatever compares or draws values rather than texts.

#include "sectiontable.h"

#include <cstdint>

namespace varn {

// The value a numeric cell stands for: its field as stored while the cell is unedited, else its
// text read back as saving would. Section 0's model name gives its hash. False for string and
// marker cells and for an edited text that does not convert.
[[nodiscard]] bool cellNumber(const SectionTable& table, int row, int cell, double& value);

// The same as the 32 bits that saving would write for the field.
[[nodiscard]] bool cellBits(const SectionTable& table, int row, int cell, std::uint32_t& bits);

// The number 32 bits of a field stand for, by the field's type.
[[nodiscard]] double fieldNumber(FieldType type, std::uint32_t bits);

}  // namespace varn

#pragma once

// The numbers behind the cells, for whatever compares or draws values rather than texts.

#include "sectiontable.h"

namespace varn {

// The value a numeric cell stands for: its field as stored while the cell is unedited, else its
// text read back as saving would. Section 0's model name gives its hash. False for string and
// marker cells and for an edited text that does not convert.
[[nodiscard]] bool cellNumber(const SectionTable& table, int row, int cell, double& value);

}  // namespace varn

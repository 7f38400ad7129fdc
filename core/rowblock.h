#pragma once

// Rows read from an interchange file, ready to go into a section table as one change: the
// records in host byte order and, per row, the texts of the cells that are not just their field.

#include "sectiontable.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace varn {

struct CellEdits {
    std::vector<std::optional<QString>> cells;  // one slot per cell of the layout
};

struct RowBlock {
    int count = 0;
    std::vector<char> records;                      // count x record size
    std::vector<std::unique_ptr<CellEdits>> edits;  // empty, or one (possibly null) per row
};

// Gives a row the text for a cell, making room for the edits of every row (up to that one).
void setBlockCellText(RowBlock& block, int cellCount, int row, int cell, const QString& text);
// The table's rows as a block: the stored records and the texts of edited cells.
[[nodiscard]] RowBlock rowsOfTable(const SectionTable& table);
// Appends the rows of more after those of block.
void appendRowBlock(RowBlock& block, RowBlock&& more);
// Replaces every row of the table by the block's rows.
void replaceTableRows(SectionTable& table, RowBlock&& block);

}  // namespace varn

#include "rowblock.h"

#include <algorithm>
#include <numeric>

namespace varn {

void setBlockCellText(RowBlock& block, int cellCount, int row, int cell, const QString& text) {
    const auto rows = static_cast<std::size_t>(std::max(block.count, row + 1));
    if (block.edits.size() < rows) block.edits.resize(rows);
    auto& rowEdits = block.edits[row];
    if (!rowEdits) {
        rowEdits = std::make_unique<CellEdits>();
        rowEdits->cells.resize(static_cast<std::size_t>(cellCount));
    }
    rowEdits->cells[cell] = text;
}

std::vector<int> consecutiveRows(int first, int count) {
    std::vector<int> rows(static_cast<std::size_t>(std::max(0, count)));
    std::iota(rows.begin(), rows.end(), first);
    return rows;
}

void appendTableRows(SectionTable& table, RowBlock&& block) {
    const std::vector<int> positions = consecutiveRows(table.rowCount(), block.count);
    table.insertRows(positions, std::move(block));
}

void replaceTableRows(SectionTable& table, RowBlock&& block) {
    table.clear();
    appendTableRows(table, std::move(block));
}

}  // namespace varn

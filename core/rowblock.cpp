#include "rowblock.h"

#include <algorithm>
#include <cstring>

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

RowBlock rowsOfTable(const SectionTable& table) {
    RowBlock block;
    block.count = table.rowCount();
    const auto size = static_cast<std::size_t>(table.layout().recordSize);
    if (block.count > 0)
        block.records.assign(table.record(0), table.record(0) + size * block.count);
    const int cells = table.layout().cellCount();
    for (int row = 0; row < block.count; ++row)
        for (int cell = 0; cell < cells; ++cell)
            if (table.isEdited(row, cell))
                setBlockCellText(block, cells, row, cell, table.cellText(row, cell));
    return block;
}

void appendRowBlock(RowBlock& block, RowBlock&& more) {
    if (!more.edits.empty() && block.edits.empty())
        block.edits.resize(static_cast<std::size_t>(block.count));
    if (!block.edits.empty()) {
        if (more.edits.empty()) more.edits.resize(static_cast<std::size_t>(more.count));
        for (auto& edits : more.edits)
            block.edits.push_back(std::move(edits));
    }
    block.records.insert(block.records.end(), more.records.begin(), more.records.end());
    block.count += more.count;
}

void replaceTableRows(SectionTable& table, RowBlock&& block) {
    char* records = table.resetRecords(block.count);
    if (!block.records.empty()) std::memcpy(records, block.records.data(), block.records.size());
    block.records = {};
    for (int row = 0; row < static_cast<int>(block.edits.size()); ++row) {
        if (!block.edits[row]) continue;
        const auto& cells = block.edits[row]->cells;
        for (int cell = 0; cell < static_cast<int>(cells.size()); ++cell)
            if (cells[cell]) table.setCellText(row, cell, *cells[cell]);
    }
}

}  // namespace varn

#include "rowchange.h"

#include "byteorder.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace varn {

std::span<const int> ascendingOnce(std::span<const int> rows, std::vector<int>& storage) {
    if (std::adjacent_find(rows.begin(), rows.end(), std::greater_equal<>()) == rows.end())
        return rows;
    storage.assign(rows.begin(), rows.end());
    std::sort(storage.begin(), storage.end());
    storage.erase(std::unique(storage.begin(), storage.end()), storage.end());
    return storage;
}

void RowChangeBuilder::reserve(std::size_t rows) {
    change_.rows.reserve(rows);
    change_.block.records.reserve(rows * static_cast<std::size_t>(table_->layout().recordSize));
}

void RowChangeBuilder::beginRow(int row) {
    const auto size = static_cast<std::size_t>(table_->layout().recordSize);
    change_.rows.push_back(row);
    change_.block.records.resize(change_.rows.size() * size);
    std::memcpy(record(), table_->record(row), size);
    ++change_.block.count;
    if (const CellEdits* edits = table_->rowEdits(row)) {
        change_.block.edits.resize(change_.rows.size());
        change_.block.edits.back() = std::make_unique<CellEdits>(*edits);
    }
}

char* RowChangeBuilder::record() {
    const auto size = static_cast<std::size_t>(table_->layout().recordSize);
    return change_.block.records.data() + (change_.rows.size() - 1) * size;
}

void RowChangeBuilder::storeField(int cell, std::uint32_t bits) {
    storeU32(record() + table_->layout().cells[cell].offset, bits);
    setEdit(cell, std::nullopt);
}

void RowChangeBuilder::setEdit(int cell, const std::optional<QString>& text) {
    auto& edits = change_.block.edits;
    const std::size_t index = change_.rows.size() - 1;
    if (!text && (edits.size() <= index || !edits[index])) return;
    edits.resize(change_.rows.size());
    if (!edits[index]) {
        edits[index] = std::make_unique<CellEdits>();
        edits[index]->cells.resize(table_->layout().cells.size());
    }
    edits[index]->cells[cell] = text;
}

RowChange RowChangeBuilder::take() {
    // Rows without edits after the last edited one have no slot yet.
    auto& edits = change_.block.edits;
    if (!edits.empty()) edits.resize(change_.rows.size());
    if (std::none_of(edits.begin(), edits.end(), [](const auto& e) { return !!e; })) edits.clear();
    // A few rows changed out of many reserved give the rest of the room back.
    if (change_.rows.size() < change_.rows.capacity() / 2) {
        change_.rows.shrink_to_fit();
        change_.block.records.shrink_to_fit();
    }
    return std::move(change_);
}

}  // namespace varn

#pragma once

// New contents for some rows of one table, made by a bulk edit (Change Column, Move and Rotate)
// and put in by exchanging them with the rows' own: after applying, the change holds what the
// rows held, so applying it again undoes it, and once more redoes it. Nothing is copied then.

#include "sectiontable.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace varn {

struct RowChange {
    std::vector<int> rows;  // ascending, each once: the rows that change
    RowBlock block;         // one record, with its edited texts, per entry of rows

    [[nodiscard]] int rowCount() const { return static_cast<int>(rows.size()); }
    [[nodiscard]] bool isEmpty() const { return rows.empty(); }
};

// Exchanges the change's contents with its rows'. A window command calls it in redo() and in
// undo() alike, and tells its views that the rows from rows.front() to rows.back() changed.
inline void applyRowChange(SectionTable& table, RowChange& change) {
    table.swapRows(change.rows, change.block);
}

// The rows ascending and each once: the rows themselves when they are, else a sorted copy of
// them kept in storage.
[[nodiscard]] std::span<const int> ascendingOnce(std::span<const int> rows,
                                                 std::vector<int>& storage);

// Builds a change row by row: each row starts as a copy of the table's row (record and edited
// texts), then the fields that change are stored into it.
class RowChangeBuilder {
public:
    explicit RowChangeBuilder(const SectionTable& table) : table_(&table) {}

    // Room for up to rows rows, so that a change of many rows is not copied as it grows.
    void reserve(std::size_t rows);
    // Starts the new contents of row; rows come ascending, each once.
    void beginRow(int row);
    // The current row's record, for fields stored as bytes.
    [[nodiscard]] char* record();
    // Stores a 4-byte field of the current row and drops the cell's edited text, so that the
    // stored bits are what the row shows and what is saved.
    void storeField(int cell, std::uint32_t bits);
    // Sets the current row's edited text of a cell, or drops it for an empty optional.
    void setEdit(int cell, const std::optional<QString>& text);
    [[nodiscard]] RowChange take();

private:
    const SectionTable* table_;
    RowChange change_;
};

}  // namespace varn

#pragma once

#include "cellwrites.h"
#include "hashdictionary.h"
#include "largebuffer.h"
#include "recordlayout.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace varn {

// What the texts of one document depend on: the decimal separator of the run and the model
// names the dictionary gave when the document was loaded.
struct TextContext {
    char separator = '.';
    std::shared_ptr<const NameLookup> names = std::make_shared<const NameLookup>();
};

// The texts of the cells of one row that were edited since it was loaded or added.
struct CellEdits {
    std::vector<std::optional<QString>> cells;  // one slot per cell of the layout
};

// Rows taken out of a table, or made to go into one: their records (host byte order) and the
// edited texts of those rows that have any. What a deleted row keeps for its undo.
struct RowBlock {
    int count = 0;
    std::vector<char> records;  // count × record size
    // Empty when no row of the block has an edit; otherwise one slot per row.
    std::vector<std::unique_ptr<CellEdits>> edits;
};

// One section's rows. Each row is its record as read (host byte order) plus the texts of the
// cells edited since; a cell's text is its edited text or else formatted from the field.
class SectionTable {
public:
    SectionTable(const SectionLayout& layout, std::shared_ptr<const TextContext> context);

    [[nodiscard]] const SectionLayout& layout() const { return *layout_; }
    [[nodiscard]] int number() const { return layout_->number; }
    [[nodiscard]] int rowCount() const { return rowCount_; }
    [[nodiscard]] const TextContext& context() const { return *context_; }

    // Cells are numbered over the visible columns (without the row number) and then the side
    // list's columns.
    [[nodiscard]] QString cellText(int row, int cell) const;
    // Every cell's text of the row, side cells included.
    [[nodiscard]] QStringList rowTexts(int row) const;
    void appendCellUtf8(int row, int cell, std::string& out) const;
    [[nodiscard]] bool isEdited(int row, int cell) const;
    // Sets a cell's text; a text equal to the one formatted from the field drops the edit, so
    // the field's stored bits are what is saved.
    void setCellText(int row, int cell, const QString& text);
    void applyWrites(int row, const RowWrites& writes);

    // Appends a row of default texts: zero floats, the default names and their hashes.
    int appendDefaultRow();
    void removeRow(int row);
    void clear();

    // Removes the rows (ascending, each once) in one pass and hands them back in that order.
    [[nodiscard]] RowBlock takeRows(std::span<const int> rows);
    // Puts the block's rows in so that they stand at the given positions (ascending) afterwards:
    // the positions takeRows was given put its block back where it came from.
    void insertRows(std::span<const int> positions, RowBlock block);
    // Copies of the rows (any order), records and edited texts.
    [[nodiscard]] RowBlock copyRows(std::span<const int> rows) const;
    // count rows with every field zero and no edit, for a block built cell by cell.
    [[nodiscard]] RowBlock zeroRows(int count) const;
    // Exchanges the rows' records and edited texts with the block's (one block row per row, any
    // order, each row once): the block then holds what the rows held, so a second call with the
    // same rows undoes the first.
    void swapRows(std::span<const int> rows, RowBlock& block);
    // The edited texts of a row, or nullptr when it has none.
    [[nodiscard]] const CellEdits* rowEdits(int row) const {
        return edits_.empty() ? nullptr : edits_[row].get();
    }

    [[nodiscard]] const char* record(int row) const {
        return records_.data() + static_cast<std::size_t>(row) * layout_->recordSize;
    }
    // The records of count rows from first as saving writes them: the stored fields (copied in
    // one piece), each string field zero after its text, and every edited cell converted. On
    // failure names the row, the cell and the conversion's message.
    [[nodiscard]] bool writeRecords(int first, int count, char* out, int& failedRow,
                                    int& failedCell, QString& error) const;

    // Storage for count records, all zero, replacing every row; filled by the loader.
    char* resetRecords(int count);

private:
    [[nodiscard]] QString storedText(int row, int cell) const;
    [[nodiscard]] bool applyEdits(int row, char* out, int& failedCell, QString& error) const;
    void clearStringTails(char* out) const;
    [[nodiscard]] const std::optional<QString>* edit(int row, int cell) const;

    const SectionLayout* layout_;
    std::shared_ptr<const TextContext> context_;
    RecordBuffer records_;
    // Empty while no row has an edit; otherwise one slot per row.
    std::vector<std::unique_ptr<CellEdits>> edits_;
    int rowCount_ = 0;
};

// The text of a zero float with the given separator ("0.0" or "0,0").
[[nodiscard]] QString zeroFloatText(char separator);
// The texts of a new row: zero floats, the default names with their hashes, the other defaults.
[[nodiscard]] RowWrites defaultRowWrites(const SectionLayout& layout, char separator);

}  // namespace varn

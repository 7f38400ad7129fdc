#pragma once

// Rows of a section as tab-separated text and back: what Copy puts on the clipboard and what
// Paste takes from it, from this program or from a spreadsheet.
//
// One line per row, cells as the table shows them, in this order: the visible cells in column
// order (the row number is not copied: pasted rows get positions of their own), then the hidden
// cells of the side list in theirs. Section 0 adds "hash", the saved hash of the model name;
// section 9 adds "hash1" to "hash10" and then "model1" to "model10". A cell holding a tab, a line
// break or a double quote is put in double quotes, a quote inside doubled. An optional first
// line holds the column captions in the same order.

#include "cellwrites.h"
#include "sectiontable.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>
#include <vector>

namespace varn {

struct RowTextOptions {
    bool captionLine = false;
    // The captions the view shows for the visible cells, in cell order; the hidden cells and any
    // caption missing here take the layout's.
    QStringList captions;
};

// The rows (positions in the table, in the order given) as clipboard text, each line ended by a
// line feed.
[[nodiscard]] QString encodeRows(const SectionTable& table, std::span<const int> rows,
                                 const RowTextOptions& options = {});

// Reads rows of text for a section. A line holds the visible cells alone, or every cell, or (in
// section 9) the visible cells and the ten names without their hashes; all lines the same. A
// first line in which no number cell holds a number is taken for captions and skipped.
//
// Every cell passes the editors' test of its field (hash cells must be unsigned numbers); the
// first that does not stops the whole decode with a message naming the line, the column and
// the editor's reason. Cells are written back as the editors write them (fixed floats with their
// 4 or 7 decimals). Missing cells are derived: the hash of a name from the name, any other cell
// from a new row. A given model hash of section 0 is kept only while it is the hash the name
// stands for in this document; after a name was changed in a spreadsheet it follows the name.
//
// Each decoded row holds one write for every cell of the layout, in cell order. On failure rows
// is empty.
[[nodiscard]] bool decodeRows(QStringView text, const SectionLayout& layout,
                              const TextContext& context, std::vector<RowWrites>& rows,
                              QString& error, const QStringList& captions = {});

// The same rows built at once: their records one after another (host byte order) and, per row,
// the texts those records do not show back (see recordFromTexts). Spares making a string of
// every cell.
struct DecodedRecords {
    std::vector<char> records;
    std::vector<RowWrites> edits;
    [[nodiscard]] int rowCount() const { return static_cast<int>(edits.size()); }
};
[[nodiscard]] bool decodeRecords(QStringView text, const SectionLayout& layout,
                                 const TextContext& context, DecodedRecords& rows, QString& error,
                                 const QStringList& captions = {});

// The caption of a cell in messages and caption lines: the shown caption when given, else the
// layout's.
[[nodiscard]] QString cellCaption(const SectionLayout& layout, int cell,
                                  const QStringList& captions);

}  // namespace varn

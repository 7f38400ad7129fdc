#pragma once

// Change Column: one operation on one column of many rows at once. A number column can be set,
// or have a number added, subtracted or multiplied; a model name (section 0's, or one of
// section 9's ten) can be set, or have one name replaced by another, its hash following by the
// rule of cellwrites.h; other text columns can be set. The result is a row change that a window
// command applies and undoes; nothing changes the table here.

#include "rowchange.h"
#include "sectiontable.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace varn {

enum class ColumnOperation : unsigned char { Set, Add, Subtract, Multiply, Replace };

struct ColumnChange {
    // A cell of the section's layout. Section 9's "[Modelnames]" stands for its ten names and
    // can only have a name replaced.
    int cell = -1;
    ColumnOperation operation = ColumnOperation::Set;
    QString value;  // the text to set or to put in, or the number to add, subtract or multiply by
    QString replaced;  // Replace: the name to replace, letter case ignored
};

// The operations a cell offers, in the order a dialog lists them; none for a cell without a
// value of its own (the hashes, which follow their names, and the markers but "[Modelnames]").
[[nodiscard]] std::vector<ColumnOperation> columnOperations(const SectionLayout& layout, int cell);
// The cells that offer any operation: the visible ones, then section 9's ten names.
[[nodiscard]] std::vector<int> changeableCells(const SectionLayout& layout);

// The new contents of the rows (ascending, each once) whose saved value the operation changes;
// the others are left out. Every result passes the column's field test and range first: on a
// refusal error names the first row it hits (failedRow, when given, receives it; -1 when the
// request itself is refused) and nothing is planned. Numbers are computed in double and stored
// as the field's type; a float that is INF or NAN stays as it is under add, subtract and multiply.
[[nodiscard]] bool planColumnChange(const SectionTable& table, std::span<const int> rows,
                                    const ColumnChange& request, RowChange& change, QString& error,
                                    int* failedRow = nullptr);

// How many of the rows planColumnChange would change ("312 rows will change"), without making
// their contents; nothing on a refusal, as there.
[[nodiscard]] std::optional<int> countColumnChange(const SectionTable& table,
                                                   std::span<const int> rows,
                                                   const ColumnChange& request, QString& error,
                                                   int* failedRow = nullptr);

}  // namespace varn

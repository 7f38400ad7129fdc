#pragma once

// What a filter bar asks for: a text to find in the shown cells of a section, or, on one numeric
// column, a comparison with a number ("= -1", ">= 12.5", "!=0").

#include "recordlayout.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace varn {

// The column a filter looks at: every shown cell, the row number, or one cell of the layout.
// A view column c (0 being the row number) is cell c - 1, so kRowNumberColumn is -1.
inline constexpr int kAllColumns = -2;
inline constexpr int kRowNumberColumn = -1;

struct FilterQuery {
    QString text;
    int column = kAllColumns;
};

enum class CompareOp : std::uint8_t { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

// A query read once before the rows are visited.
struct ParsedFilter {
    enum class Kind : std::uint8_t {
        Everything,  // an empty text keeps every row
        Text,        // the cell text contains the text, letter case ignored
        Compare,     // the cell's value compared with number
    };
    Kind kind = Kind::Everything;
    QString text;
    CompareOp op = CompareOp::Equal;
    double number = 0;
    // A comparison whose number does not read; the filter then keeps every row.
    QString error;
};

// A number as a filter or a bulk edit takes it: digits with an optional sign, at most one
// decimal point ("." or the document's separator) and an optional exponent; no "inf" or "nan".
[[nodiscard]] bool parseNumberText(QStringView text, char separator, double& value);

// Whether a column's values can be compared as numbers: the row number and the numeric cells
// (section 0's model name compares by its hash). Strings and markers only match texts.
[[nodiscard]] bool isComparableColumn(const SectionLayout& layout, int column);

// On a comparable column a text starting with =, !=, <, <=, > or >= is a comparison: blanks may
// follow the operator and the number, which takes "." or the document's separator. Everything
// else is a text to find.
[[nodiscard]] ParsedFilter parseFilter(const SectionLayout& layout, const FilterQuery& query,
                                       char separator);

// The column a caption names as the table shows it, letter case ignored: "№" the row number,
// else a cell of the layout (the side list's included). Nothing when no column has it.
[[nodiscard]] std::optional<int> columnOfCaption(const SectionLayout& layout, QStringView caption);

// One column's query written out, as the tool's --where takes it: a caption, then =, !=, <, <=,
// > or >= and a number ("LOD = -1", "Pos X>100"), or ~ and a text to find in the column, letter
// case ignored ("Model name hash ~ lamp"). False, with the reason, for a caption no column has,
// a missing operator, a comparison on a column of texts or a number that does not read.
[[nodiscard]] bool parseColumnQuery(const SectionLayout& layout, const QString& text,
                                    char separator, FilterQuery& query, QString& error);

// The comparison of two values by the operator; NaN compares unequal to everything.
template <typename T>
[[nodiscard]] inline bool compareValues(T value, CompareOp op, T number) {
    switch (op) {
        case CompareOp::Equal:
            return value == number;
        case CompareOp::NotEqual:
            return value != number;
        case CompareOp::Less:
            return value < number;
        case CompareOp::LessEqual:
            return value <= number;
        case CompareOp::Greater:
            return value > number;
        case CompareOp::GreaterEqual:
            return value >= number;
    }
    return false;
}

}  // namespace varn

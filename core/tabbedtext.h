#pragma once

// Tab-separated text as spreadsheets put it on the clipboard: cells split by tabs, rows by
// CR LF, LF or CR. A cell that starts with a double quote runs to its closing quote, a doubled
// quote inside standing for one, and may hold tabs and line breaks.

#include <QString>
#include <QStringView>

#include <string>
#include <vector>

namespace varn {

class TabbedTextReader {
public:
    explicit TabbedTextReader(QStringView text) : text_(text) {}

    // The cells of the next row that is not empty; false after the last. line is the 1-based
    // number of the line the row starts on. The cells stay valid until the next call.
    bool next(std::vector<QStringView>& cells, int& line);

private:
    [[nodiscard]] QStringView readCell();
    [[nodiscard]] QStringView readQuotedCell();
    // Steps over the line break at the position, if any; true when there was one.
    bool skipLineBreak();

    QStringView text_;
    qsizetype at_ = 0;
    int line_ = 1;
    std::vector<QString> quoted_;  // the cells of the current row that were in quotes
};

// Appends the cell to a line of UTF-8 text, in quotes when it holds a tab, a line break or a
// double quote.
void appendTabbedCell(std::string& out, std::string_view cell);
// Puts the bytes of out from `from` on in quotes when they need them (see appendTabbedCell).
void quoteTabbedCell(std::string& out, std::size_t from);

}  // namespace varn

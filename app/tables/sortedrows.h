#pragma once

#include <span>
#include <vector>

namespace varn {

class RowComparer;

// The rows a sorted table shows, in their shown order: the section row of each shown row, and
// the shown row of each section row. Kept by the filter model, which tells the views.
class SortedRows {
public:
    // The shown rows in order, distinct rows out of a section of sectionRows rows.
    void assign(std::vector<int> order, int sectionRows);
    void clear();

    [[nodiscard]] int size() const { return static_cast<int>(order_.size()); }
    [[nodiscard]] int sectionRow(int shown) const {
        return order_[static_cast<std::size_t>(shown)];
    }
    // -1 for a row that is not shown.
    [[nodiscard]] int shownRow(int sectionRow) const;

    // Where a section row belongs among the shown rows, the shown row skip left out (the row
    // itself, when it moves); in the numbering without skip.
    [[nodiscard]] int insertionPoint(int sectionRow, const RowComparer& comparer,
                                     int skip = -1) const;
    void insert(int shown, int sectionRow);
    // Shown rows first to last leave.
    void erase(int first, int last);
    // Shown row from goes to position to, counted without it.
    void move(int from, int to);

    // Section rows left the section (ascending, each once): the shown ones among them go, and
    // the rows after them move up.
    void removeSectionRows(std::span<const int> removed, int sectionRows);
    // Section rows came in at these final positions (ascending): the rows move down past them;
    // the new rows are not shown yet.
    void insertSectionRows(std::span<const int> positions, int sectionRows);

private:
    // The shown rows from shown onwards tell their section rows where they stand.
    void placeFrom(int shown);

    std::vector<int> order_;
    std::vector<int> position_;  // per section row
};

}  // namespace varn

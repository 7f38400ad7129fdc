#include "sortedrows.h"

#include "rowsort.h"

#include <algorithm>

namespace varn {

void SortedRows::assign(std::vector<int> order, int sectionRows) {
    order_ = std::move(order);
    position_.assign(static_cast<std::size_t>(sectionRows), -1);
    placeFrom(0);
}

void SortedRows::clear() {
    order_ = {};
    position_ = {};
}

int SortedRows::shownRow(int sectionRow) const {
    return sectionRow >= 0 && static_cast<std::size_t>(sectionRow) < position_.size()
               ? position_[static_cast<std::size_t>(sectionRow)]
               : -1;
}

void SortedRows::placeFrom(int shown) {
    for (auto i = static_cast<std::size_t>(shown); i < order_.size(); ++i)
        position_[static_cast<std::size_t>(order_[i])] = static_cast<int>(i);
}

int SortedRows::insertionPoint(int sectionRow, const RowComparer& comparer, int skip) const {
    const auto at = [&](int i) {
        return order_[static_cast<std::size_t>(skip >= 0 && i >= skip ? i + 1 : i)];
    };
    int low = 0;
    int high = size() - (skip >= 0 ? 1 : 0);
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (comparer.before(at(middle), sectionRow)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

void SortedRows::insert(int shown, int sectionRow) {
    order_.insert(order_.begin() + shown, sectionRow);
    placeFrom(shown);
}

void SortedRows::erase(int first, int last) {
    for (int i = first; i <= last; ++i)
        position_[static_cast<std::size_t>(order_[static_cast<std::size_t>(i)])] = -1;
    order_.erase(order_.begin() + first, order_.begin() + last + 1);
    placeFrom(first);
}

void SortedRows::move(int from, int to) {
    const int row = order_[static_cast<std::size_t>(from)];
    order_.erase(order_.begin() + from);
    order_.insert(order_.begin() + to, row);
    placeFrom(std::min(from, to));
}

void SortedRows::removeSectionRows(std::span<const int> removed, int sectionRows) {
    std::vector<int> order;
    order.reserve(order_.size());
    for (int row : order_) {
        const auto before = std::lower_bound(removed.begin(), removed.end(), row);
        if (before != removed.end() && *before == row) continue;
        order.push_back(row - static_cast<int>(before - removed.begin()));
    }
    assign(std::move(order), sectionRows);
}

void SortedRows::insertSectionRows(std::span<const int> positions, int sectionRows) {
    // An old row r lands at r + k, k being the new rows before it: those at positions[i] with
    // positions[i] - i <= r, which grows with i.
    std::vector<int> gaps(positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i)
        gaps[i] = positions[i] - static_cast<int>(i);
    for (int& row : order_)
        row += static_cast<int>(std::upper_bound(gaps.begin(), gaps.end(), row) - gaps.begin());
    position_.assign(static_cast<std::size_t>(sectionRows), -1);
    placeFrom(0);
}

}  // namespace varn

// The filter model while its rows are sorted: the rows it shows kept in the order of a column
// as rows come, go and change.

#include "rowfiltermodel.h"

#include "rowblock.h"
#include "sectionmodel.h"

#include <algorithm>
#include <numeric>

namespace varn {
namespace {

// Up to this many rows coming, going or changing are told to the views one by one; beyond, a
// reset or a new layout is cheaper for them.
constexpr int kRowsToldOneByOne = 8;

struct ShownRun {
    int first;
    int last;
};

std::vector<ShownRun> runsOf(std::vector<int> shown) {
    std::sort(shown.begin(), shown.end());
    std::vector<ShownRun> runs;
    for (int row : shown) {
        if (!runs.empty() && runs.back().last + 1 == row) {
            runs.back().last = row;
        } else {
            runs.push_back({row, row});
        }
    }
    return runs;
}

}  // namespace

void RowFilterModel::sort(int column, Qt::SortOrder order) {
    std::optional<RowOrder> wanted;
    if (column >= 0 && column < source_.visibleColumnCount())
        wanted = RowOrder{column, order == Qt::DescendingOrder};
    if (wanted.has_value() == sortOrder_.has_value() &&
        (!wanted ||
         (wanted->column == sortOrder_->column && wanted->descending == sortOrder_->descending)))
        return;
    relayout([&] {
        sortOrder_ = wanted;
        if (sortOrder_) {
            resort();
        } else {
            sorted_.clear();
        }
    });
}

// The rows the filter keeps, or every row, in the order of the column.
void RowFilterModel::resort() {
    std::vector<int> rows;
    if (filtering_) {
        rows = kept_;
    } else {
        rows.resize(static_cast<std::size_t>(source_.rowCount()));
        std::iota(rows.begin(), rows.end(), 0);
    }
    sortRows(source_.table(), *sortOrder_, rows);
    sorted_.assign(std::move(rows), source_.rowCount());
}

void RowFilterModel::relayout(const std::function<void()>& change) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before)
        rows.push_back(sourceRow(index.row()));
    change();
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after << index(rowOf(rows[static_cast<std::size_t>(i)]), before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// The shown ones of the rows leave now, while the section still holds them; their section rows
// are renumbered once it has let them go.
void RowFilterModel::sortedRowsAboutToBeRemoved(int first, int last) {
    if (filtering_) eraseKept(first, last);
    std::vector<int> shown;
    for (int row = first; row <= last; ++row)
        if (const int at = sorted_.shownRow(row); at >= 0) shown.push_back(at);
    const std::vector<ShownRun> runs = runsOf(std::move(shown));
    if (runs.size() > static_cast<std::size_t>(kRowsToldOneByOne)) {
        beginResetModel();
        sortReset_ = true;
        return;
    }
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        beginRemoveRows({}, run->first, run->last);
        sorted_.erase(run->first, run->last);
        endRemoveRows();
    }
}

void RowFilterModel::sortedRowsRemoved(int first, int last) {
    if (filtering_) shiftKept(first, -(last - first + 1));
    sorted_.removeSectionRows(consecutiveRows(first, last - first + 1), source_.rowCount());
    if (std::exchange(sortReset_, false)) endResetModel();
    emit countsChanged();
}

// The rows after the new ones move down; those of them that pass the filter find their places.
void RowFilterModel::sortedRowsInserted(int first, int last) {
    const int count = last - first + 1;
    std::vector<int> joining;
    for (int row = first; row <= last; ++row)
        if (passes(row)) joining.push_back(row);
    if (filtering_) {
        const auto at = static_cast<std::ptrdiff_t>(keptPosition(first));
        shiftKept(first, count);
        kept_.insert(kept_.begin() + at, joining.begin(), joining.end());
    }
    sorted_.insertSectionRows(consecutiveRows(first, count), source_.rowCount());
    if (joining.size() > static_cast<std::size_t>(kRowsToldOneByOne)) {
        beginResetModel();
        resort();
        endResetModel();
    } else {
        const RowComparer comparer(source_.table(), *sortOrder_);
        for (int row : joining) {
            const int at = sorted_.insertionPoint(row, comparer);
            beginInsertRows({}, at, at);
            sorted_.insert(at, row);
            endInsertRows();
        }
    }
    emit countsChanged();
}

// One changed row: it leaves or joins by the filter's test, or moves to its new place.
void RowFilterModel::sortedRowChanged(int row, int firstColumn, int lastColumn,
                                      const RowComparer& comparer) {
    const int shown = sorted_.shownRow(row);
    const bool kept = passes(row);
    if (shown >= 0 && !kept) {
        beginRemoveRows({}, shown, shown);
        sorted_.erase(shown, shown);
        eraseKept(row, row);
        endRemoveRows();
        return;
    }
    if (shown < 0 && kept) {
        const int at = sorted_.insertionPoint(row, comparer);
        beginInsertRows({}, at, at);
        sorted_.insert(at, row);
        kept_.insert(kept_.begin() + static_cast<std::ptrdiff_t>(keptPosition(row)), row);
        endInsertRows();
        return;
    }
    if (shown < 0) return;
    const bool reorders = firstColumn <= sortOrder_->column && sortOrder_->column <= lastColumn;
    if (reorders) {
        const int to = sorted_.insertionPoint(row, comparer, shown);
        if (to != shown) {
            // The destination counts the rows as they stand before the move.
            beginMoveRows({}, shown, shown, {}, to > shown ? to + 1 : to);
            sorted_.move(shown, to);
            endMoveRows();
        }
    }
    const int at = sorted_.shownRow(row);
    emit dataChanged(index(at, firstColumn), index(at, lastColumn));
}

void RowFilterModel::sortedDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    const int first = topLeft.row();
    const int last = bottomRight.row();
    const int firstColumn = topLeft.column();
    const int lastColumn = bottomRight.column();
    // The row numbers alone (rows came or went before them): no row's place changes.
    if (lastColumn == 0) {
        if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
        return;
    }
    if (last - first < kRowsToldOneByOne) {
        const RowComparer comparer(source_.table(), *sortOrder_);
        for (int row = first; row <= last; ++row)
            sortedRowChanged(row, firstColumn, lastColumn, comparer);
        emit countsChanged();
        return;
    }
    // Many rows: those whose test changed make the view start anew; else the rows take their
    // new places in one layout change.
    bool membership = false;
    for (int row = first; row <= last && filtering_ && !membership; ++row)
        membership = (sorted_.shownRow(row) >= 0) != passes(row);
    if (membership) {
        beginResetModel();
        std::vector<int> kept;
        kept.reserve(kept_.size());
        for (int row : kept_)
            if (row < first) kept.push_back(row);
        for (int row = first; row <= last; ++row)
            if (passes(row)) kept.push_back(row);
        for (std::size_t i = keptPosition(last + 1); i < kept_.size(); ++i)
            kept.push_back(kept_[i]);
        kept_ = std::move(kept);
        resort();
        endResetModel();
        emit countsChanged();
        return;
    }
    if (firstColumn <= sortOrder_->column && sortOrder_->column <= lastColumn)
        relayout([this] { resort(); });
    if (rowCount() > 0) emit dataChanged(index(0, firstColumn), index(rowCount() - 1, lastColumn));
}

}  // namespace varn

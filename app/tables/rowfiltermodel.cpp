#include "rowfiltermodel.h"

#include "sectionmodel.h"

#include <algorithm>

namespace varn {

RowFilterModel::RowFilterModel(SectionModel& source, QObject* parent)
    : QAbstractProxyModel(parent), source_(source) {
    QAbstractProxyModel::setSourceModel(&source_);
    connectSource();
}

void RowFilterModel::connectSource() {
    SectionModel* s = &source_;
    connect(s, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                sourceRowsAboutToBeRemoved(first, last);
            });
    connect(s, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { sourceRowsRemoved(first, last); });
    connect(s, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex&, int first, int last) {
                sourceRowsAboutToBeInserted(first, last);
            });
    connect(s, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { sourceRowsInserted(first, last); });
    connect(s, &QAbstractItemModel::dataChanged, this, &RowFilterModel::sourceDataChanged);
    connect(s, &QAbstractItemModel::headerDataChanged, this,
            &QAbstractItemModel::headerDataChanged);
    connect(s, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { beginResetModel(); });
    connect(s, &QAbstractItemModel::modelReset, this, &RowFilterModel::sourceReset);
    connect(s, &SectionModel::bulkTakeAhead, this,
            [this](const std::vector<int>& rows) { bulkTaken_ = rows; });
    connect(s, &SectionModel::bulkInsertAhead, this,
            [this](const std::vector<int>& positions) { bulkInserted_ = positions; });
}

void RowFilterModel::setFilter(std::vector<int> keptRows, RowTest test) {
    beginResetModel();
    filtering_ = true;
    kept_ = std::move(keptRows);
    test_ = std::move(test);
    if (sortOrder_) resort();
    endResetModel();
    emit countsChanged();
}

void RowFilterModel::clearFilter() {
    if (!filtering_) return;
    beginResetModel();
    filtering_ = false;
    kept_.clear();
    kept_.shrink_to_fit();
    test_ = nullptr;
    if (sortOrder_) resort();
    endResetModel();
    emit countsChanged();
}

std::size_t RowFilterModel::keptPosition(int sourceRow) const {
    return static_cast<std::size_t>(std::lower_bound(kept_.begin(), kept_.end(), sourceRow) -
                                    kept_.begin());
}

int RowFilterModel::sourceRow(int row) const {
    if (sortOrder_) return sorted_.sectionRow(row);
    return filtering_ ? kept_[static_cast<std::size_t>(row)] : row;
}

int RowFilterModel::rowOf(int sourceRow) const {
    if (sortOrder_) return sorted_.shownRow(sourceRow);
    if (!filtering_) return sourceRow;
    const std::size_t at = keptPosition(sourceRow);
    return at < kept_.size() && kept_[at] == sourceRow ? static_cast<int>(at) : -1;
}

QModelIndex RowFilterModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() ||
        column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex RowFilterModel::parent(const QModelIndex&) const {
    return {};
}

int RowFilterModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    if (sortOrder_) return sorted_.size();
    return filtering_ ? static_cast<int>(kept_.size()) : source_.rowCount();
}

int RowFilterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : source_.columnCount();
}

QModelIndex RowFilterModel::mapToSource(const QModelIndex& proxyIndex) const {
    if (!proxyIndex.isValid()) return {};
    return source_.index(sourceRow(proxyIndex.row()), proxyIndex.column());
}

QModelIndex RowFilterModel::mapFromSource(const QModelIndex& sourceIndex) const {
    if (!sourceIndex.isValid()) return {};
    const int row = rowOf(sourceIndex.row());
    return row < 0 ? QModelIndex() : index(row, sourceIndex.column());
}

// Rows leaving: the kept ones among them leave the view; the rows after them move up once
// the section has let them go.
void RowFilterModel::eraseKept(int first, int last) {
    kept_.erase(kept_.begin() + static_cast<std::ptrdiff_t>(keptPosition(first)),
                kept_.begin() + static_cast<std::ptrdiff_t>(keptPosition(last + 1)));
}

// Kept rows from fromRow on move by rows.
void RowFilterModel::shiftKept(int fromRow, int by) {
    for (std::size_t i = keptPosition(fromRow); i < kept_.size(); ++i)
        kept_[i] += by;
}

void RowFilterModel::sourceRowsAboutToBeRemoved(int first, int last) {
    if (sortOrder_) {
        sortedRowsAboutToBeRemoved(first, last);
        return;
    }
    if (!filtering_) {
        beginRemoveRows({}, first, last);
        return;
    }
    const std::size_t from = keptPosition(first);
    const std::size_t to = keptPosition(last + 1);
    if (from == to) return;
    beginRemoveRows({}, static_cast<int>(from), static_cast<int>(to) - 1);
    kept_.erase(kept_.begin() + static_cast<std::ptrdiff_t>(from),
                kept_.begin() + static_cast<std::ptrdiff_t>(to));
    removing_ = true;
}

void RowFilterModel::sourceRowsRemoved(int first, int last) {
    if (sortOrder_) {
        sortedRowsRemoved(first, last);
        return;
    }
    if (!filtering_) {
        endRemoveRows();
        emit countsChanged();
        return;
    }
    shiftKept(first, -(last - first + 1));
    if (removing_) {
        removing_ = false;
        endRemoveRows();
    }
    emit countsChanged();
}

void RowFilterModel::sourceRowsAboutToBeInserted(int first, int last) {
    if (!filtering_ && !sortOrder_) beginInsertRows({}, first, last);
}

// Rows coming: those the filter's test passes come into the view among the kept ones.
void RowFilterModel::sourceRowsInserted(int first, int last) {
    if (sortOrder_) {
        sortedRowsInserted(first, last);
        return;
    }
    if (!filtering_) {
        endInsertRows();
        emit countsChanged();
        return;
    }
    const std::size_t at = keptPosition(first);
    shiftKept(first, last - first + 1);
    std::vector<int> passing;
    for (int row = first; row <= last; ++row)
        if (test_(row)) passing.push_back(row);
    if (!passing.empty()) {
        beginInsertRows({}, static_cast<int>(at), static_cast<int>(at + passing.size()) - 1);
        kept_.insert(kept_.begin() + static_cast<std::ptrdiff_t>(at), passing.begin(),
                     passing.end());
        endInsertRows();
    }
    emit countsChanged();
}

// An edited row is tested again: it may leave the view or come into it. A change of the row
// numbers alone (column 0, after rows left or came) changes no row's content.
void RowFilterModel::sourceDataChanged(const QModelIndex& topLeft,
                                       const QModelIndex& bottomRight) {
    if (sortOrder_) {
        sortedDataChanged(topLeft, bottomRight);
        return;
    }
    if (!filtering_) {
        emit dataChanged(index(topLeft.row(), topLeft.column()),
                         index(bottomRight.row(), bottomRight.column()));
        return;
    }
    const bool contentChanged = bottomRight.column() > 0;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const int shown = rowOf(row);
        const bool passes = contentChanged ? test_(row) : shown >= 0;
        if (shown >= 0 && passes) {
            emit dataChanged(index(shown, topLeft.column()), index(shown, bottomRight.column()));
        } else if (shown >= 0) {
            beginRemoveRows({}, shown, shown);
            kept_.erase(kept_.begin() + shown);
            endRemoveRows();
        } else if (passes) {
            const auto at = static_cast<int>(keptPosition(row));
            beginInsertRows({}, at, at);
            kept_.insert(kept_.begin() + at, row);
            endInsertRows();
        }
    }
    emit countsChanged();
}

// Rows taken in bulk: the kept ones go, the others move up by the taken rows before them.
void RowFilterModel::takeKept(const std::vector<int>& rows) {
    std::vector<int> kept;
    kept.reserve(kept_.size());
    std::size_t taken = 0;
    for (int row : kept_) {
        while (taken < rows.size() && rows[taken] < row)
            ++taken;
        if (taken < rows.size() && rows[taken] == row) continue;
        kept.push_back(row - static_cast<int>(taken));
    }
    kept_ = std::move(kept);
}

// Rows put in bulk at their final positions: the kept ones move down past them, and those of
// them that pass the test join.
void RowFilterModel::insertKept(const std::vector<int>& positions) {
    std::vector<int> kept;
    kept.reserve(kept_.size() + positions.size());
    std::size_t next = 0;  // next inserted position
    std::size_t before = 0;  // inserted rows before the current old row
    for (int old : kept_) {
        // Old row `old` now stands at old + (inserted positions before it).
        while (next < positions.size() &&
               positions[next] <= old + static_cast<int>(before)) {
            if (test_(positions[next])) kept.push_back(positions[next]);
            ++next;
            ++before;
        }
        kept.push_back(old + static_cast<int>(before));
    }
    for (; next < positions.size(); ++next)
        if (test_(positions[next])) kept.push_back(positions[next]);
    kept_ = std::move(kept);
}

void RowFilterModel::sourceReset() {
    const bool known = bulkTaken_ || bulkInserted_;
    if (filtering_ && bulkTaken_) takeKept(*bulkTaken_);
    if (filtering_ && bulkInserted_) insertKept(*bulkInserted_);
    const bool lost = filtering_ && !known;
    if (lost) {
        filtering_ = false;
        kept_.clear();
        test_ = nullptr;
    }
    // Rows taken keep the order of the others; rows put in have to find their places.
    if (sortOrder_ && bulkTaken_ && !bulkInserted_) {
        sorted_.removeSectionRows(*bulkTaken_, source_.rowCount());
    } else if (sortOrder_) {
        resort();
    }
    bulkTaken_.reset();
    bulkInserted_.reset();
    endResetModel();
    emit countsChanged();
    if (lost) emit filterLost();
}

}  // namespace varn

#pragma once

#include "rowsort.h"
#include "sortedrows.h"

#include <QAbstractProxyModel>

#include <functional>
#include <optional>
#include <vector>

namespace varn {

class SectionModel;

// The rows of one section that its view shows: all of them, or those a filter keeps, in file
// order or sorted by a column. Row numbers stay the file positions (the section model's column
// 0), and every command names rows by them. The shown rows follow every change: rows that leave
// or come, and edited rows, which the filter's test looks at again and a sort puts in place.
class RowFilterModel : public QAbstractProxyModel {
    Q_OBJECT
public:
    // Whether a row passes the filter; asked for rows that come in or change.
    using RowTest = std::function<bool(int sourceRow)>;

    RowFilterModel(SectionModel& source, QObject* parent);

    [[nodiscard]] SectionModel& sectionModel() const { return source_; }
    [[nodiscard]] bool isFiltering() const { return filtering_; }
    // Shows only the given rows (ascending, each once); test decides for rows that change or
    // come in later.
    void setFilter(std::vector<int> keptRows, RowTest test);
    void clearFilter();
    // Sorts the shown rows by a view column (0 the row number); -1 shows them in file order
    // again. The selection stays on the same rows.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    [[nodiscard]] bool isSorted() const { return sortOrder_.has_value(); }
    // The shown rows are the section's, one for one, in file order: no filter, no sort.
    [[nodiscard]] bool showsFileOrder() const { return !filtering_ && !sortOrder_; }

    [[nodiscard]] int sourceRow(int row) const;
    // The shown row of a section row, or -1 when the filter hides it.
    [[nodiscard]] int rowOf(int sourceRow) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;

signals:
    // The rows shown or the rows in all changed: the count "N of M rows" follows.
    void countsChanged();
    // The whole section was replaced (load, New): the filter has to be worked out anew.
    void filterLost();

private:
    void connectSource();
    [[nodiscard]] std::size_t keptPosition(int sourceRow) const;
    void sourceRowsAboutToBeRemoved(int first, int last);
    void sourceRowsRemoved(int first, int last);
    void sourceRowsAboutToBeInserted(int first, int last);
    void sourceRowsInserted(int first, int last);
    void sourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void sourceReset();
    void takeKept(const std::vector<int>& rows);
    void insertKept(const std::vector<int>& positions);
    void shiftKept(int fromRow, int by);
    void eraseKept(int first, int last);
    [[nodiscard]] bool passes(int row) const { return !filtering_ || test_(row); }

    // While sorted (rowfiltersorting.cpp): the same changes in the shown order.
    void resort();
    // The shown order changes without rows coming or going: views keep their selection.
    void relayout(const std::function<void()>& change);
    void sortedRowsAboutToBeRemoved(int first, int last);
    void sortedRowsRemoved(int first, int last);
    void sortedRowsInserted(int first, int last);
    void sortedDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void sortedRowChanged(int row, int firstColumn, int lastColumn, const RowComparer& comparer);

    SectionModel& source_;
    bool filtering_ = false;
    std::vector<int> kept_;  // section rows shown, ascending, while filtering
    RowTest test_;
    std::optional<std::vector<int>> bulkTaken_;
    std::optional<std::vector<int>> bulkInserted_;
    bool removing_ = false;  // kept rows are on their way out of the view
    std::optional<RowOrder> sortOrder_;
    SortedRows sorted_;       // the shown rows while sorted
    bool sortReset_ = false;  // rows leave in a reset while sorted
};

}  // namespace varn

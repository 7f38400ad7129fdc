#pragma once

#include "document.h"
#include "rowchange.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace varn {

// One section's rows for a table view: column 0 is the row number, then the visible cells,
// then the side cells (kept as hidden columns, so a row and its side cells never drift apart).
// Texts are formatted only when the view asks for a cell it paints. Every change of rows goes
// through here, so that views, proxies and the map hear of it.
class SectionModel : public QAbstractTableModel {
    Q_OBJECT
public:
    SectionModel(Document& document, int section, QObject* parent);

    [[nodiscard]] SectionTable& table() const { return document_.table(section_); }
    [[nodiscard]] int section() const { return section_; }
    [[nodiscard]] int visibleColumnCount() const { return table().layout().columnCount(); }
    void setCaptions(const QStringList& captions);
    [[nodiscard]] QString caption(int column) const { return captions_.value(column); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Takes the rows (ascending) out and hands them back; insertRows with the same positions
    // puts them back where they were.
    [[nodiscard]] RowBlock takeRows(const std::vector<int>& rows);
    void insertRows(const std::vector<int>& positions, RowBlock block);
    // Writes the texts into a row and returns the texts they replaced, latest first, so that
    // writing those back undoes it.
    RowWrites applyWrites(int row, const RowWrites& writes);
    // Exchanges a bulk edit's contents with its rows' (applying it, or undoing it once applied)
    // and tells of it once, for the rows from the first to the last it changes.
    void exchangeRows(RowChange& change);

    // Brackets a change of the whole document (load, New).
    void beginDocumentChange() { beginResetModel(); }
    void endDocumentChange() { endResetModel(); }

signals:
    // Many scattered rows leave or come in one reset; told first, so that a proxy can follow
    // the rows without looking at every row again. The positions are those of takeRows and
    // insertRows.
    void bulkTakeAhead(const std::vector<int>& rows);
    void bulkInsertAhead(const std::vector<int>& positions);
    // A bulk edit rewrote these rows (ascending); the dataChanged that follows spans them all.
    void rowsRewritten(const std::vector<int>& rows);

private:
    void rowNumbersChangedFrom(int row);

    Document& document_;
    int section_;
    QStringList captions_;
};

}  // namespace varn

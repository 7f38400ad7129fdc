#pragma once

#include "document.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace varn {

// One section's rows for a table view: column 0 is the row number, then the visible cells,
// then the side cells (kept as hidden columns, so a row and its side cells never drift apart).
// Texts are formatted only when the view asks for a cell it paints.
class SectionModel : public QAbstractTableModel {
    Q_OBJECT
public:
    SectionModel(Document& document, int section, QObject* parent);

    [[nodiscard]] SectionTable& table() const { return document_.table(section_); }
    [[nodiscard]] int section() const { return section_; }
    [[nodiscard]] int visibleColumnCount() const { return table().layout().columnCount(); }
    void setCaptions(const QStringList& captions);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Row changes go through the model so that the views hear of them.
    int appendDefaultRow();
    void removeRow(int row);
    void rowEdited(int row);
    // Brackets a change of the whole document (load, New).
    void beginDocumentChange() { beginResetModel(); }
    void endDocumentChange() { endResetModel(); }

private:
    Document& document_;
    int section_;
    QStringList captions_;
};

}  // namespace varn

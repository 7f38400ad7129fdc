#include "sectionmodel.h"

namespace varn {

SectionModel::SectionModel(Document& document, int section, QObject* parent)
    : QAbstractTableModel(parent), document_(document), section_(section) {}

void SectionModel::setCaptions(const QStringList& captions) {
    captions_ = captions;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int SectionModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table().rowCount();
}

int SectionModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1 + table().layout().cellCount();
}

QVariant SectionModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    if (index.column() == 0) return QString::number(index.row());
    return table().cellText(index.row(), index.column() - 1);
}

QVariant SectionModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < captions_.size()) return captions_[section];
    // Hidden side columns keep the names of their fields.
    if (section > 0 && section <= table().layout().cellCount())
        return QString::fromStdString(table().layout().cells[section - 1].caption);
    return {};
}

int SectionModel::appendDefaultRow() {
    const int row = table().rowCount();
    beginInsertRows({}, row, row);
    table().appendDefaultRow();
    endInsertRows();
    return row;
}

void SectionModel::removeRow(int row) {
    beginRemoveRows({}, row, row);
    table().removeRow(row);
    endRemoveRows();
    // The row numbers after it changed too.
    if (row < table().rowCount()) emit dataChanged(index(row, 0), index(table().rowCount() - 1, 0));
}

void SectionModel::rowEdited(int row) {
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

}  // namespace varn

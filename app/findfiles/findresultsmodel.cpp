#include "findresultsmodel.h"

#include "numbertext.h"

#include <QDir>

#include <algorithm>
#include <iterator>

namespace varn {

FindResultsModel::FindResultsModel(char separator, QObject* parent)
    : QAbstractTableModel(parent), separator_(separator) {}

void FindResultsModel::startSearch(const QString& folder) {
    beginResetModel();
    folder_ = folder;
    hits_.clear();
    endResetModel();
}

void FindResultsModel::addFileHits(std::vector<FileSearchHit> hits) {
    if (hits.empty()) return;
    const QString& file = hits.front().file;
    const auto at = std::upper_bound(hits_.begin(), hits_.end(), file,
                                     [](const QString& f, const FileSearchHit& h) { return f < h.file; });
    const int first = static_cast<int>(at - hits_.begin());
    beginInsertRows({}, first, first + static_cast<int>(hits.size()) - 1);
    hits_.insert(at, std::make_move_iterator(hits.begin()), std::make_move_iterator(hits.end()));
    endInsertRows();
}

int FindResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : hitCount();
}

int FindResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString FindResultsModel::fileText(const QString& file) const {
    const QString shown = folder_.isEmpty() ? file : QDir(folder_).relativeFilePath(file);
    return QDir::toNativeSeparators(shown);
}

QString FindResultsModel::numberText(float value) const {
    return QString::fromStdString(trimmedFixed(value, 4, separator_));
}

QVariant FindResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const FileSearchHit& h = hit(index.row());
    if (role == Qt::ToolTipRole && index.column() == FileColumn)
        return QDir::toNativeSeparators(h.file);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case FileColumn:
            return fileText(h.file);
        case SectionColumn:
            return QString::number(h.section);
        case RowColumn:
            return QString::number(h.row);
        case ModelColumn:
            return h.model;
        case XColumn:
            return numberText(h.x);
        case YColumn:
            return numberText(h.y);
        case ZColumn:
            return numberText(h.z);
        default:
            return {};
    }
}

QVariant FindResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case FileColumn:
            return tr("File");
        case SectionColumn:
            return tr("Section");
        case RowColumn:
            return tr("Row");
        case ModelColumn:
            return tr("Model");
        case XColumn:
            return tr("X");
        case YColumn:
            return tr("Y");
        case ZColumn:
            return tr("Z");
        default:
            return {};
    }
}

}  // namespace varn

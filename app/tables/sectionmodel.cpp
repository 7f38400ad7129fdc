#include "sectionmodel.h"

#include <algorithm>
#include <iterator>
#include <numeric>

namespace varn {
namespace {

struct RowRange {
    int first;
    int last;
};

// Ascending rows as runs of neighbours.
std::vector<RowRange> rangesOf(const std::vector<int>& rows) {
    std::vector<RowRange> ranges;
    for (int row : rows) {
        if (!ranges.empty() && ranges.back().last + 1 == row) {
            ranges.back().last = row;
        } else {
            ranges.push_back({row, row});
        }
    }
    return ranges;
}

// Beyond this many runs one reset is cheaper for the views than a signal per run.
constexpr std::size_t kMaxSignalledRanges = 8;

}  // namespace

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

void SectionModel::rowNumbersChangedFrom(int row) {
    if (row < table().rowCount()) emit dataChanged(index(row, 0), index(table().rowCount() - 1, 0));
}

RowBlock SectionModel::takeRows(const std::vector<int>& rows) {
    if (rows.empty()) return {};
    const std::vector<RowRange> ranges = rangesOf(rows);
    if (ranges.size() > kMaxSignalledRanges) {
        emit bulkTakeAhead(rows);
        beginResetModel();
        RowBlock block = table().takeRows(rows);
        endResetModel();
        return block;
    }
    // Run by run from the last, so the earlier runs keep their numbers; the block is put
    // together in ascending order at the end.
    std::vector<RowBlock> pieces;
    for (auto range = ranges.rbegin(); range != ranges.rend(); ++range) {
        std::vector<int> piece(static_cast<std::size_t>(range->last - range->first + 1));
        std::iota(piece.begin(), piece.end(), range->first);
        beginRemoveRows({}, range->first, range->last);
        pieces.push_back(table().takeRows(piece));
        endRemoveRows();
    }
    rowNumbersChangedFrom(ranges.front().first);
    RowBlock block;
    const bool withEdits = std::any_of(pieces.begin(), pieces.end(),
                                       [](const RowBlock& b) { return !b.edits.empty(); });
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
        block.records.insert(block.records.end(), piece->records.begin(), piece->records.end());
        if (withEdits) {
            piece->edits.resize(static_cast<std::size_t>(piece->count));
            std::move(piece->edits.begin(), piece->edits.end(), std::back_inserter(block.edits));
        }
        block.count += piece->count;
    }
    return block;
}

void SectionModel::insertRows(const std::vector<int>& positions, RowBlock block) {
    if (positions.empty()) return;
    const std::vector<RowRange> ranges = rangesOf(positions);
    if (ranges.size() > kMaxSignalledRanges) {
        emit bulkInsertAhead(positions);
        beginResetModel();
        table().insertRows(positions, std::move(block));
        endResetModel();
        return;
    }
    // Run by run from the first: each lands at its final place once the earlier ones are in.
    const auto size = static_cast<std::size_t>(table().layout().recordSize);
    std::size_t done = 0;
    for (const RowRange& range : ranges) {
        const auto count = static_cast<std::size_t>(range.last - range.first + 1);
        RowBlock piece;
        piece.count = static_cast<int>(count);
        piece.records.assign(block.records.begin() + static_cast<std::ptrdiff_t>(done * size),
                             block.records.begin() +
                                 static_cast<std::ptrdiff_t>((done + count) * size));
        if (!block.edits.empty())
            std::move(block.edits.begin() + static_cast<std::ptrdiff_t>(done),
                      block.edits.begin() + static_cast<std::ptrdiff_t>(done + count),
                      std::back_inserter(piece.edits));
        std::vector<int> piecePositions(count);
        std::iota(piecePositions.begin(), piecePositions.end(), range.first);
        beginInsertRows({}, range.first, range.last);
        table().insertRows(piecePositions, std::move(piece));
        endInsertRows();
        done += count;
    }
    rowNumbersChangedFrom(ranges.front().last + 1);
}

RowWrites SectionModel::applyWrites(int row, const RowWrites& writes) {
    RowWrites replaced;
    replaced.reserve(writes.size());
    for (const CellWrite& write : writes) {
        replaced.push_back({write.cell, table().cellText(row, write.cell)});
        table().setCellText(row, write.cell, write.text);
    }
    std::reverse(replaced.begin(), replaced.end());
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    return replaced;
}

void SectionModel::exchangeRows(RowChange& change) {
    if (change.isEmpty()) return;
    applyRowChange(table(), change);
    emit rowsRewritten(change.rows);
    emit dataChanged(index(change.rows.front(), 1), index(change.rows.back(), columnCount() - 1));
}

}  // namespace varn

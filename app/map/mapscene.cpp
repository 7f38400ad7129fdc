#include "mapscene.h"

#include "mapcells.h"
#include "sectionmodel.h"

#include <QItemSelectionModel>

#include <algorithm>
#include <cmath>
#include <utility>

namespace varn {
namespace {

// The model shows a cell in the column after it: column 0 is the row number.
int modelColumn(int cell) {
    return cell + 1;
}

// The model columns whose change moves or recolours a row on the map.
std::vector<int> drawnColumns(int section) {
    if (section == kMapPointSection) {
        const MapPointCells& c = mapPointCells();
        const int hashCell = sectionLayout(section)->hashCellOf(c.modelName);
        return {modelColumn(c.x), modelColumn(c.y), modelColumn(c.lod), modelColumn(c.modelName),
                modelColumn(hashCell)};
    }
    const MapBoxCells& c = mapBoxCells();
    return {modelColumn(c.x1), modelColumn(c.y1), modelColumn(c.x2), modelColumn(c.y2)};
}

}  // namespace

MapScene::MapScene(QObject* parent) : QObject(parent) {
    links_[0].layer = &points_;
    links_[1].layer = &boxes_;
}

MapScene::Link* MapScene::linkOf(int section) {
    return section == kMapPointSection ? &links_[0]
           : section == kMapBoxSection ? &links_[1]
                                       : nullptr;
}

const MapScene::Link* MapScene::linkOf(int section) const {
    return const_cast<MapScene*>(this)->linkOf(section);
}

void MapScene::attachSection(SectionModel* model, QItemSelectionModel* selection) {
    Link* link = model ? linkOf(model->table().number()) : nullptr;
    if (!link) return;
    for (const QMetaObject::Connection& c : link->connections)
        disconnect(c);
    link->connections.clear();
    link->model = model;
    link->selection = selection;
    connectLink(*link);
    markStale(*link, true);
}

void MapScene::connectLink(Link& link) {
    SectionModel* model = link.model;
    auto& c = link.connections;
    Link* l = &link;
    c.push_back(
        connect(model, &QAbstractItemModel::modelReset, this, [this, l] { markStale(*l, true); }));
    c.push_back(connect(model, &QAbstractItemModel::layoutChanged, this,
                        [this, l] { markStale(*l, false); }));
    c.push_back(
        connect(model, &QAbstractItemModel::rowsMoved, this, [this, l] { markStale(*l, false); }));
    c.push_back(connect(model, &QObject::destroyed, this, [this, l] { markStale(*l, true); }));
    c.push_back(connect(model, &QAbstractItemModel::rowsInserted, this,
                        [this, l](const QModelIndex&, int first, int last) {
                            if (l->stale) return;
                            l->layer->insertRows(l->model->table(), first, last);
                            applyFilter(*l, first, last);
                            touch();
                        }));
    c.push_back(connect(model, &QAbstractItemModel::rowsRemoved, this,
                        [this, l](const QModelIndex&, int first, int last) {
                            if (l->stale) return;
                            l->layer->removeRows(first, last);
                            touch();
                        }));
    c.push_back(connect(model, &QAbstractItemModel::dataChanged, this,
                        [this, l](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                            rowsChanged(*l, topLeft.row(), bottomRight.row(), topLeft.column(),
                                        bottomRight.column());
                        }));
    if (link.selection)
        c.push_back(connect(link.selection, &QItemSelectionModel::selectionChanged, this,
                            [this, l](const QItemSelection& on, const QItemSelection& off) {
                                if (l->stale) return;
                                applySelection(*l, off, false);
                                applySelection(*l, on, true);
                                touch();
                            }));
}

void MapScene::markStale(Link& link, bool replaced) {
    link.stale = true;
    replaced_ = replaced_ || replaced;
    touch();
}

void MapScene::touch() {
    ++revision_;
    emit changed();
}

bool MapScene::isStale() const {
    return links_[0].stale || links_[1].stale;
}

int MapScene::staleRows() const {
    int rows = 0;
    for (const Link& link : links_)
        if (link.stale && link.model) rows += link.model->table().rowCount();
    return rows;
}

bool MapScene::prepare() {
    for (Link& link : links_) {
        if (!link.stale) continue;
        read(link);
        link.stale = false;
        ++revision_;  // what was drawn or counted before is out of date
    }
    return std::exchange(replaced_, false);
}

void MapScene::read(Link& link) {
    if (!link.model) {
        link.layer->removeRows(0, link.layer->rowCount() - 1);
        return;
    }
    link.layer->readAll(link.model->table());
    if (link.selection) applySelection(link, link.selection->selection(), true);
    applyFilter(link, 0, link.layer->rowCount() - 1);
}

void MapScene::applySelection(Link& link, const QItemSelection& ranges, bool on) {
    for (const QItemSelectionRange& range : ranges)
        if (range.isValid()) link.layer->setMark(range.top(), range.bottom(), kRowSelected, on);
}

void MapScene::applyFilter(Link& link, int first, int last) {
    if (!link.filter) return;
    for (int row = first; row <= last; ++row)
        link.layer->setMark(row, row, kRowFilteredOut, !link.filter(row));
}

void MapScene::rowsChanged(Link& link, int first, int last, int firstColumn, int lastColumn) {
    first = std::max(first, 0);
    last = std::min(last, link.layer->rowCount() - 1);
    if (link.stale || first > last) return;
    const int section = link.model->table().number();
    const std::vector<int> columns = drawnColumns(section);
    const bool drawn = std::any_of(columns.begin(), columns.end(), [&](int column) {
        return column >= firstColumn && column <= lastColumn;
    });
    if (drawn) link.layer->readRows(link.model->table(), first, last);
    applyFilter(link, first, last);
    if (drawn || link.filter) touch();
}

void MapScene::setRowFilter(int section, RowFilter keep) {
    Link* link = linkOf(section);
    if (!link) return;
    link->filter = std::move(keep);
    if (link->stale) return;
    if (!link->filter) link->layer->clearMark(kRowFilteredOut);
    applyFilter(*link, 0, link->layer->rowCount() - 1);
    touch();
}

bool MapScene::hasRowFilter(int section) const {
    const Link* link = linkOf(section);
    return link && link->filter;
}

const SectionTable* MapScene::table(int section) const {
    const Link* link = linkOf(section);
    return link && link->model ? &link->model->table() : nullptr;
}

char MapScene::decimalSeparator() const {
    for (const Link& link : links_)
        if (link.model) return link.model->table().context().separator;
    return '.';
}

int MapScene::rowsWithoutPosition() const {
    return points_.rowsWithoutPosition() + boxes_.rowsWithoutPosition();
}

MapRect MapScene::bounds() const {
    MapRect all = points_.bounds();
    all.include(boxes_.bounds());
    return all;
}

MapScene::Hit MapScene::pick(double x, double y, double radius) {
    const int point = points_.nearest(x, y, radius);
    const int box = boxes_.nearestOutline(x, y, radius);
    if (point < 0 && box < 0) return {};
    if (box < 0) return {kMapPointSection, point};
    if (point < 0) return {kMapBoxSection, box};
    const MapPoint& p = points_.positions()[point];
    const double pointDistance = std::hypot(p.x - x, p.y - y);
    const double boxDistance = distanceToOutline(boxes_.boxes()[box], x, y);
    return pointDistance <= boxDistance ? Hit{kMapPointSection, point} : Hit{kMapBoxSection, box};
}

void MapScene::selectRows(int section, const std::vector<int>& rows, Selecting how) {
    Link* link = linkOf(section);
    if (how == Selecting::Replace)
        for (Link& other : links_)
            if (other.selection) other.selection->clearSelection();
    if (!link || !link->selection || !link->model || rows.empty()) return;
    // Runs of neighbouring rows become one range each, already as wide as the row: widening
    // them through the Rows flag merges each into all before it, slow for thousands of runs.
    const int lastColumn = link->model->columnCount() - 1;
    QItemSelection ranges;
    ranges.reserve(static_cast<qsizetype>(rows.size()));
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1)
            ++j;
        ranges.append(QItemSelectionRange(link->model->index(rows[i], 0),
                                          link->model->index(rows[j], lastColumn)));
        i = j + 1;
    }
    const auto command =
        how == Selecting::Toggle ? QItemSelectionModel::Toggle : QItemSelectionModel::Select;
    link->selection->select(ranges, command);
    link->selection->setCurrentIndex(link->model->index(rows.front(), 0),
                                     QItemSelectionModel::NoUpdate);
}

}  // namespace varn

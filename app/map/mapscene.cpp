#include "mapscene.h"

#include "mapcells.h"
#include "rowfiltermodel.h"
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

void MapScene::attachSection(SectionModel* model, RowFilterModel* shownRows,
                             QItemSelectionModel* selection) {
    Link* link = model ? linkOf(model->table().number()) : nullptr;
    if (!link) return;
    for (const QMetaObject::Connection& c : link->connections)
        disconnect(c);
    link->connections.clear();
    const bool hadShownRows = link->shownRows;
    link->model = model;
    link->shownRows = shownRows;
    link->selection = selection;
    link->bulkChange = false;
    connectLink(*link);
    markStale(*link, true);
    if (shownRows || hadShownRows) followShownRows(*link);
}

void MapScene::connectLink(Link& link) {
    SectionModel* model = link.model;
    auto& c = link.connections;
    Link* l = &link;
    // Stale from the start of a reset, so that nothing looks at the rows while they change. A
    // reset announced as a bulk move of rows keeps the view where it is, as an edit does.
    for (auto bulkAhead : {&SectionModel::bulkTakeAhead, &SectionModel::bulkInsertAhead})
        c.push_back(connect(model, bulkAhead, this, [l] { l->bulkChange = true; }));
    c.push_back(connect(model, &QAbstractItemModel::modelAboutToBeReset, this,
                        [this, l] { markStale(*l, !std::exchange(l->bulkChange, false)); }));
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
    if (link.shownRows)
        c.push_back(connect(link.shownRows, &QAbstractItemModel::modelReset, this,
                            [this, l] { followShownRows(*l); }));
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
    reapplySelection(link);
    applyWholeFilter(link);
}

// Selected rows of the table view, which are rows of the filter model when there is one: a
// range of them is a run of kept section rows, neighbours only where the filter kept every
// row between them and no sort moved them apart.
void MapScene::applySelection(Link& link, const QItemSelection& ranges, bool on) {
    const RowFilterModel* shown = link.shownRows;
    const bool filtering = shown && !shown->showsFileOrder();
    for (const QItemSelectionRange& range : ranges) {
        if (!range.isValid()) continue;
        if (!filtering) {
            link.layer->setMark(range.top(), range.bottom(), kRowSelected, on);
            continue;
        }
        const int last = std::min(range.bottom(), shown->rowCount() - 1);
        for (int row = range.top(); row <= last;) {
            const int first = shown->sourceRow(row);
            int end = first;
            while (++row <= last && shown->sourceRow(row) == end + 1)
                ++end;
            link.layer->setMark(first, end, kRowSelected, on);
        }
    }
}

void MapScene::reapplySelection(Link& link) {
    link.layer->clearMark(kRowSelected);
    if (link.selection) applySelection(link, link.selection->selection(), true);
}

// The filter model's rows changed all at once (a filter set or cleared, the section replaced):
// the dimmed rows follow its filter, and the selection, which the reset cleared without a
// signal, is taken again.
void MapScene::followShownRows(Link& link) {
    const QPointer<RowFilterModel> shown = link.shownRows;
    if (shown && shown->isFiltering()) {
        link.filter = [shown](int row) { return !shown || shown->rowOf(row) >= 0; };
    } else {
        link.filter = nullptr;
    }
    if (link.stale) return;
    applyWholeFilter(link);
    reapplySelection(link);
    touch();
}

// Every row against the filter. A filter model's kept rows are walked once, where asking it row
// by row would search them for each of a million rows.
void MapScene::applyWholeFilter(Link& link) {
    MapLayer& layer = *link.layer;
    const RowFilterModel* shown = link.shownRows;
    if (!shown || !shown->isFiltering()) {
        layer.clearMark(kRowFilteredOut);
        applyFilter(link, 0, layer.rowCount() - 1);
        return;
    }
    layer.setMark(0, layer.rowCount() - 1, kRowFilteredOut, true);
    for (int row = 0; row < shown->rowCount(); ++row) {
        const int kept = shown->sourceRow(row);
        layer.setMark(kept, kept, kRowFilteredOut, false);
    }
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

void MapScene::selectRows(int section, const std::vector<int>& rows, Selecting how,
                          HiddenRows hidden) {
    Link* link = linkOf(section);
    if (how == Selecting::Replace)
        for (Link& other : links_)
            if (other.selection) other.selection->clearSelection();
    if (!link || !link->selection || !link->model || rows.empty()) return;
    if (hidden == HiddenRows::Reveal) revealRows(*link, rows, how);
    RowFilterModel* filter = link->shownRows;
    QAbstractItemModel* shown = filter ? static_cast<QAbstractItemModel*>(filter) : link->model;
    const auto shownRow = [filter](int row) { return filter ? filter->rowOf(row) : row; };
    // Runs of neighbouring shown rows become one range each, already as wide as the row:
    // widening them through the Rows flag merges each into all before it, slow for thousands
    // of runs. Rows the filter hides are left out.
    const int lastColumn = shown->columnCount() - 1;
    QItemSelection ranges;
    int current = -1;
    for (std::size_t i = 0; i < rows.size();) {
        const int first = shownRow(rows[i++]);
        if (first < 0) continue;
        int last = first;
        while (i < rows.size() && shownRow(rows[i]) == last + 1) {
            ++last;
            ++i;
        }
        ranges.append(QItemSelectionRange(shown->index(first, 0), shown->index(last, lastColumn)));
        if (current < 0) current = first;
    }
    if (ranges.isEmpty()) return;
    const auto command =
        how == Selecting::Toggle ? QItemSelectionModel::Toggle : QItemSelectionModel::Select;
    link->selection->select(ranges, command);
    link->selection->setCurrentIndex(shown->index(current, 0), QItemSelectionModel::NoUpdate);
}

// Shows rows the filter hides by clearing the filter. That resets the filter model, and with it
// the table's selection: rows that are to stay selected are selected again.
void MapScene::revealRows(Link& link, const std::vector<int>& rows, Selecting how) {
    RowFilterModel* filter = link.shownRows;
    if (!filter || std::all_of(rows.begin(), rows.end(),
                               [filter](int row) { return filter->rowOf(row) >= 0; }))
        return;
    std::vector<int> selected;
    if (how != Selecting::Replace) {
        for (const QItemSelectionRange& range : link.selection->selection())
            for (int row = range.top(); row <= range.bottom(); ++row)
                selected.push_back(filter->sourceRow(row));
        std::sort(selected.begin(), selected.end());
        selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    }
    filter->clearFilter();
    if (!selected.empty()) selectRows(link.model->table().number(), selected, Selecting::Add);
}

}  // namespace varn

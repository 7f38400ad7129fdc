#include "maprowdrag.h"

#include "mapcells.h"
#include "mapscene.h"

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>

namespace varn {

MapRowDrag::MapRowDrag(MapScene& scene, QObject* parent) : QObject(parent), scene_(scene) {
    connect(&scene_, &MapScene::changed, this, &MapRowDrag::sceneChanged);
}

bool MapRowDrag::begin(int pickedRow, double x, double y) {
    if (active_) cancel();
    PointLayer& points = scene_.points();
    const auto marks = points.marks();
    if (pickedRow < 0 || pickedRow >= points.rowCount() || !(marks[pickedRow] & kRowSelected))
        return false;
    rows_.clear();
    from_.clear();
    for (int row = 0; row < points.rowCount(); ++row) {
        if (!(marks[row] & kRowSelected)) continue;
        rows_.push_back(row);
        from_.push_back(points.positions()[row]);
    }
    shown_ = from_;
    pressX_ = x;
    pressY_ = y;
    dx_ = dy_ = 0;
    active_ = true;
    // Esc ends the drag wherever the focus is, before any shortcut of the focused widget.
    qApp->installEventFilter(this);
    return true;
}

void MapRowDrag::placeAt(double dx, double dy) {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        shown_[i] = {static_cast<float>(from_[i].x + dx), static_cast<float>(from_[i].y + dy)};
    scene_.points().placeRows(rows_, shown_);
}

void MapRowDrag::follow(double x, double y) {
    if (!active_) return;
    dx_ = x - pressX_;
    dy_ = y - pressY_;
    placeAt(dx_, dy_);
}

void MapRowDrag::end() {
    active_ = false;
    qApp->removeEventFilter(this);
    rows_ = {};
    from_ = {};
    shown_ = {};
}

void MapRowDrag::cancel() {
    if (!active_) return;
    scene_.points().placeRows(rows_, from_);
    end();
}

MapRowDrag::Moved MapRowDrag::finish() {
    Moved moved{QList<int>(rows_.begin(), rows_.end()), dx_, dy_};
    cancel();
    return moved;
}

// Rows changed under the drag (another program's file read again, say): what the drag holds
// may name other rows now. The points are read from the table instead, and the drag ends.
void MapRowDrag::sceneChanged() {
    if (!active_) return;
    PointLayer& points = scene_.points();
    if (const SectionTable* table = scene_.table(kMapPointSection); table && !scene_.isStale())
        points.readRows(*table, 0, std::min(table->rowCount(), points.rowCount()) - 1);
    end();
    emit cancelled();
}

bool MapRowDrag::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!active_ || !key || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();  // the key press comes here, not to a shortcut
        return true;
    }
    cancel();
    emit cancelled();
    return true;
}

}  // namespace varn

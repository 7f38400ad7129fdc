#include "mapview.h"

#include "mapcells.h"
#include "mapheadings.h"
#include "maprowdrag.h"
#include "mapscene.h"
#include "rowtransform.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

namespace varn {
namespace {

constexpr int kDragThreshold = 4;  // pixels a press may wander and still be a click
constexpr double kPickRadius = 6;  // pixels around the pointer that a pick searches
constexpr int kFitMargin = 24;
constexpr double kZoomPerNotch = 1.25;
// Up to this many rows are read while painting; more are read just after, so that the window
// shows its tables first.
constexpr int kRowsReadAtOnce = 20000;

MapScene::Selecting selectingFor(Qt::KeyboardModifiers modifiers, MapScene::Selecting withCtrl) {
    return modifiers & Qt::ControlModifier ? withCtrl : MapScene::Selecting::Replace;
}

}  // namespace

MapView::MapView(MapScene& scene, QWidget* parent)
    : QWidget(parent), scene_(scene), rowDrag_(new MapRowDrag(scene, this)) {
    setObjectName(QStringLiteral("MapView"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(160, 120);
    setCursor(Qt::OpenHandCursor);
    viewport_.width = width();
    viewport_.height = height();
    connect(&scene_, &MapScene::changed, this, &MapView::redraw);
    connect(rowDrag_, &MapRowDrag::cancelled, this, [this] {
        drag_ = Drag::None;
        setCursor(Qt::OpenHandCursor);
        redraw();
    });
}

void MapView::redraw() {
    pictureValid_ = false;
    update();
}

void MapView::setLook(const MapLook& look) {
    look_ = look;
    redraw();
}

bool MapView::prepareScene(bool waitForIt) {
    if (!scene_.isStale()) return true;
    // Only a new document waits: rows of the same one moved in bulk (many rows deleted or put
    // back) are read at once, so that the picture does not blink between steps.
    if (!waitForIt && scene_.rowsReplaced() && scene_.staleRows() > kRowsReadAtOnce) {
        if (!readQueued_) {
            readQueued_ = true;
            QTimer::singleShot(0, this, [this] {
                readQueued_ = false;
                prepareScene(true);
                update();
            });
        }
        return false;
    }
    // A new document is shown whole; rows only reordered keep the view where it is.
    if (scene_.prepare()) viewport_.fit(scene_.bounds(), kFitMargin);
    pictureValid_ = false;
    emit rowsRead();
    return true;
}

void MapView::fitToRows() {
    prepareScene(true);
    viewport_.fit(scene_.bounds(), kFitMargin);
    redraw();
}

void MapView::showArea(const MapRect& area) {
    viewport_.fit(area, 0);
    redraw();
}

QImage MapView::picture() {
    prepareScene(true);
    QImage image;
    renderer_.render(scene_, viewport_, look_, image);
    return image;
}

void MapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!prepareScene(false)) {
        painter.fillRect(rect(), QColor::fromRgb(mapcolour::kBackground));
        painter.setPen(QColor::fromRgb(mapcolour::kAxisText));
        painter.drawText(rect(), Qt::AlignCenter, tr("Reading the rows for the map..."));
        return;
    }
    if (!pictureValid_) {
        renderer_.render(scene_, viewport_, look_, picture_);
        pictureValid_ = true;
    }
    painter.drawImage(0, 0, picture_);
    if (drag_ == Drag::Band && dragMoved_) {
        painter.setPen(QPen(QColor(20, 20, 20), 1, Qt::DashLine));
        painter.setBrush(QColor(255, 45, 138, 40));
        painter.drawRect(QRect(pressPosition_, lastPosition_).normalized());
    }
}

void MapView::resizeEvent(QResizeEvent*) {
    viewport_.width = std::max(width(), 1);
    viewport_.height = std::max(height(), 1);
    redraw();
}

void MapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::MiddleButton) return;
    const bool band = event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier);
    drag_ = band ? Drag::Band : Drag::Pan;
    dragMoved_ = false;
    pressPosition_ = lastPosition_ = event->position().toPoint();
    if (!band && event->button() == Qt::LeftButton && beginRowDrag(pressPosition_)) {
        drag_ = Drag::Rows;
        setCursor(Qt::SizeAllCursor);
        return;
    }
    if (!band) setCursor(Qt::ClosedHandCursor);
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    emit pointerMoved(viewport_.toMapX(position.x() + 0.5), viewport_.toMapY(position.y() + 0.5));
    if (drag_ == Drag::None) return;
    if ((position - pressPosition_).manhattanLength() >= kDragThreshold) dragMoved_ = true;
    if (drag_ == Drag::Pan && dragMoved_) {
        viewport_.panByPixels(position.x() - lastPosition_.x(), position.y() - lastPosition_.y());
        pictureValid_ = false;
    }
    if (drag_ == Drag::Rows && dragMoved_) {
        rowDrag_->follow(viewport_.toMapX(position.x() + 0.5),
                         viewport_.toMapY(position.y() + 0.5));
        pictureValid_ = false;
    }
    lastPosition_ = position;
    update();
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_ == Drag::None) return;
    if (drag_ == Drag::Rows) {
        endRowDrag(event);
        return;
    }
    const Drag drag = drag_;
    drag_ = Drag::None;
    setCursor(Qt::OpenHandCursor);
    const QPoint position = event->position().toPoint();
    if (drag == Drag::Band && dragMoved_) {
        pickInBand(pressPosition_, position, event->modifiers());
    } else if (!dragMoved_ && event->button() == Qt::LeftButton) {
        pickAt(position, event->modifiers());
    }
    update();
}

void MapView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0) return;
    const QPointF at = event->position();
    viewport_.zoomAbout(at.x(), at.y(), std::pow(kZoomPerNotch, notches));
    redraw();
    // The pixel under the pointer covers another piece of the map now.
    emit pointerMoved(viewport_.toMapX(at.x() + 0.5), viewport_.toMapY(at.y() + 0.5));
    event->accept();
}

void MapView::leaveEvent(QEvent*) {
    emit pointerLeft();
}

bool MapView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = tipAt(help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
}

void MapView::pickAt(const QPoint& position, Qt::KeyboardModifiers modifiers) {
    if (!prepareScene(true)) return;
    const MapScene::Hit hit =
        scene_.pick(viewport_.toMapX(position.x() + 0.5), viewport_.toMapY(position.y() + 0.5),
                    kPickRadius / viewport_.scale);
    if (!hit.isValid()) return;
    // A click names one row: one that the table's filter hides is shown by clearing the filter.
    scene_.selectRows(hit.section, {hit.row}, selectingFor(modifiers, MapScene::Selecting::Toggle),
                      MapScene::HiddenRows::Reveal);
    emit rowsPicked(hit.section, {hit.row});
}

void MapView::pickInBand(const QPoint& from, const QPoint& to, Qt::KeyboardModifiers modifiers) {
    if (!prepareScene(true)) return;
    // The band takes the pixels under both corners whole.
    const QRect band = QRect(from, to).normalized();
    const MapRect area =
        viewport_.rectBetween(band.left(), band.top(), band.right() + 1, band.bottom() + 1);
    const std::vector<int> points = scene_.points().rowsIn(area);
    const std::vector<int> boxes = scene_.boxes().rowsInside(area);
    const MapScene::Selecting how = selectingFor(modifiers, MapScene::Selecting::Add);
    if (how == MapScene::Selecting::Replace) scene_.selectRows(kMapPointSection, {}, how);
    scene_.selectRows(kMapPointSection, points, MapScene::Selecting::Add);
    scene_.selectRows(kMapBoxSection, boxes, MapScene::Selecting::Add);
    const bool onPoints = !points.empty();
    const std::vector<int>& shown = onPoints ? points : boxes;
    if (!shown.empty())
        emit rowsPicked(onPoints ? kMapPointSection : kMapBoxSection,
                        QList<int>(shown.begin(), shown.end()));
}

QString MapView::tipAt(const QPoint& position) {
    if (scene_.isStale()) return {};
    const MapScene::Hit hit =
        scene_.pick(viewport_.toMapX(position.x() + 0.5), viewport_.toMapY(position.y() + 0.5),
                    kPickRadius / viewport_.scale);
    const SectionTable* table = hit.isValid() ? scene_.table(hit.section) : nullptr;
    if (!table || hit.row >= table->rowCount()) return {};
    const auto cell = [&](int c) { return table->cellText(hit.row, c); };
    QString where;
    QString model;
    if (hit.section == kMapPointSection) {
        const MapPointCells& c = mapPointCells();
        model = cell(c.modelName);
        where = QStringLiteral("X %1, Y %2").arg(cell(c.x), cell(c.y));
        where += tr("\nHeading: %1")
                     .arg(headingText(rowHeading(*table, hit.row, look_.orientations),
                                      table->context().separator));
    } else {
        const MapBoxCells& c = mapBoxCells();
        model = cell(c.modelName);
        where =
            tr("X1 %1, Y1 %2\nX2 %3, Y2 %4").arg(cell(c.x1), cell(c.y1), cell(c.x2), cell(c.y2));
    }
    return tr("Section %1, row %2\nModel: %3\n%4").arg(hit.section).arg(hit.row).arg(model, where);
}

bool MapView::beginRowDrag(const QPoint& position) {
    if (!prepareScene(true)) return false;
    const double x = viewport_.toMapX(position.x() + 0.5);
    const double y = viewport_.toMapY(position.y() + 0.5);
    const MapScene::Hit hit = scene_.pick(x, y, kPickRadius / viewport_.scale);
    return hit.section == kMapPointSection && rowDrag_->begin(hit.row, x, y);
}

// Let go after moving: the rows are to move by the way the pointer went. Without moving it was
// a click, which picks the point as ever.
void MapView::endRowDrag(QMouseEvent* event) {
    drag_ = Drag::None;
    setCursor(Qt::OpenHandCursor);
    if (!dragMoved_) {
        rowDrag_->cancel();
        pickAt(event->position().toPoint(), event->modifiers());
        update();
        return;
    }
    const QPoint position = event->position().toPoint();
    rowDrag_->follow(viewport_.toMapX(position.x() + 0.5), viewport_.toMapY(position.y() + 0.5));
    const MapRowDrag::Moved moved = rowDrag_->finish();
    redraw();
    if (moved.dx != 0 || moved.dy != 0)
        emit rowsDragged(kMapPointSection, moved.rows, moved.dx, moved.dy);
}

}  // namespace varn

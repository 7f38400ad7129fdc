#pragma once

#include "mapgeometry.h"
#include "mappalette.h"
#include "maprenderer.h"

#include <QImage>
#include <QList>
#include <QWidget>

namespace varn {

class MapRowDrag;
class MapScene;

// The top-down picture of the rows: the wheel zooms about the pointer, a drag pans, a click
// picks the point or box under the pointer, Shift+drag picks every row in the band (Ctrl adds
// to the selection), a drag that starts on a selected point moves the selected points. The
// picture is drawn into an image of the view's size and kept until the view or the rows change.
class MapView : public QWidget {
    Q_OBJECT
public:
    explicit MapView(MapScene& scene, QWidget* parent = nullptr);

    [[nodiscard]] const MapViewport& viewport() const { return viewport_; }
    [[nodiscard]] const MapLook& look() const { return look_; }
    void setLook(const MapLook& look);
    // Every row with a position in view.
    void fitToRows();
    // The given part of the map in view, whole.
    void showArea(const MapRect& area);
    // The picture as shown, drawn now (without a rubber band); the rows are read first if due.
    [[nodiscard]] QImage picture();

    QSize sizeHint() const override { return {420, 360}; }

signals:
    // Rows were selected on the map (a band's rows also where the table's filter hides them);
    // the window shows the section's table at the first row it shows.
    void rowsPicked(int section, const QList<int>& rows);
    // The map position under the pointer; pointerLeft when it leaves the view.
    void pointerMoved(double x, double y);
    void pointerLeft();
    // The rows were read anew; counts shown beside the map may have changed.
    void rowsRead();
    // The selected points were dragged by (dx, dy) map units and let go: the rows are to move.
    void rowsDragged(int section, const QList<int>& rows, double dx, double dy);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class Drag { None, Pan, Band, Rows };

    // Reads stale rows now; false when there are many and reading was queued instead.
    bool prepareScene(bool waitForIt);
    void redraw();
    void pickAt(const QPoint& position, Qt::KeyboardModifiers modifiers);
    void pickInBand(const QPoint& from, const QPoint& to, Qt::KeyboardModifiers modifiers);
    [[nodiscard]] QString tipAt(const QPoint& position);
    // A press on a selected point starts moving the selected points.
    bool beginRowDrag(const QPoint& position);
    void endRowDrag(QMouseEvent* event);

    MapScene& scene_;
    MapRenderer renderer_;
    MapViewport viewport_;
    MapLook look_;
    QImage picture_;
    bool pictureValid_ = false;
    bool readQueued_ = false;

    Drag drag_ = Drag::None;
    bool dragMoved_ = false;
    QPoint pressPosition_;
    QPoint lastPosition_;
    MapRowDrag* rowDrag_;
};

}  // namespace varn

#pragma once

#include "mapgeometry.h"

#include <QList>
#include <QObject>

#include <vector>

namespace varn {

class MapScene;

// A drag of the selected points on the map: the points follow the pointer in X and Y (their
// table rows are not touched yet), Esc puts them back, and the release tells how far they went,
// for one command that moves the rows. Everything the scene changes meanwhile ends the drag.
class MapRowDrag : public QObject {
    Q_OBJECT
public:
    explicit MapRowDrag(MapScene& scene, QObject* parent);

    [[nodiscard]] bool isActive() const { return active_; }
    // Starts when the point under the press is a selected one: every selected point of section
    // 0 goes along. The map position of the press is (x, y).
    bool begin(int pickedRow, double x, double y);
    // The points stand moved by the pointer's way from the press to (x, y).
    void follow(double x, double y);
    // The points back where their rows have them; the drag is over.
    void cancel();
    struct Moved {
        QList<int> rows;  // ascending
        double dx = 0;
        double dy = 0;
    };
    // The points back, and how far they were dragged: the rows' move to make now.
    [[nodiscard]] Moved finish();

signals:
    // Esc, or a change of the rows, put the points back.
    void cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeAt(double dx, double dy);
    void end();
    void sceneChanged();

    MapScene& scene_;
    bool active_ = false;
    std::vector<int> rows_;
    std::vector<MapPoint> from_;  // the rows' positions as the table has them
    std::vector<MapPoint> shown_;
    double pressX_ = 0;
    double pressY_ = 0;
    double dx_ = 0;
    double dy_ = 0;
};

}  // namespace varn

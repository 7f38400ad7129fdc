#pragma once

#include "mapscene.h"
#include "turnmath.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QItemSelectionModel;
class QLabel;
class QPushButton;

namespace varn {

class MapView;
class RowFilterModel;
class SectionModel;

// The "Map" panel: the map of sections 0 and 9 with its colour choice, "Fit" and a status line
// (the position under the pointer, rows that have no position). Reads nothing until shown.
class MapPanel : public QWidget {
    Q_OBJECT
public:
    explicit MapPanel(QWidget* parent = nullptr);

    // The model of the section 0 or section 9 tab, the filter model its table view shows
    // (nullptr when it shows the section model) and the view's selection model; call again
    // when one of them is replaced. Rows the filter model hides are drawn dimmed.
    void attachSection(SectionModel* model, RowFilterModel* shownRows,
                       QItemSelectionModel* selection);
    // Rows the filter does not keep are drawn dimmed; nullptr for no filter. For a section
    // attached with a filter model, that model's filter decides whenever it changes.
    void setRowFilter(int section, MapScene::RowFilter keep);
    // Writes the map as shown now as a PNG file, through a temporary file renamed over it. On
    // failure the message names the file and the cause, and no file was changed.
    [[nodiscard]] bool exportPicture(const QString& path, QString& error);
    // How the files store orientations, for the heading ticks and tooltips.
    void setOrientationStorage(OrientationStorage storage);

    [[nodiscard]] MapView* view() const { return view_; }
    [[nodiscard]] MapScene* scene() const { return scene_; }
    [[nodiscard]] QString statusText() const;

public slots:
    void fitToRows();

signals:
    // Rows were selected on the map: show the section's tab and scroll to the first of them
    // that its table shows (a band takes rows the filter hides too, and leaves them unselected).
    void rowsPicked(int section, const QList<int>& rows);
    // The selected points were dragged by (dx, dy) and let go: the rows are to move.
    void rowsDragged(int section, const QList<int>& rows, double dx, double dy);

private:
    void showPointer(double x, double y);
    void updateStatus();

    MapScene* scene_;
    MapView* view_;
    QComboBox* colouring_;
    QCheckBox* legend_;
    QPushButton* fit_;
    QLabel* status_;
    QString pointerText_;
    int rowsWithoutPosition_ = 0;
    quint64 countedRevision_ = ~quint64{0};
};

}  // namespace varn

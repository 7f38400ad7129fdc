#pragma once

#include "maplayers.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QItemSelection;
class QItemSelectionModel;

namespace varn {

class SectionModel;

// What the map shows and how it follows the document: the rows of sections 0 and 9 read from
// their models, their selection kept in step with the tables' selection models, and the row
// filters. Reading is lazy: a reset only marks a section stale and prepare() reads it, so
// nothing is read while the map is not shown.
class MapScene : public QObject {
    Q_OBJECT
public:
    using RowFilter = std::function<bool(int row)>;
    enum class Selecting { Replace, Add, Toggle };
    struct Hit {
        int section = -1;
        int row = -1;
        [[nodiscard]] bool isValid() const { return row >= 0; }
    };

    explicit MapScene(QObject* parent = nullptr);

    // Follows the model of section 0 or 9 and the selection model of its table view; replaces
    // an earlier model of the same section. Other sections are ignored.
    void attachSection(SectionModel* model, QItemSelectionModel* selection);
    // Rows the filter does not keep are drawn dimmed; nullptr draws every row alike. The filter
    // is asked again for rows that change; its owner sets it anew when its rule changes.
    void setRowFilter(int section, RowFilter keep);
    [[nodiscard]] bool hasRowFilter(int section) const;

    [[nodiscard]] bool isStale() const;
    // Rows prepare() would read.
    [[nodiscard]] int staleRows() const;
    // Reads every stale section. True when some section's rows were replaced (a new document, a
    // new model) since the last call, rather than only reordered.
    bool prepare();
    // Bumped by every change that alters the picture.
    [[nodiscard]] quint64 revision() const { return revision_; }

    [[nodiscard]] PointLayer& points() { return points_; }
    [[nodiscard]] BoxLayer& boxes() { return boxes_; }
    // The section's table, or nullptr while no model is attached.
    [[nodiscard]] const SectionTable* table(int section) const;
    [[nodiscard]] char decimalSeparator() const;
    [[nodiscard]] int rowsWithoutPosition() const;
    [[nodiscard]] MapRect bounds() const;

    // The point, else the box outline, nearest to (x, y) within radius map units.
    [[nodiscard]] Hit pick(double x, double y, double radius);
    // Changes the tables' selection: rows of section, sorted. Replace clears both sections.
    void selectRows(int section, const std::vector<int>& rows, Selecting how);

signals:
    // The picture is out of date.
    void changed();

private:
    struct Link {
        QPointer<SectionModel> model;
        QPointer<QItemSelectionModel> selection;
        MapLayer* layer = nullptr;
        RowFilter filter;
        bool stale = true;
        std::vector<QMetaObject::Connection> connections;
    };

    [[nodiscard]] Link* linkOf(int section);
    [[nodiscard]] const Link* linkOf(int section) const;
    void connectLink(Link& link);
    void markStale(Link& link, bool replaced);
    void read(Link& link);
    void applySelection(Link& link, const QItemSelection& ranges, bool on);
    void applyFilter(Link& link, int first, int last);
    void rowsChanged(Link& link, int first, int last, int firstColumn, int lastColumn);
    void touch();

    PointLayer points_;
    BoxLayer boxes_;
    Link links_[2];
    quint64 revision_ = 0;
    bool replaced_ = false;
};

}  // namespace varn

#pragma once

#include "maplayers.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QItemSelection;
class QItemSelectionModel;

namespace varn {

class RowFilterModel;
class SectionModel;

// What the map shows and how it follows the document: the rows of sections 0 and 9 read from
// their models, their selection kept in step with the tables' selection models, and the row
// filters. Reading is lazy: a reset only marks a section stale and prepare() reads it, so
// nothing is read while the map is not shown.
//
// A table may show its section through a RowFilterModel: its selection model then counts the
// rows the filter shows, which the scene turns into section rows and back.
class MapScene : public QObject {
    Q_OBJECT
public:
    using RowFilter = std::function<bool(int row)>;
    enum class Selecting { Replace, Add, Toggle };
    // Rows the table's filter hides: left unselected, or shown by clearing the filter.
    enum class HiddenRows { Skip, Reveal };
    struct Hit {
        int section = -1;
        int row = -1;
        [[nodiscard]] bool isValid() const { return row >= 0; }
    };

    explicit MapScene(QObject* parent = nullptr);

    // Follows the model of section 0 or 9, the filter model its table view shows (nullptr when
    // the view shows the section model itself) and the view's selection model, which is over
    // the filter model when there is one. Replaces an earlier model of the same section; other
    // sections are ignored.
    void attachSection(SectionModel* model, RowFilterModel* shownRows,
                       QItemSelectionModel* selection);
    // Rows the filter does not keep are drawn dimmed; nullptr draws every row alike. The filter
    // is asked again for rows that change; its owner sets it anew when its rule changes. While
    // a filter model is attached, its filter decides instead, whenever it changes.
    void setRowFilter(int section, RowFilter keep);
    [[nodiscard]] bool hasRowFilter(int section) const;

    [[nodiscard]] bool isStale() const;
    // Rows prepare() would read.
    [[nodiscard]] int staleRows() const;
    // Some section's rows were replaced (a new document, a new model), not only moved, since
    // the last prepare().
    [[nodiscard]] bool rowsReplaced() const { return replaced_; }
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
    void selectRows(int section, const std::vector<int>& rows, Selecting how,
                    HiddenRows hidden = HiddenRows::Skip);

signals:
    // The picture is out of date.
    void changed();

private:
    struct Link {
        QPointer<SectionModel> model;
        QPointer<RowFilterModel> shownRows;
        QPointer<QItemSelectionModel> selection;
        MapLayer* layer = nullptr;
        RowFilter filter;
        bool stale = true;
        bool bulkChange = false;  // the coming reset moves rows of the same document
        std::vector<QMetaObject::Connection> connections;
    };

    [[nodiscard]] Link* linkOf(int section);
    [[nodiscard]] const Link* linkOf(int section) const;
    void connectLink(Link& link);
    void markStale(Link& link, bool replaced);
    void read(Link& link);
    void applySelection(Link& link, const QItemSelection& ranges, bool on);
    void reapplySelection(Link& link);
    void followShownRows(Link& link);
    void applyFilter(Link& link, int first, int last);
    void applyWholeFilter(Link& link);
    void revealRows(Link& link, const std::vector<int>& rows, Selecting how);
    void rowsChanged(Link& link, int first, int last, int firstColumn, int lastColumn);
    void touch();

    PointLayer points_;
    BoxLayer boxes_;
    Link links_[2];
    quint64 revision_ = 0;
    bool replaced_ = false;
};

}  // namespace varn

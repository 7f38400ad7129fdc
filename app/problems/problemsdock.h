#pragma once

#include <QObject>

#include <functional>

class QDockWidget;
class QLabel;
class QMainWindow;
class QMenu;
class QModelIndex;
class QTableView;

namespace varn {

class HashDictionary;
class PlacementDocument;
class ProblemTracker;
class ProblemsModel;
class SectionPages;

// The main window's "Problems" dock: the open document's problems in a sortable table, kept in
// step with every change while the dock is shown, and their count in the status bar. A
// double-click or Return on a problem selects its row in its section's table.
class ProblemsDock : public QObject {
    Q_OBJECT
public:
    // What the dock needs of the window.
    struct Window {
        QMainWindow& window;
        PlacementDocument& document;
        const HashDictionary& dictionary;
        SectionPages& pages;
        QMenu* viewMenu;
        std::function<void(const QString&)> showMessage;  // in status panel 1
    };

    // Docks the table at the bottom, hidden; adds "Problems" at the end of the View menu and the
    // count to the status bar.
    explicit ProblemsDock(Window window);

    [[nodiscard]] QDockWidget* dock() const { return dock_; }
    [[nodiscard]] QTableView* view() const { return view_; }
    [[nodiscard]] ProblemsModel& model() const { return *model_; }
    [[nodiscard]] ProblemTracker& tracker() const { return *tracker_; }

private:
    void showProblems();
    void showProblem(const QModelIndex& index);
    void showCount();

    Window window_;
    QDockWidget* dock_;
    QTableView* view_;
    ProblemsModel* model_;
    ProblemTracker* tracker_;
    QLabel* count_;
};

}  // namespace varn

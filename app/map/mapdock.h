#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QDockWidget;
class QMainWindow;
class QMenu;
class QWidget;

namespace varn {

class MapPanel;
class SectionPages;
class SettingsFile;
class UserPrompts;

// The main window's "Map" dock: the map panel over the section 0 and section 9 tables, the
// View item that shows it (its state kept in settings.ini) and File -> "Export Map Picture...".
// A row picked on the map is shown in its table.
class MapDock : public QObject {
    Q_OBJECT
public:
    // What the dock needs of the window.
    struct Window {
        QMainWindow& window;
        SectionPages& pages;
        QMenu* viewMenu;
        SettingsFile& settings;
        UserPrompts& prompts;
        std::function<void(QWidget* tab)> showTab;        // brings a section's tab to the front
        std::function<void(const QString&)> showMessage;  // in status panel 1
    };

    // Docks the panel on the right, shown when settings.ini says so; adds "Map" at the end of
    // the View menu and the export item right after File -> "Save As..".
    explicit MapDock(Window window);

    // Follows the section models, their filter models and their views' selections; again
    // whenever one of them is replaced.
    void attachSections();
    [[nodiscard]] MapPanel* panel() const { return panel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addFileItem();
    // Shows or hides the dock and writes the choice at once; on a failed write nothing changes
    // and the error is shown.
    bool setShown(bool on);
    void exportPicture();
    void showPickedRows(int section, const QList<int>& rows);

    Window window_;
    QDockWidget* dock_;
    MapPanel* panel_;
    QAction* viewItem_ = nullptr;
    QAction* exportItem_ = nullptr;
};

}  // namespace varn

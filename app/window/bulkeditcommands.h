#pragma once

#include "turnmath.h"

#include <QList>
#include <QObject>

#include <functional>
#include <vector>

class QMenu;
class QWidget;

namespace varn {

class ClipboardCommands;
class PlacementDocument;
class SectionPages;
class SettingsFile;
class UserPrompts;

// The Edit menu's items for many rows at once: "Cut", "Change Column...", "Move and Rotate..."
// and "Sort by Current Column", and the move a drag of points on the map asks for. Each change
// is one step of the history. Keeps the choice of how the files store orientations in
// settings.ini, for the dialog and the map's headings.
class BulkEditCommands : public QObject {
    Q_OBJECT
public:
    // What the commands need of the window.
    struct Window {
        QWidget* window;
        PlacementDocument& document;
        SectionPages& pages;
        ClipboardCommands& clipboard;
        UserPrompts& prompts;
        SettingsFile& settings;
        QMenu* editMenu;
        std::function<int()> currentSection;
        std::function<void(const QString&)> showMessage;  // in status panel 1
    };

    // Puts the items into the Edit menu (Cut before Copy, the others after Go to Row) and
    // follows the window's map, when it has one.
    explicit BulkEditCommands(Window window);

    void cutRows(int section);
    void changeColumn(int section);
    void moveAndRotate(int section);
    // The rows moved by an offset in X and Y, as a drag on the map lets go of them.
    void moveRows(int section, const QList<int>& rows, double dx, double dy);
    // The next order of the current column, as a click on its caption gives it.
    void sortByCurrentColumn(int section);

    [[nodiscard]] OrientationStorage orientationStorage() const;
    // Kept in settings.ini at once; a failed write is shown, and the choice holds for the run.
    void setOrientationStorage(OrientationStorage storage);

private:
    void addItems();
    // The selected rows, or none with a word in the status bar.
    [[nodiscard]] std::vector<int> rowsToChange(int section) const;

    Window window_;
    OrientationStorage storage_ = OrientationStorage::AsStored;
};

}  // namespace varn

#pragma once

#include "filesearch.h"

#include <QObject>

class QAction;

namespace varn {

class FindInFilesDialog;
class MainWindow;
class UserPrompts;

// File -> "Find in Files..." of the main window: the dialog, and a chosen hit opened in the
// window (after the unsaved-changes question, unless its file is the one open and unchanged),
// its row selected in its section's tab and brought into view on the map when the map is shown.
class FindInFiles : public QObject {
    Q_OBJECT
public:
    // Adds the item to the File menu, before Exit.
    FindInFiles(MainWindow& window, UserPrompts& prompts);

    // Shows the dialog (made at its first use) and brings it to the front.
    void showDialog();
    [[nodiscard]] FindInFilesDialog* dialog() const { return dialog_; }
    // Opens the hit's file when it is not the one open, then shows its row; false when the file
    // was not opened (the question was cancelled, or reading it failed) or has no such row.
    bool openHit(const FileSearchHit& hit);

private:
    void addFileItem();
    void showOnMap(const FileSearchHit& hit, bool opened);

    MainWindow& window_;
    UserPrompts& prompts_;
    FindInFilesDialog* dialog_ = nullptr;
    QAction* item_ = nullptr;
};

}  // namespace varn

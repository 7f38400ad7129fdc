#pragma once

#include "document.h"
#include "hashdictionary.h"
#include "recentfiles.h"
#include "programfiles.h"
#include "settingsfile.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class QAction;
class QLabel;
class QProgressBar;
class QTableWidget;
class QToolBar;

namespace varn {

class WrappingTabWidget;

class AboutBox;
class ClipboardCommands;
class InterchangeCommands;
class PlacementDocument;
class RowCommands;
class SectionPages;
class SettingsDialog;
class StatusProgress;
class UserPrompts;

inline const QString kWindowTitle = QStringLiteral("Varn Placement Editor 0.9");

// The program's window: its actions, menus and layout over the open document, and the owner of
// the settings, the name dictionary and the values that hold for the whole run.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Runs the creation steps in order; a file named by the first argument is loaded.
    MainWindow(const ProgramFiles& files, UserPrompts& prompts, const QStringList& arguments,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The item editors, the settings dialog and the About box, created after the window.
    void createDialogs();

    [[nodiscard]] bool loadPlacementFile(const QString& path);
    [[nodiscard]] bool savePlacementFile(const QString& path);
    void newDocument();
    void openFile();
    // Open without the dialog: the unsaved-changes question first, then the file.
    bool openPath(const QString& path);
    bool save();
    bool saveAs();

    [[nodiscard]] PlacementDocument& placementDocument() { return *document_; }
    [[nodiscard]] Document& document();
    [[nodiscard]] HashDictionary& dictionary() { return dictionary_; }
    [[nodiscard]] SettingsFile& settings() { return settings_; }
    [[nodiscard]] SectionPages& pages() { return *pages_; }
    [[nodiscard]] RowCommands& rowCommands() { return *rowCommands_; }
    [[nodiscard]] QToolBar* toolBar() const { return toolBar_; }
    [[nodiscard]] const QString& currentPath() const;
    [[nodiscard]] char decimalSeparator() const;
    [[nodiscard]] bool writeHashTable() const { return writeHashTable_; }
    void setWriteHashTable(bool on) { writeHashTable_ = on; }
    [[nodiscard]] bool activeSectionsOnly() const { return activeSectionsOnly_; }
    [[nodiscard]] QString statusMessage() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createToolBar();
    void createMenus();
    void addRowItems(QMenu* edit);
    void addRecentFilesMenu(QMenu* file);
    void addInterchangeItems(QMenu* file);
    void fillRecentFilesMenu(QMenu* menu);
    void openRecentFile(const QString& path);
    // The file was opened or saved: it goes first in the recent files.
    void rememberFile(const QString& path);
    // What a command did, in status panel 1; nothing when it did nothing.
    void reportDone(const QString& message);
    // The section of the tab in front.
    [[nodiscard]] int currentSection() const;
    void createStatusBar();
    void createHeaderPanel();
    void createDocument(char separator);
    void readRunValues();
    void loadDictionary(const QString& hashesPath);

    // Save / Discard / Cancel when some section was changed; false means stop.
    bool settleUnsavedChanges();
    void showHeaderCounts();
    void setStatusMessage(const QString& text);
    void setActiveSectionsOnly(bool on);
    void storeSeparator(char separator);
    void associateFileType();
    void refreshTitle();
    // Another program changed or removed the open file.
    void fileChangedOnDisk();
    void fileRemovedFromDisk();
    void showError(const QString& message);

    UserPrompts& prompts_;
    SettingsFile settings_;
    RecentFiles recentFiles_{settings_};
    HashDictionary dictionary_;
    PlacementDocument* document_ = nullptr;
    bool writeHashTable_ = false;
    bool activeSectionsOnly_ = false;

    QToolBar* toolBar_ = nullptr;
    WrappingTabWidget* tabs_ = nullptr;
    QTableWidget* headerGrid_ = nullptr;
    QLabel* statusPanels_[3] = {};
    QProgressBar* progressBar_ = nullptr;
    QAction* activeSectionsItem_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    SectionPages* pages_ = nullptr;
    RowCommands* rowCommands_ = nullptr;
    ClipboardCommands* clipboard_ = nullptr;
    InterchangeCommands* interchange_ = nullptr;
    std::unique_ptr<StatusProgress> progress_;
    SettingsDialog* settingsDialog_ = nullptr;
    AboutBox* aboutBox_ = nullptr;
};

}  // namespace varn

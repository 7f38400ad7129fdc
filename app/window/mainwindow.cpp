#include "mainwindow.h"

#include "aboutbox.h"
#include "bulkeditcommands.h"
#include "clipboardcommands.h"
#include "filewatch.h"
#include "findinfiles.h"
#include "interchangecommands.h"
#include "itemeditor.h"
#include "mapdock.h"
#include "placementdocument.h"
#include "problemsdock.h"
#include "rowcommands.h"
#include "sectionpages.h"
#include "settingsdialog.h"
#include "settingskeys.h"
#include "statusprogress.h"
#include "userprompts.h"
#include "windowfit.h"
#include "wrappingtabbar.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include "wrappingtabwidget.h"
#include <QToolBar>
#include <QUndoStack>

namespace varn {

namespace keys = settingskeys;

MainWindow::MainWindow(const ProgramFiles& files, UserPrompts& prompts,
                       const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), settings_(files.settingsPath) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(kWindowTitle);
    setWindowIcon(QIcon(QStringLiteral(":/art/program-icon.png")));
    // The separator is fixed for the run: every text of the document is made with it.
    createDocument(settings_.readInteger(keys::kGeneralSection, keys::kSeparator, 0) != 0 ? ','
                                                                                         : '.');
    createToolBar();
    createMenus();
    createHeaderPanel();
    tabs_ = new WrappingTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    tabs_->tabBar()->setAccessibleName(tr("Sections"));
    setCentralWidget(tabs_);
    pages_ = new SectionPages(*document_, tabs_, viewMenu_, this);
    rowCommands_ = new RowCommands(*document_, *pages_, prompts_, this);
    clipboard_ = new ClipboardCommands(*document_, *pages_, prompts_, this);
    interchange_ = new InterchangeCommands(*document_, prompts_, this);
    createStatusBar();
    new MapDock({*this, *pages_, viewMenu_, settings_, prompts_,
                 [this](QWidget* tab) { tabs_->setCurrentWidget(tab); },
                 [this](const QString& text) { setStatusMessage(text); }});
    // After the map: its drags of points are moves of rows.
    new BulkEditCommands({this, *document_, *pages_, *clipboard_, prompts_, settings_, editMenu_,
                          [this] { return currentSection(); },
                          [this](const QString& text) { setStatusMessage(text); }});
    new ProblemsDock({*this, *document_, dictionary_, *pages_, viewMenu_,
                      [this](const QString& text) { setStatusMessage(text); }});
    new FindInFiles(*this, prompts_);
    // The client area, below the menu bar, is 962 x 678 at first show where the screen has room.
    fitToScreen(*this, QSize(962, 678 + menuBar()->sizeHint().height()));

    readRunValues();
    loadDictionary(files.hashesPath);
    document().version = kDefaultVersion;
    pages_->loadViewCaptions(settings_);
    pages_->loadColumnWidths(settings_);
    tabs_->setCurrentIndex(0);

    const QString file = arguments.value(1);
    if (!file.isEmpty() && QFileInfo(file).isFile() && loadPlacementFile(file) &&
        activeSectionsOnly_)
        pages_->applyActiveSectionsRule();
}

MainWindow::~MainWindow() = default;

void MainWindow::createDocument(char separator) {
    document_ = new PlacementDocument(separator, this);
    connect(document_, &PlacementDocument::changed, this, &MainWindow::refreshTitle);
    connect(&document_->fileWatch(), &FileWatch::changedOnDisk, this,
            &MainWindow::fileChangedOnDisk);
    connect(&document_->fileWatch(), &FileWatch::removedFromDisk, this,
            &MainWindow::fileRemovedFromDisk);
    setAcceptDrops(true);
}

Document& MainWindow::document() {
    return document_->document();
}

const QString& MainWindow::currentPath() const {
    return document_->path();
}

char MainWindow::decimalSeparator() const {
    return document_->document().separator();
}

// The caption names the file of the document, once it has one.
void MainWindow::refreshTitle() {
    const QString& path = document_->path();
    setWindowTitle(path.isEmpty() ? kWindowTitle : kWindowTitle + QStringLiteral(" # ") + path);
}

// The tool bar, the visible sections and the hash-table option.
void MainWindow::readRunValues() {
    const bool showToolBar =
        settings_.readBool(keys::kGeneralSection, keys::kShowToolBar, keys::kShowToolBarDefault);
    toolBar_->setVisible(showToolBar);
    activeSectionsOnly_ =
        settings_.readBool(keys::kGeneralSection, keys::kShowActiveTabsOnly, showToolBar);
    activeSectionsItem_->setChecked(activeSectionsOnly_);
    if (activeSectionsOnly_) pages_->applyActiveSectionsRule();
    writeHashTable_ = settings_.readInteger(keys::kGeneralSection, keys::kWriteHashTable, 0) == 1;
}

// Without a readable hashes.dat the program says so and runs on with no base names.
void MainWindow::loadDictionary(const QString& hashesPath) {
    QString error;
    if (!readHashesFile(hashesPath, dictionary_.baseEntries, error)) {
        dictionary_.baseEntries.clear();
        showError(error);
    }
}

void MainWindow::createDialogs() {
    std::map<int, std::unique_ptr<ItemEditor>> editors;
    // Created in the order of their window classes: sections 0, 2, 3, 4, 8, 10, 15, 9.
    for (int section : {0, 2, 3, 4, 8, 10, 15, 9}) {
        EditorTexts texts;
        const QString group = keys::sectionGroup(section);
        for (int column = 0; column < sectionLayout(section)->columnCount(); ++column)
            texts.labels << settings_.readString(group, keys::columnCaptionKey(column));
        if (section == 9)
            texts.groupCaption = settings_.readString(group, keys::kLodCullGroupCaption);
        editors[section] = createItemEditor(section, texts, this);
    }
    rowCommands_->setEditors(std::move(editors));
    settingsDialog_ = new SettingsDialog(settings_, toolBar_, this);
    connect(settingsDialog_, &SettingsDialog::writeHashTableChanged, this,
            [this](bool on) { writeHashTable_ = on; });
    aboutBox_ = new AboutBox(this);
}

void MainWindow::setActiveSectionsOnly(bool on) {
    QString error;
    if (!settings_.writeBool(keys::kGeneralSection, keys::kShowActiveTabsOnly, on, error)) {
        activeSectionsItem_->setChecked(!on);  // nothing changed: the check mark says so
        showError(error);
        return;
    }
    activeSectionsOnly_ = on;
    if (on) {
        pages_->applyActiveSectionsRule();
    } else {
        pages_->showAllTabs();
    }
}

QString MainWindow::statusMessage() const {
    return statusPanels_[1]->text();
}

void MainWindow::setStatusMessage(const QString& text) {
    statusPanels_[1]->setText(text);
}

void MainWindow::showError(const QString& message) {
    prompts_.showError(this, message);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    QString error;
    // The window closes all the same; only the widths are lost.
    if (!pages_->saveColumnWidths(settings_, error)) showError(error);
    event->accept();
}

}  // namespace varn

// The main window's tool bar, menus, status bar and hidden header panel.

#include "mainwindow.h"

#include "aboutbox.h"
#include "fileassociation.h"
#include "placementdocument.h"
#include "sectionpages.h"
#include "separatorchoice.h"
#include "settingsdialog.h"
#include "settingsfile.h"
#include "standardkeys.h"
#include "statusprogress.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include <algorithm>

namespace varn {
namespace {

QToolButton* addToolButton(QToolBar* bar, const char* name, const char* image, const QString& tip) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon(QStringLiteral(":/art/%1.png").arg(QLatin1String(image))));
    button->setToolTip(tip);
    button->setFixedSize(31, 30);
    bar->addWidget(button);
    return button;
}

void addSpacer(QToolBar* bar, int width) {
    auto* spacer = new QWidget(bar);
    spacer->setFixedWidth(width);
    bar->addWidget(spacer);
    bar->addSeparator();
}

QAction* addItem(QMenu* menu, const char* name, const QString& text) {
    QAction* item = menu->addAction(text);
    item->setObjectName(QLatin1String(name));
    return item;
}

}  // namespace

void MainWindow::createToolBar() {
    toolBar_ = addToolBar(tr("Tools"));
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->setFixedHeight(30);
    toolBar_->setContentsMargins(3, 0, 0, 0);
    toolBar_->toggleViewAction()->setVisible(false);

    connect(addToolButton(toolBar_, "ToolButton1", "toolbar-new", tr("New")), &QToolButton::clicked,
            this, &MainWindow::newDocument);
    connect(addToolButton(toolBar_, "ToolButton2", "toolbar-open", tr("Open")),
            &QToolButton::clicked, this, &MainWindow::openFile);
    QToolButton* saveButton = addToolButton(toolBar_, "ToolButton3", "toolbar-save", tr("Save"));
    saveButton->setFixedSize(43, 30);
    saveButton->setPopupMode(QToolButton::MenuButtonPopup);
    auto* saveAsMenu = new QMenu(saveButton);
    saveAsMenu->setObjectName(QStringLiteral("SaveAsMenu"));
    connect(addItem(saveAsMenu, "SaveAs1", tr("Save As..")), &QAction::triggered, this,
            &MainWindow::saveAs);
    saveButton->setMenu(saveAsMenu);
    connect(saveButton, &QToolButton::clicked, this, &MainWindow::save);

    addSpacer(toolBar_, 42);
    addSpacer(toolBar_, 8);
    QToolButton* separatorButton = addToolButton(toolBar_, "ToolButton6", "toolbar-separator",
                                                 tr("Decimal separator of the next start"));
    separatorButton->setFixedSize(43, 30);
    separatorButton->setPopupMode(QToolButton::MenuButtonPopup);
    auto* separatorMenu = new QMenu(separatorButton);
    separatorMenu->setObjectName(QStringLiteral("SeparatorMenu"));
    connect(addItem(separatorMenu, "N10", QStringLiteral(".")), &QAction::triggered, this,
            [this] { storeSeparator('.'); });
    connect(addItem(separatorMenu, "N11", QStringLiteral(",")), &QAction::triggered, this,
            [this] { storeSeparator(','); });
    separatorButton->setMenu(separatorMenu);
}

void MainWindow::storeSeparator(char separator) {
    storeSeparatorForNextStart(settings_, separator, this);
}

void MainWindow::associateFileType() {
    switch (associateWplFiles(this)) {
        case AssociationOutcome::Written:
            setStatusMessage(tr(".wpl files now open with this program."));
            break;
        case AssociationOutcome::AlreadyRegistered:
            setStatusMessage(tr(".wpl files already open with this program."));
            break;
        case AssociationOutcome::Declined:
        case AssociationOutcome::Failed:
            break;
    }
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // The platform's standard keys are shown beside the items.
    QMenu* file = bar->addMenu(tr("&File"));
    QAction* newItem = addItem(file, "New1", tr("&New"));
    newItem->setIcon(QIcon(QStringLiteral(":/art/toolbar-new.png")));
    newItem->setShortcuts(standardKeys(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)));
    connect(newItem, &QAction::triggered, this, &MainWindow::newDocument);
    QAction* open = addItem(file, "Open1", tr("&Open"));
    open->setIcon(QIcon(QStringLiteral(":/art/toolbar-open.png")));
    open->setShortcuts(standardKeys(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)));
    connect(open, &QAction::triggered, this, &MainWindow::openFile);
    addRecentFilesMenu(file);
    QAction* save = addItem(file, "Save1", tr("&Save"));
    save->setIcon(QIcon(QStringLiteral(":/art/toolbar-save.png")));
    save->setShortcuts(standardKeys(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)));
    connect(save, &QAction::triggered, this, &MainWindow::save);
    QAction* saveAs = addItem(file, "SaveAs2", tr("Save &As.."));
    saveAs->setIcon(QIcon(QStringLiteral(":/art/toolbar-save.png")));
    saveAs->setShortcuts(standardKeys(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    connect(saveAs, &QAction::triggered, this, &MainWindow::saveAs);
    addInterchangeItems(file);
    file->addSeparator();
    QAction* exit = addItem(file, "Exit1", tr("E&xit"));
    exit->setShortcuts(standardKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    connect(exit, &QAction::triggered, this, &MainWindow::close);

    editMenu_ = bar->addMenu(tr("&Edit"));
    // Undo and Redo name the command they act on ("Undo Delete Row 17 of Section 0").
    QAction* undo = document_->undoStack().createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("Undo1"));
    undo->setShortcuts(standardKeys(QKeySequence::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z)));
    QAction* redo = document_->undoStack().createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("Redo1"));
    // Ctrl+Y beside the platform's keys, as Windows programs have it.
    redo->setShortcuts(standardKeys(QKeySequence::Redo,
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                    {QKeySequence(Qt::CTRL | Qt::Key_Y)}));
    editMenu_->addAction(undo);
    editMenu_->addAction(redo);
    editMenu_->addSeparator();
    addRowItems(editMenu_);
    editMenu_->addSeparator();
    connect(addItem(editMenu_, "Settings1", tr("&Settings")), &QAction::triggered,
            this, [this] { settingsDialog_->exec(); });
    connect(addItem(editMenu_, "AssociateWpl1",
                    tr("Associate .&wpl files with this program")),
            &QAction::triggered, this, &MainWindow::associateFileType);

    viewMenu_ = bar->addMenu(tr("&View"));
    activeSectionsItem_ =
        addItem(viewMenu_, "ShowActiveSectionsOnly1", tr("Show &Active Sections Only"));
    activeSectionsItem_->setCheckable(true);
    activeSectionsItem_->setChecked(true);
    connect(activeSectionsItem_, &QAction::triggered, this, &MainWindow::setActiveSectionsOnly);
    viewMenu_->addSeparator();  // the section items follow, added with their pages

    QMenu* help = bar->addMenu(tr("&Help"));
    connect(addItem(help, "About1", tr("&About")), &QAction::triggered, this,
            [this] { aboutBox_->exec(); });

    // F10 opens the first menu, as on most desktops; Alt and a letter open the others.
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("MenuBarKey"));
    menuKey->setShortcut(Qt::Key_F10);
    connect(menuKey, &QAction::triggered, bar,
            [bar] { bar->setActiveAction(bar->actions().value(0)); });
    addAction(menuKey);
}

void MainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    const int widths[] = {150, 500, 50};
    for (int i = 0; i < 3; ++i) {
        statusPanels_[i] = new QLabel(bar);
        statusPanels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        statusPanels_[i]->setFixedWidth(widths[i]);
        statusPanels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(statusPanels_[i]);
    }
    // A message about the last file or command ("opened successfully!") is stale after the next
    // command; commands that report something say it after they are pushed. The panel is the
    // connection's context: the history clears itself as the window goes, after the panel.
    QLabel* message = statusPanels_[1];
    connect(&document_->undoStack(), &QUndoStack::indexChanged, message,
            [message] { message->setText(QStringLiteral(" ")); });
    statusPanels_[0]->setText(kWindowTitle);
    // The title needs more than its 150 pixels in some fonts; it is shown whole.
    statusPanels_[0]->setFixedWidth(std::max(widths[0], statusPanels_[0]->sizeHint().width()));
    // The progress bar lies over panel 1 while a file is read or written.
    progressBar_ = new QProgressBar(bar);
    progressBar_->setObjectName(QStringLiteral("StatusProgressBar"));
    progressBar_->setTextVisible(false);
    progressBar_->hide();
    progress_ = std::make_unique<StatusProgress>(progressBar_, statusPanels_[1]);
}

void MainWindow::createHeaderPanel() {
    auto* panel = new QGroupBox(tr("Header Information"), this);
    panel->setObjectName(QStringLiteral("GroupBox2"));
    auto* layout = new QHBoxLayout(panel);
    auto* labels = new QWidget(panel);
    auto* labelLayout = new QVBoxLayout(labels);
    labelLayout->addWidget(new QLabel(tr("Section #:"), labels));
    labelLayout->addWidget(new QLabel(tr("Records count:"), labels));
    layout->addWidget(labels);
    headerGrid_ = new QTableWidget(2, kSectionCount, panel);
    headerGrid_->setObjectName(QStringLiteral("StringGrid1"));
    headerGrid_->horizontalHeader()->hide();
    headerGrid_->verticalHeader()->hide();
    headerGrid_->horizontalHeader()->setDefaultSectionSize(37);
    headerGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    headerGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    headerGrid_->setEnabled(false);
    QFont bold = headerGrid_->font();
    bold.setBold(true);
    for (int c = 0; c < kSectionCount; ++c) {
        headerGrid_->setItem(0, c, new QTableWidgetItem(QString::number(c)));
        auto* count = new QTableWidgetItem();
        count->setFont(bold);
        headerGrid_->setItem(1, c, count);
    }
    layout->addWidget(headerGrid_);
    // Nothing shows this panel; it only mirrors the header of the last file read or written.
    panel->hide();
}

void MainWindow::showHeaderCounts() {
    for (int c = 0; c < kSectionCount; ++c) {
        headerGrid_->item(0, c)->setText(QString::number(c));
        headerGrid_->item(1, c)->setText(QString::number(document().headerCounts[c]));
    }
}

}  // namespace varn

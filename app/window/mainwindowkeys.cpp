// The Edit menu's items for the rows of the tab in front, with their keys; the recent files,
// export and import of the File menu.

#include "mainwindow.h"

#include "clipboardcommands.h"
#include "filterbar.h"
#include "interchangecommands.h"
#include "rowcommands.h"
#include "userprompts.h"
#include "sectionpages.h"
#include "standardkeys.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include "wrappingtabwidget.h"
#include <QTableView>

namespace varn {
namespace {

QAction* addKeyedItem(QMenu* menu, const char* name, const QString& text,
                      const QList<QKeySequence>& keys) {
    QAction* item = menu->addAction(text);
    item->setObjectName(QLatin1String(name));
    item->setShortcuts(keys);
    return item;
}

}  // namespace

void MainWindow::reportDone(const QString& message) {
    // Nothing done (a failure, a cancel) leaves no earlier success standing.
    setStatusMessage(message.isEmpty() ? QStringLiteral(" ") : message);
}

int MainWindow::currentSection() const {
    for (const SectionPage& page : pages_->pages())
        if (page.tab == tabs_->currentWidget()) return page.section;
    return 0;
}

void MainWindow::addRowItems(QMenu* edit) {
    const QKeySequence duplicateKey(Qt::CTRL | Qt::Key_D);
    connect(addKeyedItem(edit, "Copy1", tr("&Copy"),
                         standardKeys(QKeySequence::Copy, QKeySequence(Qt::CTRL | Qt::Key_C))),
            &QAction::triggered, this, [this] {
                const int rows = clipboard_->copyRows(currentSection());
                if (rows > 0) setStatusMessage(tr("%1 rows copied.").arg(rows));
            });
    connect(addKeyedItem(edit, "Paste1", tr("&Paste"),
                         standardKeys(QKeySequence::Paste, QKeySequence(Qt::CTRL | Qt::Key_V))),
            &QAction::triggered, this, [this] {
                const int rows = clipboard_->pasteRows(currentSection());
                if (rows > 0) setStatusMessage(tr("%1 rows pasted.").arg(rows));
            });
    QAction* selectAll = addKeyedItem(edit, "SelectAll1", tr("Select &All"),
                                      standardKeys(QKeySequence::SelectAll, QKeySequence(Qt::CTRL | Qt::Key_A)));
    connect(selectAll, &QAction::triggered, this,
            [this] { pages_->page(currentSection()).view->selectAll(); });
    connect(addKeyedItem(edit, "Find1", tr("&Find"),
                         standardKeys(QKeySequence::Find, QKeySequence(Qt::CTRL | Qt::Key_F))),
            &QAction::triggered, this,
            [this] { pages_->page(currentSection()).filterBar->activate(); });
    edit->addSeparator();
    // Enter edits too, but only in a table (RowCommands): elsewhere it belongs to the field.
    connect(addKeyedItem(edit, "EditRow1", tr("&Edit Item"), {Qt::Key_F2}),
            &QAction::triggered, this, [this] { rowCommands_->openRowEditor(currentSection()); });
    connect(addKeyedItem(edit, "AddRow1", tr("Add &Item"), {Qt::Key_Insert}),
            &QAction::triggered, this, [this] { rowCommands_->addDefaultRow(currentSection()); });
    connect(addKeyedItem(edit, "DeleteRows1", tr("&Delete Item"),
                         standardKeys(QKeySequence::Delete, QKeySequence(Qt::Key_Delete), {},
                                      {duplicateKey})),
            &QAction::triggered, this, [this] { rowCommands_->deleteSelectedRows(currentSection()); });
    connect(addKeyedItem(edit, "DuplicateRows1", tr("Duplica&te Rows"), {duplicateKey}),
            &QAction::triggered, this, [this] { rowCommands_->duplicateSelectedRows(currentSection()); });
    connect(addKeyedItem(edit, "GoToRow1", tr("&Go to Row..."),
                         {QKeySequence(Qt::CTRL | Qt::Key_G)}),
            &QAction::triggered, this, [this] { rowCommands_->goToRow(currentSection()); });
}

void MainWindow::addInterchangeItems(QMenu* file) {
    connect(addKeyedItem(file, "Export1", tr("&Export"), {}), &QAction::triggered, this,
            [this] { reportDone(interchange_->exportFile(currentSection())); });
    connect(addKeyedItem(file, "ImportCsv1", tr("&Import CSV into Section..."), {}),
            &QAction::triggered, this,
            [this] { reportDone(interchange_->importCsv(currentSection())); });
}

void MainWindow::addRecentFilesMenu(QMenu* file) {
    QMenu* recent = file->addMenu(tr("&Recent Files"));
    recent->menuAction()->setObjectName(QStringLiteral("RecentFiles1"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecentFilesMenu(recent); });
}

void MainWindow::fillRecentFilesMenu(QMenu* menu) {
    menu->clear();
    const QStringList paths = recentFiles_.paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QAction* item = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        connect(item, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
    if (paths.isEmpty()) menu->addAction(tr("(none)"))->setEnabled(false);
}

void MainWindow::openRecentFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        QString error;
        if (!recentFiles_.remove(path, error)) showError(error);
        prompts_.showNotice(this, tr("\"%1\" no longer exists; it was taken off the "
                                     "recent files.")
                                      .arg(path));
        return;
    }
    openPath(path);
}

void MainWindow::rememberFile(const QString& path) {
    QString error;
    if (!recentFiles_.add(path, error)) showError(error);
}

}  // namespace varn

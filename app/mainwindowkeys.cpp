// The Edit menu's items for the rows of the tab in front, with their keys.

#include "mainwindow.h"

#include "rowcommands.h"
#include "sectionpages.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
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

int MainWindow::currentSection() const {
    for (const SectionPage& page : pages_->pages())
        if (page.tab == tabs_->currentWidget()) return page.section;
    return 0;
}

void MainWindow::addRowItems(QMenu* edit) {
    auto onRows = [this](void (RowCommands::*command)(int)) {
        return [this, command] { (rowCommands_->*command)(currentSection()); };
    };
    QAction* selectAll = addKeyedItem(edit, "SelectAll1", QStringLiteral("Select All"),
                                      QKeySequence::keyBindings(QKeySequence::SelectAll));
    connect(selectAll, &QAction::triggered, this,
            [this] { pages_->page(currentSection()).view->selectAll(); });
    edit->addSeparator();
    connect(addKeyedItem(edit, "EditRow1", QStringLiteral("Edit Item"),
                         {Qt::Key_F2, Qt::Key_Return, Qt::Key_Enter}),
            &QAction::triggered, this, onRows(&RowCommands::openRowEditor));
    connect(addKeyedItem(edit, "AddRow1", QStringLiteral("Add Item"), {Qt::Key_Insert}),
            &QAction::triggered, this, onRows(&RowCommands::addDefaultRow));
    connect(addKeyedItem(edit, "DeleteRows1", QStringLiteral("Delete Item"),
                         QKeySequence::keyBindings(QKeySequence::Delete)),
            &QAction::triggered, this, onRows(&RowCommands::deleteSelectedRows));
    connect(addKeyedItem(edit, "DuplicateRows1", QStringLiteral("Duplicate Rows"),
                         {QKeySequence(Qt::CTRL | Qt::Key_D)}),
            &QAction::triggered, this, onRows(&RowCommands::duplicateSelectedRows));
    connect(addKeyedItem(edit, "GoToRow1", QStringLiteral("Go to Row..."),
                         {QKeySequence(Qt::CTRL | Qt::Key_G)}),
            &QAction::triggered, this, onRows(&RowCommands::goToRow));
}

}  // namespace varn

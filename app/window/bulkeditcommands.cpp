#include "bulkeditcommands.h"

#include "bulkeditmessages.h"
#include "changecolumndialog.h"
#include "clipboardcommands.h"
#include "mappanel.h"
#include "moverotatedialog.h"
#include "placementdocument.h"
#include "rowchangecommand.h"
#include "sectionpages.h"
#include "settingsfile.h"
#include "settingskeys.h"
#include "standardkeys.h"
#include "userprompts.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>

namespace varn {
namespace {

namespace keys = settingskeys;

QAction* namedItem(QMenu* menu, const char* name) {
    for (QAction* item : menu->actions())
        if (item->objectName() == QLatin1String(name)) return item;
    return nullptr;
}

// Before the item of that name, or at the end of the menu without one.
void insertBefore(QMenu* menu, QAction* item, const char* name) {
    menu->insertAction(namedItem(menu, name), item);
}

void insertAfter(QMenu* menu, QAction* item, const char* name) {
    const QList<QAction*> items = menu->actions();
    const qsizetype at = items.indexOf(namedItem(menu, name));
    menu->insertAction(at >= 0 ? items.value(at + 1) : nullptr, item);
}

QString rowsChangedText(int rows) {
    return rows == 1 ? BulkEditCommands::tr("1 row changed.")
                     : BulkEditCommands::tr("%1 rows changed.").arg(rows);
}

}  // namespace

BulkEditCommands::BulkEditCommands(Window window)
    : QObject(window.window), window_(std::move(window)) {
    storage_ = window_.settings.readBool(keys::kGeneralSection, keys::kInverseOrientations, false)
                   ? OrientationStorage::Inverse
                   : OrientationStorage::AsStored;
    addItems();
    if (auto* map = window_.window->findChild<MapPanel*>(QStringLiteral("MapPanel"))) {
        map->setOrientationStorage(storage_);
        connect(map, &MapPanel::rowsDragged, this, &BulkEditCommands::moveRows);
    }
}

void BulkEditCommands::addItems() {
    QMenu* edit = window_.editMenu;
    auto* cut = new QAction(tr("Cut"), edit);
    cut->setObjectName(QStringLiteral("Cut1"));
    cut->setShortcuts(standardKeys(QKeySequence::Cut, QKeySequence(Qt::CTRL | Qt::Key_X)));
    insertBefore(edit, cut, "Copy1");
    connect(cut, &QAction::triggered, this, [this] { cutRows(window_.currentSection()); });

    auto* sort = new QAction(tr("Sort by Current Column"), edit);
    sort->setObjectName(QStringLiteral("SortRows1"));
    insertAfter(edit, sort, "Find1");
    connect(sort, &QAction::triggered, this,
            [this] { sortByCurrentColumn(window_.currentSection()); });

    auto* moveRotate = new QAction(tr("Move and Rotate..."), edit);
    moveRotate->setObjectName(QStringLiteral("MoveRotate1"));
    insertAfter(edit, moveRotate, "GoToRow1");
    connect(moveRotate, &QAction::triggered, this,
            [this] { moveAndRotate(window_.currentSection()); });
    auto* changeColumn = new QAction(tr("Change Column..."), edit);
    changeColumn->setObjectName(QStringLiteral("ChangeColumn1"));
    changeColumn->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    insertBefore(edit, changeColumn, "MoveRotate1");
    connect(changeColumn, &QAction::triggered, this,
            [this] { this->changeColumn(window_.currentSection()); });
}

std::vector<int> BulkEditCommands::rowsToChange(int section) const {
    std::vector<int> rows = window_.pages.page(section).selectedRows();
    if (rows.empty()) window_.showMessage(tr("Select the rows to change first."));
    return rows;
}

void BulkEditCommands::cutRows(int section) {
    const int rows = window_.clipboard.cutRows(section);
    if (rows > 0) window_.showMessage(tr("%1 rows cut.").arg(rows));
}

void BulkEditCommands::changeColumn(int section) {
    SectionPage& page = window_.pages.page(section);
    std::vector<int> rows = rowsToChange(section);
    if (rows.empty()) return;
    ChangeColumnDialog dialog(*page.model, std::move(rows), page.selectedRow(),
                              page.view->currentIndex().column(), window_.window);
    if (dialog.exec() != QDialog::Accepted) return;
    RowChange change = dialog.takeChange();
    const int count = change.rowCount();
    if (count > 0) {
        const QString text = changeColumnText(dialog.columnCaption(), change, section);
        window_.document.push(
            new RowChangeCommand(window_.document, section, std::move(change), text));
    }
    window_.showMessage(rowsChangedText(count));
}

void BulkEditCommands::moveAndRotate(int section) {
    if (!canMoveSection(section)) {
        window_.prompts.showError(window_.window, messages::notMovableSection(section));
        return;
    }
    SectionPage& page = window_.pages.page(section);
    std::vector<int> rows = rowsToChange(section);
    if (rows.empty()) return;
    MoveRotateDialog dialog(page.model->table(), std::move(rows), page.selectedRow(), storage_,
                            window_.window);
    connect(&dialog, &MoveRotateDialog::storageChosen, this,
            &BulkEditCommands::setOrientationStorage);
    if (dialog.exec() != QDialog::Accepted) return;
    RowChange change = dialog.takeChange();
    const int count = change.rowCount();
    if (count > 0) {
        const QString text = transformText(dialog.moves(), dialog.turns(), change, section);
        window_.document.push(
            new RowChangeCommand(window_.document, section, std::move(change), text));
    }
    window_.showMessage(rowsChangedText(count));
}

void BulkEditCommands::moveRows(int section, const QList<int>& rows, double dx, double dy) {
    const std::vector<int> moved(rows.begin(), rows.end());
    RowChange change;
    QString error;
    if (!planTransform(window_.pages.page(section).model->table(), moved, {.dx = dx, .dy = dy},
                       change, error)) {
        window_.prompts.showError(window_.window, error);
        return;
    }
    if (change.isEmpty()) return;
    const int count = change.rowCount();
    const QString text = transformText(true, false, change, section);
    window_.document.push(new RowChangeCommand(window_.document, section, std::move(change), text));
    window_.showMessage(rowsChangedText(count));
}

// As a click on the caption: ascending, descending, file order.
void BulkEditCommands::sortByCurrentColumn(int section) {
    const SectionPage& page = window_.pages.page(section);
    const int column = page.view->currentIndex().column();
    if (column < 0) return;
    QHeaderView* header = page.view->horizontalHeader();
    if (header->sortIndicatorSection() != column) {
        header->setSortIndicator(column, Qt::AscendingOrder);
    } else if (header->sortIndicatorOrder() == Qt::AscendingOrder) {
        header->setSortIndicator(column, Qt::DescendingOrder);
    } else {
        header->setSortIndicator(-1, Qt::AscendingOrder);
    }
}

OrientationStorage BulkEditCommands::orientationStorage() const {
    return storage_;
}

void BulkEditCommands::setOrientationStorage(OrientationStorage storage) {
    storage_ = storage;
    if (auto* map = window_.window->findChild<MapPanel*>(QStringLiteral("MapPanel")))
        map->setOrientationStorage(storage_);
    QString error;
    if (!window_.settings.writeBool(keys::kGeneralSection, keys::kInverseOrientations,
                                    storage == OrientationStorage::Inverse, error))
        window_.prompts.showError(window_.window, error);
}

}  // namespace varn

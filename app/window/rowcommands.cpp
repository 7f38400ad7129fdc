#include "rowcommands.h"

#include "addrowcommand.h"
#include "deleterowscommand.h"
#include "editrowcommand.h"
#include "insertrowscommand.h"
#include "itemeditor.h"
#include "placementdocument.h"
#include "sectionmodel.h"
#include "sectionnames.h"
#include "sectionpages.h"
#include "userprompts.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QShortcut>
#include <QTableView>

#include <algorithm>
#include <numeric>

namespace varn {

RowCommands::RowCommands(PlacementDocument& document, SectionPages& pages, UserPrompts& prompts,
                         QWidget* window)
    : QObject(window), document_(document), pages_(pages), prompts_(prompts), window_(window) {
    for (const SectionNames& names : kSectionNames)
        attach(pages_.page(names.section), names);
}

RowCommands::~RowCommands() = default;

void RowCommands::attach(SectionPage& page, const SectionNames& names) {
    const int section = page.section;
    Menu m;
    m.menu = new QMenu(window_);
    m.menu->setObjectName(QLatin1String(names.contextMenu));
    m.edit = m.menu->addAction(QIcon(QStringLiteral(":/art/menu-edit.png")), tr("Edit Item"));
    m.menu->addSeparator();
    m.add = m.menu->addAction(QIcon(QStringLiteral(":/art/menu-add.png")), tr("Add Item"));
    m.remove = m.menu->addAction(QIcon(QStringLiteral(":/art/menu-delete.png")), tr("Delete Item"));
    m.edit->setObjectName(QLatin1String(names.editItem));
    m.add->setObjectName(QLatin1String(names.addItem));
    m.remove->setObjectName(QLatin1String(names.deleteItem));
    connect(m.edit, &QAction::triggered, this, [this, section] { openRowEditor(section); });
    connect(m.add, &QAction::triggered, this, [this, section] { addDefaultRow(section); });
    connect(m.remove, &QAction::triggered, this, [this, section] { deleteSelectedRows(section); });
    connect(page.view, &QTableView::customContextMenuRequested, this,
            [this, section] { showContextMenu(section); });
    // Enter in the table edits the selected row; in any other control it stays that control's.
    for (const QKeySequence key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* edit = new QShortcut(key, page.view, nullptr, nullptr, Qt::WidgetShortcut);
        connect(edit, &QShortcut::activated, this, [this, section] { openRowEditor(section); });
    }
    // A double-click anywhere in the list edits the selected row, also below the last row.
    page.view->viewport()->installEventFilter(this);
    page.view->viewport()->setProperty("varnSection", section);
    menus_[section] = m;
}

bool RowCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        const QVariant section = watched->property("varnSection");
        if (section.isValid()) {
            openRowEditor(section.toInt());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void RowCommands::setEditors(std::map<int, std::unique_ptr<ItemEditor>> editors) {
    editors_ = std::move(editors);
}

ItemEditor* RowCommands::editor(int section) const {
    const auto found = editors_.find(section);
    return found == editors_.end() ? nullptr : found->second.get();
}

QMenu* RowCommands::contextMenu(int section) const {
    return menus_.at(section).menu;
}

void RowCommands::showContextMenu(int section) {
    const Menu& m = menus_.at(section);
    const bool selected = pages_.page(section).selectedRow() >= 0;
    m.edit->setEnabled(selected);
    m.remove->setEnabled(selected);
    m.add->setEnabled(true);
    m.menu->popup(QCursor::pos() + QPoint(15, 0));
}

bool RowCommands::runEditor(ItemEditor& editor, int section, int row) {
    const SectionTable& table = document_.model(section).table();
    editor.openRow(row, table.rowTexts(row), table.context().separator);
    return editor.exec() == QDialog::Accepted;
}

void RowCommands::openRowEditor(int section) {
    const int row = pages_.page(section).selectedRow();
    ItemEditor* dialog = editor(section);
    if (row < 0 || !dialog || !runEditor(*dialog, section, row)) return;
    const SectionTable& table = document_.model(section).table();
    const RowWrites& writes = dialog->confirmedWrites();
    // OK on texts as they were changes nothing: no command, no changed mark. (Written back, a
    // float's shown text would even round the stored value.)
    if (std::all_of(writes.begin(), writes.end(), [&](const CellWrite& write) {
            return table.cellText(row, write.cell) == write.text;
        }))
        return;
    document_.push(new EditRowCommand(document_, section, row, writes));
}

void RowCommands::addDefaultRow(int section) {
    ItemEditor* dialog = editor(section);
    if (!dialog) return;
    auto command = std::make_unique<AddRowCommand>(document_, section);
    pages_.page(section).selectRow(command->row());
    if (!runEditor(*dialog, section, command->row())) {
        command->withdraw();
        return;
    }
    command->confirm(dialog->confirmedWrites());
    document_.push(command.release());
}

void RowCommands::deleteSelectedRows(int section) {
    SectionPage& page = pages_.page(section);
    std::vector<int> rows = page.selectedRows();
    if (rows.empty()) return;
    const int first = rows.front();
    document_.push(new DeleteRowsCommand(document_, section, std::move(rows)));
    // The row that took the place of the first deleted one is next, for a run of deletes.
    if (first < page.model->rowCount() && page.filter->rowOf(first) >= 0) page.selectRow(first);
}

void RowCommands::duplicateSelectedRows(int section) {
    SectionPage& page = pages_.page(section);
    const std::vector<int> rows = page.selectedRows();
    if (rows.empty()) return;
    std::vector<int> positions(rows.size());
    std::iota(positions.begin(), positions.end(), rows.back() + 1);
    const QString text = rows.size() == 1 ? tr("Duplicate Row %1 of Section %2").arg(rows.front())
                                          : tr("Duplicate %1 Rows of Section %2").arg(rows.size());
    document_.push(new InsertRowsCommand(document_, section, positions,
                                         page.model->table().copyRows(rows),
                                         text.arg(section)));
    page.selectRows(positions);
}

void RowCommands::goToRow(int section) {
    SectionPage& page = pages_.page(section);
    const int count = page.model->rowCount();
    if (count == 0) return;
    const int row = prompts_.askRowNumber(window_, std::max(0, page.selectedRow()), count - 1);
    if (row >= count) {
        prompts_.showNotice(
            window_, tr("There is no row %1: the rows are 0 to %2.").arg(row).arg(count - 1));
        return;
    }
    if (row >= 0) page.selectRow(row);
}

}  // namespace varn

#include "rowcommands.h"

#include "addrowcommand.h"
#include "deleterowscommand.h"
#include "editrowcommand.h"
#include "itemeditor.h"
#include "placementdocument.h"
#include "sectionmodel.h"
#include "sectionnames.h"
#include "sectionpages.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QTableView>

namespace varn {

RowCommands::RowCommands(PlacementDocument& document, SectionPages& pages, QWidget* window)
    : QObject(window), document_(document), pages_(pages), window_(window) {
    for (const SectionNames& names : kSectionNames)
        attach(pages_.page(names.section), names);
}

RowCommands::~RowCommands() = default;

void RowCommands::attach(SectionPage& page, const SectionNames& names) {
    const int section = page.section;
    Menu m;
    m.menu = new QMenu(window_);
    m.menu->setObjectName(QLatin1String(names.contextMenu));
    m.edit = m.menu->addAction(QIcon(QStringLiteral(":/art/menu-edit.png")),
                               QStringLiteral("Edit Item"));
    m.menu->addSeparator();
    m.add =
        m.menu->addAction(QIcon(QStringLiteral(":/art/menu-add.png")), QStringLiteral("Add Item"));
    m.remove = m.menu->addAction(QIcon(QStringLiteral(":/art/menu-delete.png")),
                                 QStringLiteral("Delete Item"));
    m.edit->setObjectName(QLatin1String(names.editItem));
    m.add->setObjectName(QLatin1String(names.addItem));
    m.remove->setObjectName(QLatin1String(names.deleteItem));
    connect(m.edit, &QAction::triggered, this, [this, section] { openRowEditor(section); });
    connect(m.add, &QAction::triggered, this, [this, section] { addDefaultRow(section); });
    connect(m.remove, &QAction::triggered, this, [this, section] { deleteSelectedRow(section); });
    connect(page.view, &QTableView::customContextMenuRequested, this,
            [this, section] { showContextMenu(section); });
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
    document_.push(new EditRowCommand(document_, section, row, dialog->confirmedWrites()));
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

void RowCommands::deleteSelectedRow(int section) {
    const int row = pages_.page(section).selectedRow();
    if (row < 0) return;
    document_.push(new DeleteRowsCommand(document_, section, {row}));
}

}  // namespace varn

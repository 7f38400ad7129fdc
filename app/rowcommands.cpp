#include "rowcommands.h"

#include "itemeditor.h"
#include "sectionnames.h"
#include "sectionpages.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QTableView>

namespace varn {

RowCommands::RowCommands(SectionPages& pages, QWidget* window)
    : QObject(window), pages_(pages), window_(window) {
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
    connect(page.view, &QTableView::doubleClicked, this,
            [this, section] { openRowEditor(section); });
    menus_[section] = m;
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

void RowCommands::openRowEditor(int section) {
    SectionPage& page = pages_.page(section);
    const int row = page.selectedRow();
    ItemEditor* dialog = editor(section);
    if (row < 0 || !dialog) return;
    dialog->openRow(page.model->table(), row);
    dialog->exec();
    page.model->rowEdited(row);
    pages_.refreshSectionTab(section);
}

void RowCommands::addDefaultRow(int section) {
    SectionPage& page = pages_.page(section);
    const int row = page.model->appendDefaultRow();
    page.model->table().setState(TableState::Changed);
    page.selectRow(row);
    pages_.refreshSectionTab(section);
    openRowEditor(section);
    pages_.refreshSectionTab(section);
}

void RowCommands::deleteSelectedRow(int section) {
    SectionPage& page = pages_.page(section);
    const int row = page.selectedRow();
    if (row < 0) return;
    page.model->table().setState(TableState::Changed);
    page.model->removeRow(row);
    pages_.refreshSectionTab(section);
}

}  // namespace varn

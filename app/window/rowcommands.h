#pragma once

#include <QObject>

#include <map>
#include <memory>

class QAction;
class QMenu;
class QWidget;

namespace varn {

class ItemEditor;
class PlacementDocument;
class UserPrompts;
class SectionPages;
struct SectionPage;
struct SectionNames;

// Adding, editing and deleting rows from each list's context menu and by double-click. Each
// confirmed change is one command in the document's history.
class RowCommands : public QObject {
    Q_OBJECT
public:
    RowCommands(PlacementDocument& document, SectionPages& pages, UserPrompts& prompts,
                QWidget* window);
    ~RowCommands() override;

    void setEditors(std::map<int, std::unique_ptr<ItemEditor>> editors);
    [[nodiscard]] ItemEditor* editor(int section) const;
    [[nodiscard]] QMenu* contextMenu(int section) const;

    // Appends a row of default texts, selects it and opens the section's editor on it; OK keeps
    // the row as one step of the history, Cancel takes it out again and leaves no trace.
    void addDefaultRow(int section);
    // Removes the selected rows in one step; the rows after them are renumbered.
    void deleteSelectedRows(int section);
    // Copies of the selected rows go in below the last of them, in one step, and are selected.
    void duplicateSelectedRows(int section);
    // Asks for a row number and selects that row.
    void goToRow(int section);
    // Opens the section's editor on the selected row, when there is one; OK is one step.
    void openRowEditor(int section);
    // Enables the items for the current selection and pops the menu up beside the pointer.
    void showContextMenu(int section);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Menu {
        QMenu* menu = nullptr;
        QAction* edit = nullptr;
        QAction* add = nullptr;
        QAction* remove = nullptr;
    };
    void attach(SectionPage& page, const SectionNames& names);
    // Fills the editor from the row and shows it; true when OK closed it.
    bool runEditor(ItemEditor& editor, int section, int row);

    PlacementDocument& document_;
    SectionPages& pages_;
    UserPrompts& prompts_;
    QWidget* window_;
    std::map<int, Menu> menus_;
    std::map<int, std::unique_ptr<ItemEditor>> editors_;
};

}  // namespace varn

#pragma once

#include <QObject>

class QWidget;

namespace varn {

class PlacementDocument;
class SectionPages;
class UserPrompts;

// Copy and Paste of whole rows through the system clipboard, as tab-separated lines: between
// two running editors, and to and from a spreadsheet.
class ClipboardCommands : public QObject {
    Q_OBJECT
public:
    ClipboardCommands(PlacementDocument& document, SectionPages& pages, UserPrompts& prompts,
                      QWidget* window);

    // The selected rows, the cells as the table shows them plus the hidden cells that rebuild
    // them. Returns how many rows were copied.
    int copyRows(int section);
    // The clipboard's rows below the selected row (at the end without one), as one step; every
    // cell passes the editors' tests first, or nothing is pasted and a message says why.
    // Returns how many rows were pasted.
    int pasteRows(int section);
    // Copies the selected rows, then deletes them as one step. Returns how many rows were cut.
    int cutRows(int section);

private:
    PlacementDocument& document_;
    SectionPages& pages_;
    UserPrompts& prompts_;
    QWidget* window_;
};

}  // namespace varn

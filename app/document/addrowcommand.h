#pragma once

#include "cellwrites.h"
#include "sectioncommand.h"

namespace varn {

// Add Item: a row of default texts at the end of the section, with the texts its editor
// confirmed. The row goes in before the editor opens, so the editor shows it; a cancelled
// editor takes it out again (withdraw) and the command never reaches the history.
class AddRowCommand : public SectionCommand {
public:
    AddRowCommand(PlacementDocument& document, int section);
    [[nodiscard]] int row() const { return row_; }

    // The editor's confirmed texts; pushing the command then keeps the row as it stands.
    void confirm(const RowWrites& writes);
    void withdraw();

    void redo() override;
    void undo() override;

private:
    int row_;
    RowWrites writes_;
    bool applied_ = false;  // the row stands in the table now
};

}  // namespace varn

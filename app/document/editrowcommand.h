#pragma once

#include "cellwrites.h"
#include "sectioncommand.h"

namespace varn {

// An editor's OK: new texts for some cells of one row. Keeps only the texts it replaced.
class EditRowCommand : public SectionCommand {
public:
    EditRowCommand(PlacementDocument& document, int section, int row, RowWrites writes);
    void redo() override;
    void undo() override;

private:
    int row_;
    RowWrites writes_;
    RowWrites replaced_;
};

}  // namespace varn

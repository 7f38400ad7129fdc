#pragma once

#include "sectioncommand.h"
#include "sectiontable.h"

namespace varn {

// Rows read from a CSV file go into a section as one step: after its own rows (append), or in
// place of them (replace), whose records and texts the step keeps for its undo.
class ImportRowsCommand : public SectionCommand {
public:
    enum class Mode { Append, Replace };
    ImportRowsCommand(PlacementDocument& document, int section, RowBlock rows, Mode mode);
    void redo() override;
    void undo() override;

private:
    Mode mode_;
    int first_;  // where the imported rows stand
    int count_;
    RowBlock imported_;
    RowBlock replaced_;
};

}  // namespace varn

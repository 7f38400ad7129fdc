#pragma once

#include "sectioncommand.h"
#include "sectiontable.h"

#include <vector>

namespace varn {

// Delete Item: rows leave the section together with their side cells; the rows after them
// move up. Keeps only the deleted rows' records and edited texts for its undo.
class DeleteRowsCommand : public SectionCommand {
public:
    // rows ascending, each once. The history names the step text, "Delete ..." without one.
    DeleteRowsCommand(PlacementDocument& document, int section, std::vector<int> rows,
                      const QString& text = {});
    void redo() override;
    void undo() override;

private:
    std::vector<int> rows_;
    RowBlock taken_;
};

}  // namespace varn

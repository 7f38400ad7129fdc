#pragma once

#include "sectioncommand.h"
#include "sectiontable.h"

#include <vector>

namespace varn {

// Rows that come in together: pasted, duplicated or imported. They stand at the given
// positions (ascending) once they are in; undo takes them out again.
class InsertRowsCommand : public SectionCommand {
public:
    InsertRowsCommand(PlacementDocument& document, int section, std::vector<int> positions,
                      RowBlock rows, const QString& text);
    [[nodiscard]] const std::vector<int>& positions() const { return positions_; }
    void redo() override;
    void undo() override;

private:
    std::vector<int> positions_;
    RowBlock rows_;
};

}  // namespace varn

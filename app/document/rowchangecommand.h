#pragma once

#include "rowchange.h"
#include "sectioncommand.h"

#include <QString>

namespace varn {

// A bulk edit of many rows at once (Change Column, Move and Rotate, a drag on the map): the
// rows' new contents, planned and checked before the command exists, exchanged with the rows'
// own in redo and back in undo. Nothing is copied after the plan.
class RowChangeCommand : public SectionCommand {
public:
    RowChangeCommand(PlacementDocument& document, int section, RowChange change,
                     const QString& text);
    [[nodiscard]] int rowCount() const { return change_.rowCount(); }
    void redo() override;
    void undo() override;

private:
    RowChange change_;
};

// "Change Pos Z of 312 Rows of Section 0", "Change LOD of Row 4 of Section 0".
[[nodiscard]] QString changeColumnText(const QString& caption, const RowChange& change,
                                       int section);
// "Move 12 Rows of Section 0", "Rotate Row 3 of Section 0", "Move and Rotate 2 Rows of ...".
[[nodiscard]] QString transformText(bool moves, bool turns, const RowChange& change, int section);

}  // namespace varn

#include "insertrowscommand.h"

#include "sectionmodel.h"

namespace varn {

InsertRowsCommand::InsertRowsCommand(PlacementDocument& document, int section,
                                     std::vector<int> positions, RowBlock rows,
                                     const QString& text)
    : SectionCommand(document, section, text),
      positions_(std::move(positions)),
      rows_(std::move(rows)) {}

void InsertRowsCommand::redo() {
    model().insertRows(positions_, std::move(rows_));
    rows_ = {};
}

void InsertRowsCommand::undo() {
    rows_ = model().takeRows(positions_);
}

}  // namespace varn

#include "editrowcommand.h"

#include "sectionmodel.h"

#include <QCoreApplication>

namespace varn {

EditRowCommand::EditRowCommand(PlacementDocument& document, int section, int row, RowWrites writes)
    : SectionCommand(document, section,
                     QCoreApplication::translate("varn::History", "Edit Row %1 of Section %2")
                         .arg(row)
                         .arg(section)),
      row_(row),
      writes_(std::move(writes)) {}

void EditRowCommand::redo() {
    replaced_ = model().applyWrites(row_, writes_);
}

void EditRowCommand::undo() {
    (void)model().applyWrites(row_, replaced_);
    replaced_.clear();
}

}  // namespace varn

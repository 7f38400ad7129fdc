#include "addrowcommand.h"

#include "sectionmodel.h"

#include <QCoreApplication>

namespace varn {

AddRowCommand::AddRowCommand(PlacementDocument& document, int section)
    : SectionCommand(document, section, QString()), row_(model().rowCount()) {
    setText(QCoreApplication::translate("varn::History", "Add Row %1 of Section %2")
                .arg(row_)
                .arg(section));
    writes_ = defaultRowWrites(model().table().layout(), model().table().context().separator);
    redo();
}

void AddRowCommand::confirm(const RowWrites& writes) {
    (void)model().applyWrites(row_, writes);
    writes_.insert(writes_.end(), writes.begin(), writes.end());
}

void AddRowCommand::withdraw() {
    undo();
}

void AddRowCommand::redo() {
    if (applied_) return;  // pushed right after the editor: the row is already in
    model().insertRows({row_}, model().table().zeroRows(1));
    (void)model().applyWrites(row_, writes_);
    applied_ = true;
}

void AddRowCommand::undo() {
    (void)model().takeRows({row_});
    applied_ = false;
}

}  // namespace varn

#include "importrowscommand.h"

#include "rowblock.h"
#include "sectionmodel.h"

#include <QCoreApplication>

namespace varn {
namespace {

QString importText(int count, int section, ImportRowsCommand::Mode mode) {
    const QString rows = count == 1
                             ? QCoreApplication::translate("varn::History", "1 Row")
                             : QCoreApplication::translate("varn::History", "%1 Rows").arg(count);
    return mode == ImportRowsCommand::Mode::Replace
               ? QCoreApplication::translate("varn::History", "Import %1 in Place of Section %2")
                     .arg(rows)
                     .arg(section)
               : QCoreApplication::translate("varn::History", "Import %1 into Section %2")
                     .arg(rows)
                     .arg(section);
}

}  // namespace

ImportRowsCommand::ImportRowsCommand(PlacementDocument& document, int section, RowBlock rows,
                                     Mode mode)
    : SectionCommand(document, section, importText(rows.count, section, mode)),
      mode_(mode),
      first_(mode == Mode::Replace ? 0 : model().rowCount()),
      count_(rows.count),
      imported_(std::move(rows)) {}

void ImportRowsCommand::redo() {
    if (mode_ == Mode::Replace)
        replaced_ = model().takeRows(consecutiveRows(0, model().rowCount()));
    model().insertRows(consecutiveRows(first_, count_), std::move(imported_));
    imported_ = {};
}

void ImportRowsCommand::undo() {
    imported_ = model().takeRows(consecutiveRows(first_, count_));
    if (mode_ == Mode::Replace) {
        model().insertRows(consecutiveRows(0, replaced_.count), std::move(replaced_));
        replaced_ = {};
    }
}

}  // namespace varn

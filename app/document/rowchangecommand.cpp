#include "rowchangecommand.h"

#include "sectionmodel.h"

#include <QCoreApplication>

namespace varn {
namespace {

// "Row 4" or "312 Rows", for the history's texts.
QString rowsText(const RowChange& change) {
    return change.rowCount() == 1
               ? QCoreApplication::translate("varn::History", "Row %1").arg(change.rows.front())
               : QCoreApplication::translate("varn::History", "%1 Rows").arg(change.rowCount());
}

}  // namespace

RowChangeCommand::RowChangeCommand(PlacementDocument& document, int section, RowChange change,
                                   const QString& text)
    : SectionCommand(document, section, text), change_(std::move(change)) {}

// Applying and undoing are the same exchange.
void RowChangeCommand::redo() {
    model().exchangeRows(change_);
}

void RowChangeCommand::undo() {
    model().exchangeRows(change_);
}

QString changeColumnText(const QString& caption, const RowChange& change, int section) {
    return QCoreApplication::translate("varn::History", "Change %1 of %2 of Section %3")
        .arg(caption, rowsText(change))
        .arg(section);
}

QString transformText(bool moves, bool turns, const RowChange& change, int section) {
    const QString what =
        moves && turns
            ? QCoreApplication::translate("varn::History", "Move and Rotate %1 of Section %2")
        : turns ? QCoreApplication::translate("varn::History", "Rotate %1 of Section %2")
                : QCoreApplication::translate("varn::History", "Move %1 of Section %2");
    return what.arg(rowsText(change)).arg(section);
}

}  // namespace varn

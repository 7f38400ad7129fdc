#include "deleterowscommand.h"

#include "sectionmodel.h"

#include <QCoreApplication>

namespace varn {
namespace {

QString deleteText(const std::vector<int>& rows, int section) {
    if (rows.size() == 1)
        return QCoreApplication::translate("varn::History", "Delete Row %1 of Section %2")
            .arg(rows.front())
            .arg(section);
    return QCoreApplication::translate("varn::History", "Delete %1 Rows of Section %2")
        .arg(rows.size())
        .arg(section);
}

}  // namespace

DeleteRowsCommand::DeleteRowsCommand(PlacementDocument& document, int section,
                                     std::vector<int> rows, const QString& text)
    : SectionCommand(document, section, text.isEmpty() ? deleteText(rows, section) : text),
      rows_(std::move(rows)) {}

void DeleteRowsCommand::redo() {
    taken_ = model().takeRows(rows_);
}

void DeleteRowsCommand::undo() {
    model().insertRows(rows_, std::move(taken_));
    taken_ = {};
}

}  // namespace varn

#include "interchangecommands.h"

#include "documentjson.h"
#include "importrowscommand.h"
#include "placementdocument.h"
#include "sectioncsv.h"
#include "sectionmodel.h"
#include "userprompts.h"

#include <QWidget>

namespace varn {

InterchangeCommands::InterchangeCommands(PlacementDocument& document, UserPrompts& prompts,
                                         QWidget* window)
    : QObject(window), document_(document), prompts_(prompts), window_(window) {}

QString InterchangeCommands::exportFile(int section) {
    const QString path = prompts_.askExportPath(window_);
    if (path.isEmpty()) return {};
    QString error;
    const bool json = path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive);
    // The file's name table goes along, as the tool's export carries it.
    const Document& document = document_.document();
    const bool written = json ? saveDocumentJson(path, document, document.appendedTable, error)
                              : saveSectionCsv(path, document_.model(section).table(), error);
    if (!written) {
        prompts_.showError(window_, error);
        return {};
    }
    return json ? tr("The document was exported to %1.").arg(path)
                : tr("Section %1 was exported to %2.").arg(section).arg(path);
}

QString InterchangeCommands::importCsv(int section) {
    const QString path = prompts_.askImportPath(window_);
    if (path.isEmpty()) return {};
    SectionModel& model = document_.model(section);
    RowBlock rows;
    QString error;
    if (!readSectionCsvFile(path, model.table(), {.fieldTests = true}, rows, error)) {
        prompts_.showError(window_, error);
        return {};
    }
    const int count = rows.count;
    const UserPrompts::ImportChoice choice =
        prompts_.askImportMode(window_, path, count, section, model.rowCount());
    if (choice == UserPrompts::ImportChoice::Cancel) return {};
    const auto mode = choice == UserPrompts::ImportChoice::Replace
                          ? ImportRowsCommand::Mode::Replace
                          : ImportRowsCommand::Mode::Append;
    document_.push(new ImportRowsCommand(document_, section, std::move(rows), mode));
    return tr("%1 rows of %2 were imported into Section %3.").arg(count).arg(path).arg(section);
}

}  // namespace varn

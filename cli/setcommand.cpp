// set: Change Column from scripts, on the rows that --where chooses.

#include "bulkeditmessages.h"
#include "columnchange.h"
#include "commandline.h"
#include "commands.h"
#include "filterquery.h"
#include "rowselection.h"

namespace varn::cli {
namespace {

// 'COLUMN=VALUE', 'COLUMN+=N', 'COLUMN-=N' or 'COLUMN*=N': the caption and the value around
// the first "=", blanks around either dropped. False, with the reason, for anything else.
bool parseAssignment(const SectionLayout& layout, const QString& text, ColumnChange& change,
                     QString& error) {
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0) {
        error = QStringLiteral(
                    "\"%1\" is no assignment: write COLUMN=VALUE, COLUMN+=N, "
                    "COLUMN-=N or COLUMN*=N.")
                    .arg(text);
        return false;
    }
    QStringView caption = QStringView(text).first(equals);
    change.operation = ColumnOperation::Set;
    if (!caption.isEmpty()) {
        const QChar last = caption.back();
        const ColumnOperation operation = last == u'+'   ? ColumnOperation::Add
                                          : last == u'-' ? ColumnOperation::Subtract
                                          : last == u'*' ? ColumnOperation::Multiply
                                                         : ColumnOperation::Set;
        if (operation != ColumnOperation::Set) caption.chop(1);
        change.operation = operation;
    }
    caption = caption.trimmed();
    const std::optional<int> column = columnOfCaption(layout, caption);
    if (!column || *column < 0) {
        error = QStringLiteral("\"%1\": section %2 has no column \"%3\" to change.")
                    .arg(text)
                    .arg(layout.number)
                    .arg(caption.toString());
        return false;
    }
    change.cell = *column;
    change.value = QStringView(text).sliced(equals + 1).trimmed().toString();
    return true;
}

}  // namespace

int runSet(const QStringList& arguments) {
    CommandLine commandLine(
        QStringLiteral("set"),
        QStringLiteral("Changes one or more columns of the rows of a section, as the editor's "
                       "Change Column does, and writes the result to OUT (as convert saves). "
                       "Each ASSIGNMENT is 'COLUMN=VALUE', 'COLUMN+=N', 'COLUMN-=N' or "
                       "'COLUMN*=N' (numbers only), with the column's caption as the table "
                       "shows it; a model name brings its hash. Every result is checked before "
                       "anything is written. Prints \"N rows changed\"."));
    commandLine.addDocumentOptions();
    commandLine.addOption(
        {QStringLiteral("section"), QStringLiteral("The section to change"), QStringLiteral("N")});
    addWhereOption(commandLine);
    commandLine.addPositional(QStringLiteral("ASSIGNMENT..."),
                              QStringLiteral("What to change, in order"));
    commandLine.addPositional(QStringLiteral("IN"), QStringLiteral("The file to load"));
    commandLine.addPositional(QStringLiteral("OUT"), QStringLiteral("The file to write"));
    int exitCode = 0;
    DocumentOptions options;
    if (!commandLine.parse(arguments, 3, -1, exitCode)) return exitCode;
    if (!commandLine.documentOptions(options)) return kFailure;
    int section = 0;
    if (!commandLine.isSet(QStringLiteral("section"))) {
        printError(QStringLiteral("Name the section to change with --section N."));
        return kUsageError;
    }
    if (!sectionArgument(commandLine, section)) return kUsageError;

    const QStringList positionals = commandLine.positionals();
    const QString in = positionals[positionals.size() - 2];
    const QString out = positionals.back();
    const SectionLayout& layout = *sectionLayout(section);
    std::vector<ColumnChange> changes(static_cast<std::size_t>(positionals.size() - 2));
    QString error;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (parseAssignment(layout, positionals[static_cast<qsizetype>(i)], changes[i], error))
            continue;
        printError(error);
        return kUsageError;
    }

    Document document(options.separator);
    std::vector<int> rows;
    if (!loadPlacementFile(in, {.readHashTable = options.hashTable}, options.dictionary, document,
                           error)) {
        printError(error);
        return kFailure;
    }
    SectionTable& table = document.table(section);
    if (!whereRows(table, commandLine.values(QStringLiteral("where")), rows, error)) {
        printError(error);
        return kUsageError;
    }
    // One after the other, each seeing what the ones before it did.
    ChangedRows changed(table.rowCount());
    for (const ColumnChange& request : changes) {
        RowChange change;
        if (!planColumnChange(table, rows, request, change, error)) {
            printError(messages::cannotChange(in, error));
            return kFailure;
        }
        applyRowChange(table, change);
        changed.add(change.rows);
    }
    return saveChanged(out, options, document, options.dictionary, changed.count());
}

}  // namespace varn::cli

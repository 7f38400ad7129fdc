// build: a placement file from its exact JSON; import: one section of a file from CSV.

#include "commandline.h"
#include "commands.h"
#include "documentjson.h"
#include "placementfile.h"
#include "rowblock.h"
#include "sectioncsv.h"

namespace varn::cli {

int runBuild(const QStringList& arguments) {
    CommandLine commandLine(
        QStringLiteral("build"),
        QStringLiteral("Writes the placement file that an exported JSON describes: big-endian "
                       "when OUT ends in .xpl, little-endian otherwise. The JSON's name table is "
                       "written as it is; with --hash-table and no table in the JSON, one is "
                       "made from the section 0 model names as the editor's Save does."));
    commandLine.addNameOptions();
    commandLine.addPositional(QStringLiteral("IN.json"), QStringLiteral("The JSON to read"));
    commandLine.addPositional(QStringLiteral("OUT"), QStringLiteral("The file to write"));
    int exitCode = 0;
    DocumentOptions options;
    if (!commandLine.parse(arguments, 2, 2, exitCode)) return exitCode;
    if (!commandLine.documentOptions(options)) return kFailure;

    const QStringList paths = commandLine.positionals();
    Document document;
    AppendedTable table;
    QString error;
    if (!readDocumentJsonFile(paths[0], {.readHashTable = options.hashTable}, options.dictionary,
                              document, table, error) ||
        !savePlacementFile(paths[1], {.writeHashTable = options.hashTable}, document,
                           options.dictionary, error, nullptr, &table)) {
        printError(error);
        return kFailure;
    }
    return 0;
}

int runImport(const QStringList& arguments) {
    CommandLine commandLine(
        QStringLiteral("import"),
        QStringLiteral("Replaces (or with --append extends) one section of BASE by the rows of "
                       "a CSV file and writes the result to OUT. BASE's name table is kept as it "
                       "is; with --hash-table and no table in BASE, one is made from the section "
                       "0 model names as the editor's Save does."));
    commandLine.addNameOptions();
    commandLine.addOption(
        {QStringLiteral("section"), QStringLiteral("The section to replace"), QStringLiteral("N")});
    commandLine.addOption({QStringLiteral("append"),
                           QStringLiteral("Add the rows after the section's rows instead")});
    commandLine.addPositional(QStringLiteral("IN.csv"), QStringLiteral("The rows to import"));
    commandLine.addPositional(QStringLiteral("BASE"),
                              QStringLiteral("The placement file to change"));
    commandLine.addPositional(QStringLiteral("OUT"), QStringLiteral("The file to write"));
    int exitCode = 0;
    DocumentOptions options;
    if (!commandLine.parse(arguments, 3, 3, exitCode)) return exitCode;
    if (!commandLine.documentOptions(options)) return kFailure;
    int section = 0;
    if (!commandLine.isSet(QStringLiteral("section"))) {
        printError(QStringLiteral("Name the section to import into with --section N."));
        return kUsageError;
    }
    if (!sectionArgument(commandLine, section)) return kUsageError;

    const QStringList paths = commandLine.positionals();
    Document document;
    AppendedTable table;
    RowBlock rows;
    QString error;
    if (!loadPlacementFile(paths[1], {.readHashTable = options.hashTable}, options.dictionary,
                           document, error, nullptr, &table) ||
        !readSectionCsvFile(paths[0], document.table(section), {}, rows, error)) {
        printError(error);
        return kFailure;
    }
    SectionTable& target = document.table(section);
    if (commandLine.isSet(QStringLiteral("append"))) {
        appendTableRows(target, std::move(rows));
    } else {
        replaceTableRows(target, std::move(rows));
    }
    if (!savePlacementFile(paths[2], {.writeHashTable = options.hashTable}, document,
                           options.dictionary, error, nullptr, &table)) {
        printError(error);
        return kFailure;
    }
    return 0;
}

}  // namespace varn::cli

// export: a placement file as exact JSON (the whole file) or CSV (one section).

#include "commandline.h"
#include "commands.h"
#include "documentjson.h"
#include "exchangeoutput.h"
#include "placementfile.h"
#include "sectioncsv.h"
#include "savefile.h"

#include <QFile>

#include <cstdio>
#include <functional>

namespace varn::cli {

bool sectionArgument(const CommandLine& commandLine, int& section) {
    bool ok = false;
    section = commandLine.value(QStringLiteral("section")).toInt(&ok);
    if (ok && sectionLayout(section)) return true;
    printError(QStringLiteral("--section must name a known section (0, 2, 3, 4, 8, 9, 10 or 15), "
                              "not \"%1\".")
                   .arg(commandLine.value(QStringLiteral("section"))));
    return false;
}

int runExport(const QStringList& arguments) {
    CommandLine commandLine(
        QStringLiteral("export"),
        QStringLiteral("Writes a placement file as exact JSON (the whole file) or as CSV (one "
                       "section). Every value reads back to the same bits."));
    commandLine.addNameOptions();
    commandLine.addOption({QStringLiteral("format"),
                           QStringLiteral("json (default) or csv; csv when OUT ends in .csv or "
                                          "a section is named"),
                           QStringLiteral("format")});
    commandLine.addOption({QStringLiteral("section"), QStringLiteral("The section to write as CSV"),
                           QStringLiteral("N")});
    commandLine.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                           QStringLiteral("Write to OUT (atomically) instead of standard output"),
                           QStringLiteral("OUT")});
    commandLine.addPositional(QStringLiteral("FILE"),
                              QStringLiteral("A .wpl file, or .xpl for the big-endian form"));
    int exitCode = 0;
    DocumentOptions options;
    if (!commandLine.parse(arguments, 1, 1, exitCode)) return exitCode;
    if (!commandLine.documentOptions(options)) return kFailure;

    const QString out = commandLine.value(QStringLiteral("o"));
    QString format = commandLine.value(QStringLiteral("format"));
    const bool sectionGiven = commandLine.isSet(QStringLiteral("section"));
    if (format.isEmpty())
        format = sectionGiven || out.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)
                     ? QStringLiteral("csv")
                     : QStringLiteral("json");
    if (format != u"json" && format != u"csv") {
        printError(QStringLiteral("--format must be json or csv, not \"%1\".").arg(format));
        return kUsageError;
    }
    int section = 0;
    if (format == u"csv" && !sectionGiven) {
        printError(QStringLiteral("CSV holds one section: name it with --section N."));
        return kUsageError;
    }
    if (format == u"json" && sectionGiven) {
        printError(QStringLiteral("JSON holds the whole file; --section goes with --format csv."));
        return kUsageError;
    }
    if (sectionGiven && !sectionArgument(commandLine, section)) return kUsageError;

    Document document;
    AppendedTable table;
    QString error;
    if (!loadPlacementFile(commandLine.positionals()[0], {.readHashTable = options.hashTable},
                           options.dictionary, document, error, nullptr, &table)) {
        printError(error);
        return kFailure;
    }
    const std::function<bool(QIODevice&, QString&)> write = [&](QIODevice& device,
                                                                QString& message) {
        return format == u"csv" ? writeSectionCsv(document.table(section), device, message)
                                : writeDocumentJson(document, table, device, message);
    };
    bool written = false;
    if (out.isEmpty()) {
        QFile standardOutput;
        written = standardOutput.open(stdout, QIODevice::WriteOnly) &&
                  write(standardOutput, error) && standardOutput.flush();
    } else {
        written = writeFileAtomically(out, write, error);
    }
    if (!written) {
        printError(error.isEmpty() ? QStringLiteral("Cannot write to standard output.") : error);
        return kFailure;
    }
    return 0;
}

}  // namespace varn::cli

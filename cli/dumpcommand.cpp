// dump: the document as JSON, every cell exactly the text the window's tables show.

#include "commandline.h"
#include "commands.h"
#include "jsonwriter.h"
#include "placementfile.h"

namespace varn::cli {
namespace {

void writeRow(JsonWriter& out, const SectionTable& table, int row, int firstCell, int lastCell,
              std::string& scratch) {
    out.raw("[");
    out.string(std::to_string(row));
    for (int cell = firstCell; cell < lastCell; ++cell) {
        scratch.clear();
        table.appendCellUtf8(row, cell, scratch);
        out.raw(", ");
        out.string(scratch);
    }
    out.raw("]");
}

void writeRows(JsonWriter& out, const SectionTable& table, int firstCell, int lastCell) {
    std::string scratch;
    for (int row = 0; row < table.rowCount(); ++row) {
        out.raw(row == 0 ? "\n" : ",\n");
        writeRow(out, table, row, firstCell, lastCell, scratch);
    }
    out.raw("]");
}

void writeDocument(JsonWriter& out, const Document& document) {
    out.raw("{\"version\": " + std::to_string(document.version) + ", \"counts\": [");
    for (int k = 0; k < kSectionCount; ++k)
        out.raw((k ? ", " : "") + std::to_string(document.headerCounts[k]));
    out.raw("], \"sections\": [");
    bool first = true;
    for (int number : sectionsInTabOrder()) {
        const SectionTable& table = document.table(number);
        const SectionLayout& layout = table.layout();
        out.raw(first ? "\n" : ",\n");
        first = false;
        out.raw("{\"section\": " + std::to_string(number) + ", \"rows\": [");
        writeRows(out, table, 0, layout.visibleCount);
        if (layout.hasSideList()) {
            out.raw(", \"side\": [");
            writeRows(out, table, layout.visibleCount, layout.cellCount());
        }
        out.raw("}");
    }
    out.raw("\n]}\n");
}

}  // namespace

int runDump(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("dump"),
                            QStringLiteral("Prints the sections of a placement file as JSON."));
    commandLine.addDocumentOptions();
    commandLine.addPositional(QStringLiteral("FILE"),
                              QStringLiteral("A .wpl file, or .xpl for the big-endian form"));
    int exitCode = 0;
    DocumentOptions options;
    if (!commandLine.parse(arguments, 1, 1, exitCode)) return exitCode;
    if (!commandLine.documentOptions(options)) return kFailure;

    Document document(options.separator);
    QString error;
    if (!loadPlacementFile(commandLine.positionals()[0], {.readHashTable = options.hashTable},
                           options.dictionary, document, error)) {
        printError(error);
        return kFailure;
    }
    JsonWriter out(stdout);
    writeDocument(out, document);
    out.flush();
    return std::ferror(stdout) ? kFailure : 0;
}

}  // namespace varn::cli

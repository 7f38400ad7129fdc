// check: the problems of placement files that the game would choke on, one line each.

#include "commandline.h"
#include "commands.h"
#include "jsonwriter.h"
#include "placementfile.h"
#include "problems.h"

namespace varn::cli {
namespace {

const QString kJson = QStringLiteral("json");
const QString kLevel = QStringLiteral("level");

void appendNumber(std::string& out, qint64 value) {
    out += std::to_string(value);
}

// "FILE: section S row R: LEVEL CODE: sentence", or "name table entry R" for the table.
void writeLine(JsonWriter& out, const std::string& file, const ProblemFinding& f,
               std::string& line) {
    line.clear();
    line += file;
    if (f.section == kAppendedTableSection) {
        line += ": name table entry ";
    } else {
        line += ": section ";
        appendNumber(line, f.section);
        line += " row ";
    }
    appendNumber(line, f.row);
    line += ": ";
    line += problemLevelText(f.level);
    line += ' ';
    line += problemCode(f.kind);
    line += ": ";
    appendProblemSentence(f, line);
    line += '\n';
    out.raw(line);
}

void writeObject(JsonWriter& out, const std::string& file, const ProblemFinding& f,
                 std::string& sentence, bool first) {
    out.raw(first ? "\n{\"file\": " : ",\n{\"file\": ");
    out.string(file);
    std::string place;
    if (f.section == kAppendedTableSection) {
        place = ", \"entry\": " + std::to_string(f.row);
    } else {
        place = ", \"section\": " + std::to_string(f.section) + ", \"row\": " + std::to_string(f.row);
    }
    out.raw(place);
    out.raw(", \"level\": \"");
    out.raw(problemLevelText(f.level));
    out.raw("\", \"code\": \"");
    out.raw(problemCode(f.kind));
    out.raw("\", \"sentence\": ");
    sentence.clear();
    appendProblemSentence(f, sentence);
    out.string(sentence);
    out.raw("}");
}

}  // namespace

int runCheck(const QStringList& arguments) {
    CommandLine commandLine(
        QStringLiteral("check"),
        QStringLiteral("Lists the problems of placement files: positions that are no number, "
                       "rotations that are no rotation, hashes that are not their name's, the "
                       "same object placed twice, models no dictionary names. Exit code 0 when "
                       "nothing is at or above the level, 1 when something is, 2 on an error."));
    commandLine.addNameOptions();
    commandLine.addOption({kJson, QStringLiteral("Print one JSON object of all problems")});
    commandLine.addOption({kLevel,
                           QStringLiteral("Report problems at or above this level: note, "
                                          "warning (default) or error"),
                           QStringLiteral("level"), QStringLiteral("warning")});
    commandLine.addPositional(QStringLiteral("FILE"),
                              QStringLiteral("Placement files (.wpl, or .xpl big-endian)"));
    int exitCode = 0;
    if (!commandLine.parse(arguments, 1, -1, exitCode)) return exitCode;
    const std::optional<ProblemLevel> level = parseProblemLevel(commandLine.value(kLevel));
    if (!level) {
        printError(QStringLiteral("The level must be note, warning or error, not \"%1\".")
                       .arg(commandLine.value(kLevel)));
        return kUsageError;
    }
    DocumentOptions options;
    if (!commandLine.documentOptions(options)) return kUsageError;
    const bool json = commandLine.isSet(kJson);

    JsonWriter out(stdout);
    if (json) out.raw("{\"problems\": [");
    bool failed = false;
    bool found = false;
    bool first = true;
    std::string scratch;
    for (const QString& path : commandLine.positionals()) {
        // Each file is checked with its own table only.
        options.dictionary.fileEntries.clear();
        Document document;
        QString error;
        if (!loadPlacementFile(path, {.readHashTable = options.hashTable}, options.dictionary,
                               document, error)) {
            out.flush();
            printError(error);
            failed = true;
            continue;
        }
        const std::string file = path.toStdString();
        forEachProblem(document, &options.dictionary, *level, [&](const ProblemFinding& f) {
            found = true;
            if (json)
                writeObject(out, file, f, scratch, std::exchange(first, false));
            else
                writeLine(out, file, f, scratch);
        });
    }
    if (json) out.raw(first ? "]}\n" : "\n]}\n");
    out.flush();
    if (failed || std::ferror(stdout)) return kUsageError;
    return found ? kFailure : 0;
}

}  // namespace varn::cli

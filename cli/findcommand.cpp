// find: where the files under some folders place a model.

#include "commandline.h"
#include "commands.h"
#include "filesearch.h"
#include "jsonwriter.h"
#include "namehash.h"
#include "numbertext.h"

#include <cmath>

namespace varn::cli {
namespace {

const QString kModel = QStringLiteral("model");
const QString kHash = QStringLiteral("hash");
const QString kNear = QStringLiteral("near");
const QString kJson = QStringLiteral("json");

// The query of the options; false after reporting a usage error.
bool readQuery(const CommandLine& commandLine, FileSearchQuery& query) {
    if (commandLine.isSet(kModel) == commandLine.isSet(kHash)) {
        printError(QStringLiteral("Give either --model NAME or --hash N; see --help."));
        return false;
    }
    if (commandLine.isSet(kModel)) {
        query.modelName = commandLine.value(kModel);
        if (query.modelName.isEmpty()) {
            printError(QStringLiteral("The model name is empty."));
            return false;
        }
    } else {
        const QString text = commandLine.value(kHash);
        std::uint32_t hash = 0;
        const bool valid = isHashText(text) ? hashTextValue(text, hash)
                                            : parseUInt32Text(text.toStdString(), hash);
        if (!valid) {
            printError(QStringLiteral("The hash must be an unsigned 32-bit number or "
                                      "[hash:N], not \"%1\".")
                           .arg(text));
            return false;
        }
        query.hash = hash;
    }
    if (commandLine.isSet(kNear)) {
        const QStringList parts = commandLine.value(kNear).split(u',');
        double values[3] = {};
        bool valid = parts.size() == 3;
        for (int k = 0; valid && k < 3; ++k) {
            values[k] = parts[k].trimmed().toDouble(&valid);
            valid = valid && std::isfinite(values[k]);
        }
        if (!valid || values[2] < 0) {
            printError(QStringLiteral("--near takes X,Y,RADIUS: three numbers, the radius not "
                                      "negative, not \"%1\".")
                           .arg(commandLine.value(kNear)));
            return false;
        }
        query.hasNear = true;
        query.x = values[0];
        query.y = values[1];
        query.radius = values[2];
    }
    return true;
}

std::string coordinate(float value) {
    char text[kNumberTextCapacity];
    return std::string(text, static_cast<std::size_t>(formatTrimmedFixed(text, value, 4, '.')));
}

void writeLine(JsonWriter& out, const FileSearchHit& hit) {
    std::string line = hit.file.toStdString();
    line += '\t' + std::to_string(hit.section) + '\t' + std::to_string(hit.row) + '\t';
    line += hit.model.toStdString();
    line += '\t' + coordinate(hit.x) + '\t' + coordinate(hit.y) + '\t' + coordinate(hit.z) + '\n';
    out.raw(line);
}

void writeObject(JsonWriter& out, const FileSearchHit& hit, bool first) {
    out.raw(first ? "\n{\"file\": " : ",\n{\"file\": ");
    out.string(hit.file.toStdString());
    out.raw(", \"section\": " + std::to_string(hit.section) +
            ", \"row\": " + std::to_string(hit.row) + ", \"model\": ");
    out.string(hit.model.toStdString());
    // Coordinates as strings: a position that is no number has no JSON number.
    out.raw(", \"x\": \"" + coordinate(hit.x) + "\", \"y\": \"" + coordinate(hit.y) +
            "\", \"z\": \"" + coordinate(hit.z) + "\"}");
}

}  // namespace

int runFind(const QStringList& arguments) {
    CommandLine commandLine(
        QStringLiteral("find"),
        QStringLiteral("Finds the section 0 rows that place a model and the section 9 rows "
                       "that name it, in placement files and folders (searched recursively for "
                       "*.wpl and *.xpl). Prints FILE, SECTION, ROW, MODEL, X, Y, Z separated "
                       "by tabs, sorted by file and row. Exit code 0 with hits, 1 without, 2 on "
                       "an error; a file that cannot be read is reported and skipped."));
    commandLine.addHashesOption();
    commandLine.addOption({kModel,
                           QStringLiteral("The model's name, matched through the dictionary "
                                          "and each file's own name table"),
                           QStringLiteral("name")});
    commandLine.addOption({kHash, QStringLiteral("The model's hash"), QStringLiteral("n")});
    commandLine.addOption({kNear, QStringLiteral("Only hits within RADIUS of (X, Y)"),
                           QStringLiteral("x,y,radius")});
    commandLine.addOption({kJson, QStringLiteral("Print one JSON object of all hits")});
    commandLine.addPositional(QStringLiteral("PATH"),
                              QStringLiteral("Placement files and folders to search"));
    int exitCode = 0;
    if (!commandLine.parse(arguments, 1, -1, exitCode)) return exitCode;
    FileSearchQuery query;
    if (!readQuery(commandLine, query)) return kUsageError;
    DocumentOptions options;
    if (!commandLine.documentOptions(options)) return kUsageError;

    std::vector<FileSearchProblem> missing;
    const QStringList files = listPlacementFiles(commandLine.positionals(), &missing);
    for (const FileSearchProblem& problem : missing)
        printError(problem.message);
    std::vector<FileSearchProblem> skipped;
    const std::vector<FileSearchHit> hits = searchFiles(files, query, &options.dictionary, skipped);
    for (const FileSearchProblem& problem : skipped)
        printError(problem.message);

    JsonWriter out(stdout);
    if (commandLine.isSet(kJson)) {
        out.raw("{\"hits\": [");
        for (std::size_t i = 0; i < hits.size(); ++i)
            writeObject(out, hits[i], i == 0);
        out.raw(hits.empty() ? "]}\n" : "\n]}\n");
    } else {
        for (const FileSearchHit& hit : hits)
            writeLine(out, hit);
    }
    out.flush();
    if (!missing.empty() || std::ferror(stdout)) return kUsageError;
    return hits.empty() ? kFailure : 0;
}

}  // namespace varn::cli

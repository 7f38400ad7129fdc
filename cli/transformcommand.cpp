// transform: Move and Rotate from scripts, on the rows that --where chooses.

#include "bulkeditmessages.h"
#include "commandline.h"
#include "commands.h"
#include "filterquery.h"
#include "rowselection.h"
#include "rowtransform.h"

namespace varn::cli {
namespace {

const QString kMove = QStringLiteral("move");
const QString kRotate = QStringLiteral("rotate");
const QString kPivot = QStringLiteral("pivot");
const QString kInverse = QStringLiteral("inverse");

// Numbers with "." for decimals, split at ",". False, with the reason, unless there are count.
bool readNumbers(const QString& option, const QString& text, int count, double* values,
                 QString& error) {
    const QStringList parts = text.split(u',');
    bool read = parts.size() == count;
    for (qsizetype i = 0; read && i < parts.size(); ++i)
        read = parseNumberText(parts[i].trimmed(), '.', values[i]);
    if (read) return true;
    error = QStringLiteral("--%1 takes %2 number%3 with \".\" for decimals%4, not \"%5\".")
                .arg(option)
                .arg(count)
                .arg(count == 1 ? QString() : QStringLiteral("s"))
                .arg(count == 1 ? QString() : QStringLiteral(", split by \",\""))
                .arg(text);
    return false;
}

bool readTransform(const CommandLine& commandLine, RowTransform& transform, QString& error) {
    if (!commandLine.isSet(kMove) && !commandLine.isSet(kRotate)) {
        error = QStringLiteral("Give --move DX,DY,DZ, --rotate DEGREES or both.");
        return false;
    }
    if (commandLine.isSet(kMove)) {
        double offset[3] = {};
        if (!readNumbers(kMove, commandLine.value(kMove), 3, offset, error)) return false;
        transform.dx = offset[0];
        transform.dy = offset[1];
        transform.dz = offset[2];
    }
    if (commandLine.isSet(kRotate) &&
        !readNumbers(kRotate, commandLine.value(kRotate), 1, &transform.degrees, error))
        return false;
    const QString pivot = commandLine.value(kPivot);
    if (pivot == u"centre") {
        transform.pivot = TurnPivot::SelectionCentre;
    } else if (pivot == u"each") {
        transform.pivot = TurnPivot::EachRow;
    } else {
        double point[2] = {};
        if (!readNumbers(kPivot, pivot, 2, point, error)) {
            error = QStringLiteral("--pivot takes centre, each or X,Y, not \"%1\".").arg(pivot);
            return false;
        }
        transform.pivot = TurnPivot::Point;
        transform.point = {point[0], point[1]};
    }
    transform.storage =
        commandLine.isSet(kInverse) ? OrientationStorage::Inverse : OrientationStorage::AsStored;
    return true;
}

}  // namespace

int runTransform(const QStringList& arguments) {
    CommandLine commandLine(
        QStringLiteral("transform"),
        QStringLiteral("Moves and turns the rows of section 0 (or moves the boxes of section 9), "
                       "as the editor's Move and Rotate does, and writes the result to OUT (as "
                       "convert saves). A turn is about the vertical axis, counter-clockwise "
                       "seen from above (X east, Y north), and comes before the move. Prints "
                       "\"N rows changed\"."));
    commandLine.addNameOptions();
    commandLine.addOption(
        {QStringLiteral("section"), QStringLiteral("0 or 9"), QStringLiteral("N")});
    addWhereOption(commandLine);
    commandLine.addOption(
        {kMove, QStringLiteral("The offset to move by"), QStringLiteral("DX,DY,DZ")});
    commandLine.addOption(
        {kRotate, QStringLiteral("The angle to turn by"), QStringLiteral("DEGREES")});
    commandLine.addOption({kPivot,
                           QStringLiteral("What to turn about: centre (the middle of the rows' "
                                          "bounding box, the default), each (every row about "
                                          "itself: only orientations turn) or the point X,Y"),
                           QStringLiteral("PIVOT"), QStringLiteral("centre")});
    commandLine.addOption({kInverse, QStringLiteral("The file stores the inverse rotation of "
                                                    "each object")});
    commandLine.addPositional(QStringLiteral("IN"), QStringLiteral("The file to load"));
    commandLine.addPositional(QStringLiteral("OUT"), QStringLiteral("The file to write"));
    int exitCode = 0;
    DocumentOptions options;
    if (!commandLine.parse(arguments, 2, 2, exitCode)) return exitCode;
    if (!commandLine.documentOptions(options)) return kFailure;
    int section = 0;
    if (!commandLine.isSet(QStringLiteral("section"))) {
        printError(QStringLiteral("Name the section to change with --section N."));
        return kUsageError;
    }
    if (!sectionArgument(commandLine, section)) return kUsageError;
    RowTransform transform;
    QString error;
    if (!readTransform(commandLine, transform, error)) {
        printError(error);
        return kUsageError;
    }

    const QStringList paths = commandLine.positionals();
    Document document(options.separator);
    if (!loadPlacementFile(paths[0], {.readHashTable = options.hashTable}, options.dictionary,
                           document, error)) {
        printError(error);
        return kFailure;
    }
    SectionTable& table = document.table(section);
    std::vector<int> rows;
    if (!whereRows(table, commandLine.values(QStringLiteral("where")), rows, error)) {
        printError(error);
        return kUsageError;
    }
    RowChange change;
    if (!planTransform(table, rows, transform, change, error)) {
        printError(messages::cannotChange(paths[0], error));
        return kFailure;
    }
    applyRowChange(table, change);
    return saveChanged(paths[1], options, document, options.dictionary, change.rowCount());
}

}  // namespace varn::cli

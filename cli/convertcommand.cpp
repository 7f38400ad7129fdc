// convert: load a file and save it, exactly as the editor's Open and Save do.

#include "commandline.h"
#include "commands.h"
#include "placementfile.h"

namespace varn::cli {

int runConvert(const QStringList& arguments) {
    CommandLine commandLine(
        QStringLiteral("convert"),
        QStringLiteral("Loads a placement file and saves it as the editor's Save does: "
                       "big-endian when OUT ends in .xpl, little-endian otherwise."));
    commandLine.addDocumentOptions();
    commandLine.addPositional(QStringLiteral("IN"), QStringLiteral("The file to load"));
    commandLine.addPositional(QStringLiteral("OUT"), QStringLiteral("The file to write"));
    int exitCode = 0;
    DocumentOptions options;
    if (!commandLine.parse(arguments, 2, 2, exitCode)) return exitCode;
    if (!commandLine.documentOptions(options)) return kFailure;

    const QStringList paths = commandLine.positionals();
    Document document(options.separator);
    QString error;
    if (!loadPlacementFile(paths[0], {.readHashTable = options.hashTable}, options.dictionary,
                           document, error) ||
        !savePlacementFile(paths[1], {.writeHashTable = options.hashTable}, document,
                           options.dictionary, error)) {
        printError(error);
        return kFailure;
    }
    return 0;
}

}  // namespace varn::cli

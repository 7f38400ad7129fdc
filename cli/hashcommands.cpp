// hash and make-hashes: name hashes and the hashes.dat built from a list of names.

#include "codepage.h"
#include "commandline.h"
#include "commands.h"
#include "messages.h"
#include "namehash.h"
#include "savefile.h"

#include <QFile>

#include <cstdio>

namespace varn::cli {
namespace {

// Names of the list, one a line; blank lines and lines starting with "#" are skipped.
bool readNameList(const QString& path, QList<HashTableEntry>& entries, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = messages::cannotOpen(path, file.errorString());
        return false;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QString name = QString::fromUtf8(file.readLine()).trimmed();
        if (name.isEmpty() || name.startsWith(u'#')) continue;
        const QByteArray bytes = encodeWindows1252(name);
        if (!isWindows1252Text(name) || bytes.size() > kEntryNameSize) {
            error = QStringLiteral(
                        "%1, line %2: \"%3\" does not fit a model name field of %4 "
                        "Windows-1252 bytes.")
                        .arg(path)
                        .arg(lineNumber)
                        .arg(name)
                        .arg(kEntryNameSize);
            return false;
        }
        entries.push_back({bytes, nameHash(name)});
    }
    return true;
}

}  // namespace

int runHash(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("hash"),
                            QStringLiteral("Prints the name hash of each name, one a line."));
    commandLine.addPositional(QStringLiteral("NAME..."), QStringLiteral("Model names"));
    int exitCode = 0;
    if (!commandLine.parse(arguments, 1, -1, exitCode)) return exitCode;
    for (const QString& name : commandLine.positionals())
        std::printf("%u\n", static_cast<unsigned>(nameHash(name)));
    return 0;
}

int runMakeHashes(const QStringList& arguments) {
    CommandLine commandLine(QStringLiteral("make-hashes"),
                            QStringLiteral("Writes a hashes.dat from a list of model names."));
    commandLine.addPositional(
        QStringLiteral("NAMES.txt"),
        QStringLiteral("UTF-8 text, one name a line; # starts a comment line"));
    commandLine.addPositional(QStringLiteral("OUT.dat"), QStringLiteral("The file to write"));
    int exitCode = 0;
    if (!commandLine.parse(arguments, 2, 2, exitCode)) return exitCode;
    const QStringList paths = commandLine.positionals();
    QList<HashTableEntry> entries;
    QString error;
    if (!readNameList(paths[0], entries, error)) {
        printError(error);
        return kFailure;
    }
    if (!writeBytesAtomically(paths[1], encodeEntryTable(entries), error)) {
        printError(error);
        return kFailure;
    }
    return 0;
}

}  // namespace varn::cli

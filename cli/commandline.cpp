#include "commandline.h"

#include "programfiles.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace varn::cli {
namespace {
const QString kSeparator = QStringLiteral("separator");
const QString kHashes = QStringLiteral("hashes");
const QString kHashTable = QStringLiteral("hash-table");
}  // namespace

void printError(const QString& message) {
    const QByteArray line = message.simplified().toUtf8() + '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
}

CommandLine::CommandLine(const QString& command, const QString& description) : command_(command) {
    parser_.setApplicationDescription(description);
    parser_.addHelpOption();
}

void CommandLine::addDocumentOptions() {
    parser_.addOption({kSeparator,
                       QStringLiteral("Decimal separator of float texts: . (default) or ,"),
                       QStringLiteral("char"), QStringLiteral(".")});
    hasSeparator_ = true;
    addNameOptions();
}

void CommandLine::addNameOptions() {
    addHashesOption();
    parser_.addOption(
        {kHashTable, QStringLiteral("Read the file's appended name table when loading and write "
                                    "one when saving")});
    hasHashTable_ = true;
}

void CommandLine::addHashesOption() {
    parser_.addOption({kHashes,
                       QStringLiteral("Base dictionary of model names (default: hashes.dat beside "
                                      "this program, else in ../share/varn-placement-editor, "
                                      "when it exists)"),
                       QStringLiteral("path")});
}

void CommandLine::addPositional(const QString& name, const QString& description) {
    parser_.addPositionalArgument(name, description);
}

bool CommandLine::parse(const QStringList& arguments, int minimum, int maximum, int& exitCode) {
    if (!parser_.parse(arguments)) {
        printError(parser_.errorText());
        exitCode = kUsageError;
        return false;
    }
    if (parser_.isSet(QStringLiteral("help"))) {
        // The parser names the executable's path; the usage line names the command instead.
        QString help = parser_.helpText();
        const auto lineEnd = help.indexOf(u'\n');
        help.replace(0, lineEnd,
                     help.first(lineEnd).replace(QCoreApplication::arguments().constFirst(),
                                                 QStringLiteral("varn-placement ") + command_));
        std::fputs(help.toUtf8().constData(), stdout);
        exitCode = 0;
        return false;
    }
    const auto count = parser_.positionalArguments().size();
    if (count < minimum || (maximum >= 0 && count > maximum)) {
        printError(QStringLiteral("Wrong number of arguments (%1); see --help.").arg(count));
        exitCode = kUsageError;
        return false;
    }
    return true;
}

bool CommandLine::documentOptions(DocumentOptions& options) const {
    const QString separator = hasSeparator_ ? parser_.value(kSeparator) : QStringLiteral(".");
    if (separator != u"." && separator != u",") {
        printError(
            QStringLiteral("The separator must be \".\" or \",\", not \"%1\".").arg(separator));
        return false;
    }
    options.separator = separator == u"," ? ',' : '.';
    options.hashTable = hasHashTable_ && parser_.isSet(kHashTable);
    QString hashes = parser_.value(kHashes);
    if (hashes.isEmpty()) {
        const QString found = locateHashes(QCoreApplication::applicationDirPath());
        if (!QFileInfo::exists(found)) return true;  // no base dictionary
        hashes = found;
    }
    QString error;
    if (!readHashesFile(hashes, options.dictionary.baseEntries, error)) {
        printError(error);
        return false;
    }
    return true;
}

}  // namespace varn::cli

#pragma once

#include "hashdictionary.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace varn::cli {

inline constexpr int kFailure = 1;
inline constexpr int kUsageError = 2;

// One line on stderr.
void printError(const QString& message);

// The options dump and convert share: --separator, --hashes, --hash-table (the commands of
// the interchange files take the last two only).
struct DocumentOptions {
    char separator = '.';
    bool hashTable = false;
    HashDictionary dictionary;
};

class CommandLine {
public:
    CommandLine(const QString& command, const QString& description);
    void addDocumentOptions();
    void addNameOptions();
    // --hashes alone, for a command that reads each file's own table anyway.
    void addHashesOption();
    void addOption(const QCommandLineOption& option) { parser_.addOption(option); }
    [[nodiscard]] bool isSet(const QString& name) const { return parser_.isSet(name); }
    [[nodiscard]] QString value(const QString& name) const { return parser_.value(name); }
    // Every value of an option given more than once, in order.
    [[nodiscard]] QStringList values(const QString& name) const { return parser_.values(name); }
    void addPositional(const QString& name, const QString& description);

    // Parses the arguments; false when the command should end with exitCode (help shown, or a
    // usage error reported). maximum -1 allows any number of arguments from minimum on.
    [[nodiscard]] bool parse(const QStringList& arguments, int minimum, int maximum, int& exitCode);
    [[nodiscard]] QStringList positionals() const { return parser_.positionalArguments(); }
    // Reads the document options, the dictionary included; false after reporting an error.
    [[nodiscard]] bool documentOptions(DocumentOptions& options) const;

private:
    QString command_;
    QCommandLineParser parser_;
    bool hasSeparator_ = false;
    bool hasHashTable_ = false;
};

}  // namespace varn::cli

#pragma once

#include <QStringList>

namespace varn::cli {

// Each command takes its own arguments (the command name first) and returns the exit code.
int runDump(const QStringList& arguments);
int runConvert(const QStringList& arguments);
int runHash(const QStringList& arguments);
int runMakeHashes(const QStringList& arguments);
int runExport(const QStringList& arguments);
int runBuild(const QStringList& arguments);
int runImport(const QStringList& arguments);
int runDiff(const QStringList& arguments);
int runSet(const QStringList& arguments);
int runTransform(const QStringList& arguments);
int runCheck(const QStringList& arguments);
int runFind(const QStringList& arguments);

class CommandLine;
// The known section --section names; false after reporting it.
[[nodiscard]] bool sectionArgument(const CommandLine& commandLine, int& section);

}  // namespace varn::cli

#pragma once

#include <QStringList>

namespace varn::cli {

// Each command takes its own arguments (the command name first) and returns the exit code.
int runDump(const QStringList& arguments);
int runConvert(const QStringList& arguments);
int runHash(const QStringList& arguments);
int runMakeHashes(const QStringList& arguments);

}  // namespace varn::cli

#pragma once

// The editor's command line: an optional placement file to open, --help and --version, and a
// hidden option with which scripts start the program, load the file and close it again.

#include <QString>
#include <QStringList>

#include <optional>

namespace varn {

struct StartOptions {
    QString file;  // the first argument; empty when none was given
    // Close as soon as the window is up; messages go to stderr instead of message boxes.
    bool closeAfterStart = false;
};

// --help and --version, answered on stdout before the window system starts, so that they work
// without a display. Returns the exit code when the program is to end here. Arguments it cannot
// parse yet (the window system's own, like -platform) are left to readStartOptions.
[[nodiscard]] std::optional<int> answerInformationRequest(int argc, char* argv[]);

// The arguments as the application left them. Returns the exit code when the program is to end
// here: 0 after help or version, 2 after a usage error reported on stderr.
[[nodiscard]] std::optional<int> readStartOptions(const QStringList& arguments,
                                                  StartOptions& options);

}  // namespace varn

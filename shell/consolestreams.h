#pragma once

// The standard streams where Windows differs: a console program there translates "\n" into
// "\r\n" unless told otherwise, and a GUI program starts without any console, so --help and
// --version typed in one would print nothing. Elsewhere both calls do nothing.

namespace varn {

// stdout and stderr carry exactly the bytes written, as on every other system.
void keepStandardStreamBytes();

// A GUI program started from a console writes its stdout and stderr there (when they are not
// redirected already).
void attachToParentConsole();

}  // namespace varn

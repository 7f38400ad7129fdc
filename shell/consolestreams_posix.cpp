#include "consolestreams.h"

namespace varn {

// The streams of a POSIX program are bytes, and every program has the console it started in.
void keepStandardStreamBytes() {}
void attachToParentConsole() {}

}  // namespace varn

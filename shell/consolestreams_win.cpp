#include "consolestreams.h"

#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace varn {
namespace {

bool hasHandle(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

}  // namespace

void keepStandardStreamBytes() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

void attachToParentConsole() {
    if (hasHandle(STD_OUTPUT_HANDLE) && hasHandle(STD_ERROR_HANDLE)) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!hasHandle(STD_OUTPUT_HANDLE) || _fileno(stdout) < 0) std::freopen("CONOUT$", "w", stdout);
    if (!hasHandle(STD_ERROR_HANDLE) || _fileno(stderr) < 0) std::freopen("CONOUT$", "w", stderr);
}

}  // namespace varn

#pragma once

// What the fuzz targets share: one scratch folder per process for the files they hand to the
// code under test, and a check that turns a broken property into a crash libFuzzer records.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace varn::fuzz {

// Writes the bytes as the file name inside this process's scratch folder, replacing what was
// there, and returns its path. The folder lives as long as the process; creating one per input
// would cost more than the code under test.
QString writeScratchFile(const QString& name, const std::uint8_t* data, std::size_t size);
QString writeScratchFile(const QString& name, const QByteArray& bytes);
// The path of a name inside the scratch folder, without touching it.
QString scratchPath(const QString& name);
// The whole file, or an empty array when it cannot be read.
QByteArray readWholeFile(const QString& path);

// No control character that would break the message over lines or hide part of it.
[[nodiscard]] bool isOneLine(const QString& message);

// Prints what broke and aborts, so that the input is kept as a crash.
[[noreturn]] void fail(const char* file, int line, const char* condition, const QString& detail);

}  // namespace varn::fuzz

#define VARN_FUZZ_CHECK(condition, detail)                                            \
    do {                                                                              \
        if (!(condition)) ::varn::fuzz::fail(__FILE__, __LINE__, #condition, detail); \
    } while (false)

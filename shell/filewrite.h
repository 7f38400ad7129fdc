#pragma once

// Writes a whole file at once: its folder is made when missing, and the bytes reach the path
// through a temporary file renamed over it, so the file is either the old one or the new one.

#include <QByteArray>
#include <QString>

namespace varn {

// False with "Unable to write to <folder or file>" in error when the folder cannot be made or
// the file cannot be written.
[[nodiscard]] bool writeWholeFile(const QString& path, const QByteArray& bytes, QString& error);

}  // namespace varn

#pragma once

// The texts of every failure the program reports, in one place so that the window and the
// command-line tool say the same.

#include <QString>

namespace varn::messages {

[[nodiscard]] QString cannotOpen(const QString& path, const QString& reason);
[[nodiscard]] QString cannotCreate(const QString& path, const QString& reason);
[[nodiscard]] QString cannotWrite(const QString& path, const QString& reason);
[[nodiscard]] QString truncated(const QString& path, qint64 needed, qint64 size);
[[nodiscard]] QString negativeCount(const QString& path, int section, qint64 count);
[[nodiscard]] QString unknownSection(const QString& path, int section, qint64 count);
[[nodiscard]] QString outOfMemory(const QString& path);
// A cell that does not convert stops a save; where names the section, row and column.
[[nodiscard]] QString cannotSave(const QString& path, const QString& cause, const QString& where);

[[nodiscard]] QString notValidFloat(const QString& text);
[[nodiscard]] QString notValidInteger(const QString& text);
[[nodiscard]] QString floatOverflow(const QString& text);
[[nodiscard]] QString unableToWrite(const QString& path);

}  // namespace varn::messages

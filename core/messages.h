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
// A file that does not load in its name's byte order but would in the other: the message of
// the failure, then "; read as little-endian it would load: is it a .wpl file?" (or the same of
// big-endian and .xpl).
[[nodiscard]] QString otherByteOrderLoads(const QString& failure, bool bigEndian);
// A cell that does not convert stops a save; where names the section, row and column.
[[nodiscard]] QString cannotSave(const QString& path, const QString& cause, const QString& where);

[[nodiscard]] QString notValidFloat(const QString& text);
[[nodiscard]] QString notValidInteger(const QString& text);
[[nodiscard]] QString floatOverflow(const QString& text);
[[nodiscard]] QString unableToWrite(const QString& path);

}  // namespace varn::messages

// Interchange files (JSON of a file, CSV of a section): the causes of a value that does not
// convert, then the whole message with the place where it was found.
namespace varn::messages {

// The text with its control characters (a zero, a line break, a tab, U+0080 to U+009F, the
// line separators) written as \u0000, so that a message of file contents stays one line.
[[nodiscard]] QString printableText(const QString& text);

[[nodiscard]] QString notExactFloat(const QString& text);
[[nodiscard]] QString notExactInteger(const QString& text);
[[nodiscard]] QString outOfFieldRange(const QString& text, const QString& range);
[[nodiscard]] QString notUtf8(const QString& text);
[[nodiscard]] QString notWindows1252(const QString& text, char32_t character);
// A zero character would end the text in its field.
[[nodiscard]] QString zeroInText(const QString& text);
[[nodiscard]] QString textTooLong(const QString& text, int bytes, int width);
// "Cannot read file "x.csv": line 3, column 7 (column "Pos X"): cause.", the place and the cause
// made printable.
[[nodiscard]] QString cannotRead(const QString& path, const QString& where, const QString& cause);
// A cell of the document that does not convert stops an export, as it stops a save.
[[nodiscard]] QString cannotExport(const QString& path, const QString& cause, const QString& where);

}  // namespace varn::messages

namespace varn::messages {
[[nodiscard]] QString modelNameMismatch(const QString& name, quint32 nameHash, quint32 hash);
}  // namespace varn::messages

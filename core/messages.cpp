#include "messages.h"

#include <QDir>

namespace varn::messages {
namespace {
QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}
}  // namespace

QString cannotOpen(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot open file \"%1\". %2").arg(shown(path), reason);
}

QString cannotCreate(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot create file \"%1\". %2").arg(shown(path), reason);
}

QString cannotWrite(const QString& path, const QString& reason) {
    const QString sentence = reason.endsWith(u'.') ? reason : reason + u'.';
    return QStringLiteral("Cannot write file \"%1\". %2 The file on disk was left unchanged.")
        .arg(shown(path), sentence);
}

QString truncated(const QString& path, qint64 needed, qint64 size) {
    return cannotOpen(path, QStringLiteral("The file is truncated: its header and record counts "
                                           "need %1 bytes, but it holds only %2.")
                                .arg(needed)
                                .arg(size));
}

QString negativeCount(const QString& path, int section, qint64 count) {
    return cannotOpen(path, QStringLiteral("Range check error: section %1 has the negative record "
                                           "count %2.")
                                .arg(section)
                                .arg(count));
}

QString unknownSection(const QString& path, int section, qint64 count) {
    return cannotOpen(path, QStringLiteral("Section %1 holds %2 records of a layout this program "
                                           "does not know; they would be misread and lost.")
                                .arg(section)
                                .arg(count));
}

QString outOfMemory(const QString& path) {
    return cannotOpen(path, QStringLiteral("Out of memory"));
}

QString cannotSave(const QString& path, const QString& cause, const QString& where) {
    return QStringLiteral("Cannot save file \"%1\". %2 (%3). The file on disk was left unchanged.")
        .arg(shown(path), cause, where);
}

QString notValidFloat(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

QString notValidInteger(const QString& text) {
    return QStringLiteral("''%1'' is not a valid integer value").arg(text);
}

QString floatOverflow(const QString& text) {
    return QStringLiteral("Floating point overflow: '%1'").arg(text);
}

QString unableToWrite(const QString& path) {
    return QStringLiteral("Unable to write to %1").arg(shown(path));
}

}  // namespace varn::messages

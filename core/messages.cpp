#include "messages.h"

#include <QCoreApplication>
#include <QDir>

namespace varn::messages {
namespace {
QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}
}  // namespace

QString cannotOpen(const QString& path, const QString& reason) {
    return QCoreApplication::translate("varn::messages", "Cannot open file \"%1\". %2")
        .arg(shown(path), reason);
}

QString cannotCreate(const QString& path, const QString& reason) {
    return QCoreApplication::translate("varn::messages", "Cannot create file \"%1\". %2")
        .arg(shown(path), reason);
}

QString cannotWrite(const QString& path, const QString& reason) {
    const QString sentence = reason.endsWith(u'.') ? reason : reason + u'.';
    return QCoreApplication::translate(
               "varn::messages",
               "Cannot write file \"%1\". %2 The file on disk was left unchanged.")
        .arg(shown(path), sentence);
}

QString truncated(const QString& path, qint64 needed, qint64 size) {
    return cannotOpen(
        path, QCoreApplication::translate("varn::messages",
                                          "The file is truncated: its header and record counts "
                                          "need %1 bytes, but it holds only %2.")
                  .arg(needed)
                  .arg(size));
}

QString negativeCount(const QString& path, int section, qint64 count) {
    return cannotOpen(
        path, QCoreApplication::translate("varn::messages",
                                          "Range check error: section %1 has the negative record "
                                          "count %2.")
                  .arg(section)
                  .arg(count));
}

QString unknownSection(const QString& path, int section, qint64 count) {
    return cannotOpen(
        path, QCoreApplication::translate("varn::messages",
                                          "Section %1 holds %2 records of a layout this program "
                                          "does not know; they would be misread and lost.")
                  .arg(section)
                  .arg(count));
}

QString outOfMemory(const QString& path) {
    return cannotOpen(path, QCoreApplication::translate("varn::messages", "Out of memory"));
}

QString otherByteOrderLoads(const QString& failure, bool bigEndian) {
    const QString sentence = failure.endsWith(u'.') ? failure.chopped(1) : failure;
    const QString other = bigEndian
                              ? QCoreApplication::translate(
                                    "varn::messages", "big-endian it would load: is it a .xpl")
                              : QCoreApplication::translate(
                                    "varn::messages", "little-endian it would load: is it a .wpl");
    return sentence +
           QCoreApplication::translate("varn::messages", "; read as %1 file?").arg(other);
}

QString cannotSave(const QString& path, const QString& cause, const QString& where) {
    return QCoreApplication::translate(
               "varn::messages",
               "Cannot save file \"%1\". %2 (%3). The file on disk was left unchanged.")
        .arg(shown(path), cause, where);
}

QString notValidFloat(const QString& text) {
    return QCoreApplication::translate("varn::messages", "'%1' is not a valid floating point value")
        .arg(text);
}

QString notValidInteger(const QString& text) {
    return QCoreApplication::translate("varn::messages", "''%1'' is not a valid integer value")
        .arg(text);
}

QString floatOverflow(const QString& text) {
    return QCoreApplication::translate("varn::messages", "Floating point overflow: '%1'").arg(text);
}

QString unableToWrite(const QString& path) {
    return QCoreApplication::translate("varn::messages", "Unable to write to %1").arg(shown(path));
}

}  // namespace varn::messages

namespace varn::messages {

QString printableText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0x2028 || u == 0x2029;
        if (control)
            shown += QStringLiteral("\\u%1").arg(static_cast<uint>(u), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString notExactFloat(const QString& text) {
    return QCoreApplication::translate(
               "varn::messages",
               "\"%1\" is not a float value (write it as in 1.5, -0, 2e-7, inf, -inf, "
               "nan or nan:0x7fc00001)")
        .arg(text);
}

QString notExactInteger(const QString& text) {
    const QString hint = QCoreApplication::translate(
        "varn::messages", "write it as in 12, -7 or 0, without leading zeros");
    return QCoreApplication::translate("varn::messages", "\"%1\" is not an integer (%2)")
        .arg(text, hint);
}

QString outOfFieldRange(const QString& text, const QString& range) {
    return QCoreApplication::translate("varn::messages", "%1 is out of the range of the field (%2)")
        .arg(text, range);
}

QString notUtf8(const QString& text) {
    return QCoreApplication::translate("varn::messages", "\"%1\" is not valid UTF-8").arg(text);
}

QString notWindows1252(const QString& text, char32_t character) {
    const QString code =
        QStringLiteral("%1").arg(static_cast<uint>(character), 4, 16, QLatin1Char('0'));
    return QCoreApplication::translate("varn::messages",
                                       "\"%1\" holds the character U+%2, which Windows-1252 lacks")
        .arg(text, code.toUpper());
}

QString zeroInText(const QString& text) {
    return QCoreApplication::translate("varn::messages",
                                       "\"%1\" holds a zero character, which would end the text")
        .arg(text);
}

QString textTooLong(const QString& text, int bytes, int width) {
    return QCoreApplication::translate("varn::messages",
                                       "\"%1\" takes %2 bytes and does not fit its field of %3")
        .arg(text)
        .arg(bytes)
        .arg(width);
}

QString cannotRead(const QString& path, const QString& where, const QString& cause) {
    const QString sentence = cause.endsWith(u'.') ? cause : cause + u'.';
    return QCoreApplication::translate("varn::messages", "Cannot read file \"%1\": %2: %3")
        .arg(QDir::toNativeSeparators(path), printableText(where), printableText(sentence));
}

QString cannotExport(const QString& path, const QString& cause, const QString& where) {
    return QCoreApplication::translate("varn::messages", "Cannot export to \"%1\". %2 (%3).")
        .arg(QDir::toNativeSeparators(path), cause, where);
}

}  // namespace varn::messages

namespace varn::messages {

QString modelNameMismatch(const QString& name, quint32 nameHash, quint32 hash) {
    return QCoreApplication::translate(
               "varn::messages",
               "the model name \"%1\" has the hash %2, not %3; change both, or leave "
               "the name empty to keep the hash")
        .arg(name)
        .arg(nameHash)
        .arg(hash);
}

}  // namespace varn::messages

#include "settingsfile.h"

#include "initext.h"
#include "messages.h"
#include "savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <charconv>
#include <cstdint>

namespace varn {
namespace {

// The longest string a read returns, as the buffer of the Windows profile functions allows.
constexpr qsizetype kMaxStringLength = 2047;

// Decimal with an optional sign, or "0x"/"0X" and up to eight hexadecimal digits taken as the
// 32-bit pattern (so "0xFFFFFFFF" is -1). Anything else is no number.
bool parseSettingInteger(const QString& text, int& value) {
    const QByteArray latin = text.toLatin1();
    const char* begin = latin.constData();
    const char* end = begin + latin.size();
    if (latin.size() > 2 && begin[0] == '0' && (begin[1] == 'x' || begin[1] == 'X')) {
        if (latin.size() > 10) return false;
        std::uint32_t bits = 0;
        const auto [last, status] = std::from_chars(begin + 2, end, bits, 16);
        if (status != std::errc() || last != end) return false;
        value = static_cast<int>(bits);
        return true;
    }
    if (begin != end && *begin == '+') {
        ++begin;
        if (begin != end && (*begin == '-' || *begin == '+')) return false;
    }
    const auto [last, status] = std::from_chars(begin, end, value, 10);
    return status == std::errc() && last == end;
}

}  // namespace

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}

const QHash<QString, QString>& SettingsFile::currentValues() const {
    QByteArray bytes;
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    if (bytes != parsedBytes_) {
        parsedValues_ = IniText(bytes).values();
        parsedBytes_ = std::move(bytes);
    }
    return parsedValues_;
}

QString SettingsFile::readString(const QString& section, const QString& key,
                                 const QString& defaultValue) const {
    const QHash<QString, QString>& values = currentValues();
    const auto found = values.constFind(IniText::lookupName(section, key));
    if (found == values.constEnd()) return defaultValue.left(kMaxStringLength);
    QString value = found.value().left(kMaxStringLength);
    if (!value.isEmpty() && value.back().isHighSurrogate()) value.chop(1);
    return value;
}

int SettingsFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    int value = 0;
    return parseSettingInteger(readString(section, key), value) ? value : defaultValue;
}

bool SettingsFile::readBool(const QString& section, const QString& key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool SettingsFile::writeString(const QString& section, const QString& key, const QString& value,
                               QString& error) {
    return writeStrings(section, {{key, value}}, error);
}

bool SettingsFile::writeInteger(const QString& section, const QString& key, int value,
                                QString& error) {
    return writeStrings(section, {{key, QString::number(value)}}, error);
}

bool SettingsFile::writeBool(const QString& section, const QString& key, bool value,
                             QString& error) {
    return writeStrings(section, {{key, value ? QStringLiteral("1") : QStringLiteral("0")}}, error);
}

bool SettingsFile::readForUpdate(QByteArray& bytes) const {
    bytes.clear();
    if (!QFileInfo::exists(path_)) return true;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool SettingsFile::writeStrings(const QString& section, const QList<Entry>& entries,
                                QString& error) {
    if (entries.isEmpty()) return true;
    // A name or value that the file could not give back as written would corrupt the lines
    // around it; it is refused like a write the system refuses.
    bool storable = IniText::isStorableName(section);
    QList<IniText::Assignment> assignments;
    assignments.reserve(entries.size());
    for (const Entry& entry : entries) {
        storable =
            storable && IniText::isStorableName(entry.key) && IniText::isStorableValue(entry.value);
        assignments.append({entry.key, entry.value});
    }
    // An existing file that cannot be read must not be replaced by one holding only this write.
    QByteArray current;
    if (!storable || !readForUpdate(current)) {
        error = messages::unableToWrite(path_);
        return false;
    }
    IniText text(current);
    text.assign(section, assignments);
    const QByteArray updated = text.bytes();

    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(updated) != updated.size() ||
        !flushAndCommit(file)) {
        error = messages::unableToWrite(path_);
        return false;
    }
    return true;
}

}  // namespace varn

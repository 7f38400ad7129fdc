#pragma once

// settings.ini beside the executable: sections of key=value lines. Section and key names are
// compared without regard to case. Every read looks at the file as it is on disk; every write
// reaches the disk at once, atomically, keeping every other line of the file.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace varn {

class SettingsFile {
public:
    explicit SettingsFile(QString path);

    [[nodiscard]] const QString& path() const { return path_; }

    // The value text, or the default when the section or key is missing.
    [[nodiscard]] QString readString(const QString& section, const QString& key,
                                     const QString& defaultValue = {}) const;
    // Decimal, or hexadecimal after "0x"/"0X"; any other text gives the default.
    [[nodiscard]] int readInteger(const QString& section, const QString& key,
                                  int defaultValue) const;
    // Read as an integer; any non-zero value is true.
    [[nodiscard]] bool readBool(const QString& section, const QString& key,
                                bool defaultValue) const;

    // Each write returns false with "Unable to write to <path>" in error when the file cannot
    // be written; the file is then unchanged.
    [[nodiscard]] bool writeString(const QString& section, const QString& key, const QString& value,
                                   QString& error);
    [[nodiscard]] bool writeInteger(const QString& section, const QString& key, int value,
                                    QString& error);
    [[nodiscard]] bool writeBool(const QString& section, const QString& key, bool value,
                                 QString& error);

    // Several keys of one section in one atomic write (the column widths at close).
    struct Entry {
        QString key;
        QString value;
    };
    [[nodiscard]] bool writeStrings(const QString& section, const QList<Entry>& entries,
                                    QString& error);

private:
    // The values of the file as it is on disk now. The bytes last parsed are kept beside their
    // values, so a read that finds the same bytes again skips the parsing, never the reading.
    [[nodiscard]] const QHash<QString, QString>& currentValues() const;
    [[nodiscard]] bool readForUpdate(QByteArray& bytes) const;

    QString path_;
    mutable QByteArray parsedBytes_;
    mutable QHash<QString, QString> parsedValues_;
};

}  // namespace varn

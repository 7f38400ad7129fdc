#pragma once

// The files last opened or saved, newest first, for File > Recent Files. They live in
// settings.ini in a section of their own ("[RecentFiles]", keys File1 to File8), written
// atomically with every other line of the file kept, so the list survives a restart.

#include "settingsfile.h"

#include <QString>
#include <QStringList>

namespace varn {

class RecentFiles {
public:
    static constexpr int kMaxFiles = 8;
    static inline const QString kSection = QStringLiteral("RecentFiles");
    // "File1" ... "File8", File1 the newest.
    [[nodiscard]] static QString key(int position) {
        return QStringLiteral("File%1").arg(position + 1);
    }

    explicit RecentFiles(SettingsFile& settings) : settings_(settings) {}

    // As settings.ini holds them now: blank entries and a second entry for one file left out.
    [[nodiscard]] QStringList paths() const;

    // Puts the file first, as an absolute path; an entry for the same file under another spelling
    // (".." or a link) goes, and only the eight newest stay. A path that a settings line could not
    // hold unchanged (blanks at its ends) is not kept. False with the settings file's message
    // when settings.ini cannot be written; the list is then as it was.
    [[nodiscard]] bool add(const QString& path, QString& error);
    // Takes out every entry for the file, as when it no longer exists.
    [[nodiscard]] bool remove(const QString& path, QString& error);

private:
    [[nodiscard]] bool store(const QStringList& paths, QString& error);

    SettingsFile& settings_;
};

// Whether two paths name the same file: their resolved forms, compared without regard to case
// where the file system ignores it.
[[nodiscard]] bool isSameFile(const QString& a, const QString& b);

}  // namespace varn

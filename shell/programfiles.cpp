#include "programfiles.h"

#include "filewrite.h"
#include "messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace varn {
namespace {

const QString kSettingsName = QStringLiteral("settings.ini");
const QString kHashesName = QStringLiteral("hashes.dat");

// Writing settings.ini replaces it through a temporary file beside it, so the folder must take
// new files too. Both are tried rather than read from the permission bits: on Windows those say
// nothing of the folder's access list (Program Files is read-only to a standard user).
bool isPortable(const QString& programFolder) {
    const QString settingsPath = QDir(programFolder).filePath(kSettingsName);
    if (!QFileInfo(settingsPath).isFile()) return false;
    QFile settings(settingsPath);
    if (!settings.open(QIODevice::ReadWrite)) return false;
    QTemporaryFile probe(QDir(programFolder).filePath(QStringLiteral("settings-XXXXXX.tmp")));
    return probe.open();
}

// The settings.ini that comes with the program; empty when there is none.
QString shippedSettings(const QString& programFolder) {
    for (const QString& folder : {programFolder, sharedDataFolder(programFolder)}) {
        const QString path = QDir(folder).filePath(kSettingsName);
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

bool copyFile(const QString& from, const QString& to, QString& error) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        error = messages::cannotOpen(from, source.errorString());
        return false;
    }
    return writeWholeFile(to, source.readAll(), error);
}

}  // namespace

QString userSettingsFolder() {
    // Windows keeps a user's program settings in the roaming profile (%APPDATA%), the
    // freedesktop systems in the configuration folder (~/.config).
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
#endif
}

ProgramFiles programFilesIn(const QString& programFolder) {
    const QDir folder(programFolder);
    return {folder.filePath(kSettingsName), folder.filePath(kHashesName)};
}

QString sharedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/varn-placement-editor"));
}

QString locateHashes(const QString& programFolder) {
    const QString beside = QDir(programFolder).filePath(kHashesName);
    const QString shared = QDir(sharedDataFolder(programFolder)).filePath(kHashesName);
    return !QFileInfo::exists(beside) && QFileInfo::exists(shared) ? shared : beside;
}

ProgramFiles locateProgramFiles(const QString& programFolder, const QString& userConfigFolder,
                                QString& error) {
    if (isPortable(programFolder)) return programFilesIn(programFolder);
    ProgramFiles files{QDir(userConfigFolder).filePath(kSettingsName), locateHashes(programFolder)};
    if (QFileInfo::exists(files.settingsPath)) return files;
    // Without a shipped file the user's starts empty and is written at the first close.
    const QString shipped = shippedSettings(programFolder);
    if (!shipped.isEmpty() && !copyFile(shipped, files.settingsPath, error))
        files.settingsPath = shipped;
    return files;
}

}  // namespace varn

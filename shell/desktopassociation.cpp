#include "desktopassociation.h"

#include "filewrite.h"
#include "messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <optional>

namespace varn {
namespace {

const QString kMimePackageName = QStringLiteral("varn-placement-editor.xml");
const QString kExtensionGlob = QStringLiteral("*.wpl");
constexpr int kToolTimeoutMs = 60'000;

std::optional<QByteArray> contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

bool writeIfDifferent(const QString& path, const QByteArray& text, QString& error) {
    return contents(path) == text || writeWholeFile(path, text, error);
}

QString cannotRun(const QString& tool, const QString& reason) {
    return QCoreApplication::translate("varn::DesktopAssociation", "Cannot run %1: %2")
        .arg(tool, reason);
}

}  // namespace

QString desktopExecArgument(const QString& path) {
    // Quoting rules of the Exec key first, then the escapes of every string value of the file,
    // which a reader undoes before it looks at the quotes; '%' would start a field code.
    QString quoted = QStringLiteral("\"");
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';
    QString escaped;
    for (const QChar c : quoted) {
        if (c == u'\\') {
            escaped += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            escaped += QStringLiteral("\\n");
        } else if (c == u'\t') {
            escaped += QStringLiteral("\\t");
        } else if (c == u'\r') {
            escaped += QStringLiteral("\\r");
        } else if (c == u'%') {
            escaped += QStringLiteral("%%");
        } else {
            escaped += c;
        }
    }
    return escaped;
}

DesktopAssociation::DesktopAssociation(QString executablePath, Places places)
    : executablePath_(std::move(executablePath)), places_(std::move(places)) {}

DesktopAssociation::Places DesktopAssociation::placesFromEnvironment() {
    Places places;
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    places.dataHome = QDir::isAbsolutePath(dataHome)
                          ? dataHome
                          : QDir::homePath() + QStringLiteral("/.local/share");
    const QStringList dataDirs =
        qEnvironmentVariable("XDG_DATA_DIRS").split(u':', Qt::SkipEmptyParts);
    for (const QString& dir : dataDirs) {
        if (QDir::isAbsolutePath(dir)) places.dataDirs.append(dir);
    }
    if (places.dataDirs.isEmpty()) {
        places.dataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    }
    return places;
}

QString DesktopAssociation::installedEntry(const QString& executablePath,
                                           const QStringList& dataDirs) {
    const QString share =
        QDir::cleanPath(QFileInfo(executablePath).absolutePath() + QStringLiteral("/../share"));
    const QString entry = share + QStringLiteral("/applications/") + kDesktopFileName;
    if (!QFileInfo(entry).isFile()) return {};
    for (const QString& dir : dataDirs) {
        if (QDir::cleanPath(dir) == share) return entry;
    }
    return {};
}

QString DesktopAssociation::mimePackagePath() const {
    return places_.dataHome + QStringLiteral("/mime/packages/") + kMimePackageName;
}

QString DesktopAssociation::desktopEntryPath() const {
    return places_.dataHome + QStringLiteral("/applications/") + kDesktopFileName;
}

QByteArray DesktopAssociation::mimePackageText() const {
    // The weight lifts the glob above the usual 50 of types that other packages give *.wpl.
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>Windows Placement File</comment>\n"
               "    <glob pattern=\"%2\" weight=\"60\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(kMimeType, kExtensionGlob)
        .toUtf8();
}

QByteArray DesktopAssociation::desktopEntryText() const {
    // NoDisplay keeps the entry out of the application menus; it still opens the type.
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Varn Placement Editor\n"
               "Comment=Opens Windows Placement Files\n"
               "Exec=%1 %f\n"
               "MimeType=%2;\n"
               "NoDisplay=true\n"
               "Terminal=false\n")
        .arg(desktopExecArgument(executablePath_), kMimeType)
        .toUtf8();
}

QString DesktopAssociation::tool(const QString& name) const {
    return places_.toolDirs.isEmpty() ? QStandardPaths::findExecutable(name)
                                      : QStandardPaths::findExecutable(name, places_.toolDirs);
}

bool DesktopAssociation::runTool(const QString& name, const QStringList& arguments, QString& output,
                                 QString& error) const {
    const QString program = tool(name);
    if (program.isEmpty()) {
        error = cannotRun(
            name, QCoreApplication::translate("varn::DesktopAssociation", "it is not installed."));
        return false;
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        error = cannotRun(name, process.errorString());
        return false;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        error = cannotRun(name, QCoreApplication::translate("varn::DesktopAssociation",
                                                            "it did not finish within a minute."));
        return false;
    }
    output = QString::fromLocal8Bit(process.readAllStandardOutput());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString message = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        error = cannotRun(name, message.isEmpty()
                                    ? QCoreApplication::translate("varn::DesktopAssociation",
                                                                  "it ended with exit code %1.")
                                          .arg(process.exitCode())
                                    : message);
        return false;
    }
    return true;
}

QString DesktopAssociation::defaultApplication() const {
    if (tool(QStringLiteral("xdg-mime")).isEmpty()) return {};
    QString output;
    QString error;
    if (!runTool(QStringLiteral("xdg-mime"),
                 {QStringLiteral("query"), QStringLiteral("default"), kMimeType}, output, error)) {
        return {};
    }
    return output.trimmed();
}

bool DesktopAssociation::otherTypeClaimsExtension() const {
    // globs2 lines read "weight:type:glob[:flags]"; the databases of every data folder count.
    QStringList folders{places_.dataHome};
    folders += places_.dataDirs;
    for (const QString& folder : folders) {
        const std::optional<QByteArray> globs = contents(folder + QStringLiteral("/mime/globs2"));
        if (!globs) continue;
        for (const QByteArray& line : globs->split('\n')) {
            if (line.startsWith('#')) continue;
            const QList<QByteArray> fields = line.trimmed().split(':');
            if (fields.size() < 3) continue;
            if (QString::fromUtf8(fields[2]).compare(kExtensionGlob, Qt::CaseInsensitive) == 0 &&
                QString::fromUtf8(fields[1]) != kMimeType) {
                return true;
            }
        }
    }
    return false;
}

// Our files in the user's folder came from a copy run before installation; they hide the installed
// entry, so they are replaced only after asking.
FileTypeAssociation::State DesktopAssociation::installedState() const {
    const QString defaultApp = defaultApplication();
    const bool userFiles = QFile::exists(mimePackagePath()) || QFile::exists(desktopEntryPath());
    const bool defaultOurs =
        defaultApp == kDesktopFileName || tool(QStringLiteral("xdg-mime")).isEmpty();
    if (!userFiles && defaultOurs) return State::Registered;
    return userFiles || !defaultApp.isEmpty() ? State::Different : State::Missing;
}

FileTypeAssociation::State DesktopAssociation::state() {
    if (!places_.installedEntry.isEmpty()) return installedState();
    const std::optional<QByteArray> package = contents(mimePackagePath());
    const std::optional<QByteArray> entry = contents(desktopEntryPath());
    const QString defaultApp = defaultApplication();
    const bool packageOurs = package == mimePackageText();
    const bool entryOurs = entry == desktopEntryText();
    // Without xdg-mime the default can be neither set nor read; the desktop entry then offers
    // this program for the type all the same.
    const bool defaultOurs =
        defaultApp == kDesktopFileName || tool(QStringLiteral("xdg-mime")).isEmpty();
    if (packageOurs && entryOurs && defaultOurs) return State::Registered;
    // Our own files with other contents (another copy of the program, an older entry) are
    // replaced only after asking, like a type that another program gave *.wpl.
    const bool foreign = (package && !packageOurs) || (entry && !entryOurs) ||
                         (!defaultApp.isEmpty() && defaultApp != kDesktopFileName) ||
                         (!packageOurs && otherTypeClaimsExtension());
    return foreign ? State::Different : State::Missing;
}

bool DesktopAssociation::useInstalledEntry(QString& error) {
    bool removed = false;
    for (const QString& path : {mimePackagePath(), desktopEntryPath()}) {
        if (!QFile::exists(path)) continue;
        if (!QFile::remove(path)) {
            error = messages::unableToWrite(path);
            return false;
        }
        removed = true;
    }
    return updateDatabasesAndDefault(removed, error);
}

bool DesktopAssociation::write(QString& error) {
    if (!places_.installedEntry.isEmpty()) return useInstalledEntry(error);
    if (!writeIfDifferent(mimePackagePath(), mimePackageText(), error) ||
        !writeIfDifferent(desktopEntryPath(), desktopEntryText(), error)) {
        return false;
    }
    return updateDatabasesAndDefault(true, error);
}

bool DesktopAssociation::updateDatabasesAndDefault(bool userFilesChanged, QString& error) const {
    struct Update {
        QString tool;
        QStringList arguments;
    };
    const Update updates[] = {
        {QStringLiteral("update-mime-database"), {places_.dataHome + QStringLiteral("/mime")}},
        {QStringLiteral("update-desktop-database"),
         {places_.dataHome + QStringLiteral("/applications")}},
        {QStringLiteral("xdg-mime"), {QStringLiteral("default"), kDesktopFileName, kMimeType}},
    };
    for (const Update& update : updates) {
        if (!userFilesChanged && update.tool != u"xdg-mime") continue;
        QString output;
        if (!tool(update.tool).isEmpty() &&
            !runTool(update.tool, update.arguments, output, error)) {
            return false;
        }
    }
    return true;
}

}  // namespace varn

#pragma once

// The .wpl association on a freedesktop system: a shared-mime-info package that gives *.wpl its
// own type, a desktop entry that starts this program with the file as its first argument, and
// this program as the type's default application. The files go to the user's data folder; the
// databases are updated and the default is set by the desktop's own tools where they exist.
// An installed program brings its own desktop entry and type: then only the default is set to
// that entry, and files of ours in the user's folder, which would hide it, are removed.

#include "fileassociation.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace varn {

class DesktopAssociation : public FileTypeAssociation {
public:
    struct Places {
        QString dataHome;      // $XDG_DATA_HOME, else ~/.local/share
        QStringList dataDirs;  // $XDG_DATA_DIRS: where other programs' types are found
        QStringList toolDirs;  // where the tools are looked for; empty means PATH
        // The desktop entry installed with the program, when the desktop finds it; else empty.
        QString installedEntry;
    };

    static inline const QString kMimeType = QStringLiteral("application/x-varn-placement");
    static inline const QString kDesktopFileName = QStringLiteral("varn-placement-editor.desktop");

    DesktopAssociation(QString executablePath, Places places);
    [[nodiscard]] static Places placesFromEnvironment();
    // <prefix>/share/applications/<our entry> for a program in <prefix>/bin, when that file
    // exists and <prefix>/share is one of the data folders; else empty.
    [[nodiscard]] static QString installedEntry(const QString& executablePath,
                                                const QStringList& dataDirs);

    State state() override;
    bool write(QString& error) override;

    [[nodiscard]] QString mimePackagePath() const;
    [[nodiscard]] QString desktopEntryPath() const;
    [[nodiscard]] QByteArray mimePackageText() const;
    [[nodiscard]] QByteArray desktopEntryText() const;

private:
    [[nodiscard]] QString tool(const QString& name) const;
    [[nodiscard]] bool runTool(const QString& name, const QStringList& arguments, QString& output,
                               QString& error) const;
    // The type's default application as the desktop reports it; empty when none is set or the
    // tool to ask is missing.
    [[nodiscard]] QString defaultApplication() const;
    // Whether a type other than ours claims *.wpl in a compiled mime database.
    [[nodiscard]] bool otherTypeClaimsExtension() const;
    [[nodiscard]] State installedState() const;
    [[nodiscard]] bool useInstalledEntry(QString& error);
    // The user's databases are rebuilt only when files of ours in them changed.
    [[nodiscard]] bool updateDatabasesAndDefault(bool userFilesChanged, QString& error) const;

    QString executablePath_;
    Places places_;
};

// The program path as one argument of a desktop entry's Exec key.
[[nodiscard]] QString desktopExecArgument(const QString& path);

}  // namespace varn

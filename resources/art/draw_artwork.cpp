// Draws every picture of the window program and writes them as PNG files into one folder, from
// which the build embeds them, and the program's icon in the theme sizes into its hicolor/
// subfolder, from which it is installed. Nothing here reads fonts or other files of the machine, so
// the same build always produces the same pictures.

#include "iconfile.h"
#include "pictures.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>

namespace {

struct Picture {
    const char* fileName;
    QImage (*draw)();
};

// Keep in step with the OUTPUT list in CMakeLists.txt and the names in artwork.h.
constexpr Picture pictures[] = {
    {"toolbar-new.png", varn::artwork::drawToolbarNew},
    {"toolbar-open.png", varn::artwork::drawToolbarOpen},
    {"toolbar-save.png", varn::artwork::drawToolbarSave},
    {"toolbar-separator.png", varn::artwork::drawToolbarSeparator},
    {"tab-empty.png", varn::artwork::drawTabEmpty},
    {"tab-loaded.png", varn::artwork::drawTabLoaded},
    {"tab-changed.png", varn::artwork::drawTabChanged},
    {"menu-add.png", varn::artwork::drawMenuAdd},
    {"menu-delete.png", varn::artwork::drawMenuDelete},
    {"menu-edit.png", varn::artwork::drawMenuEdit},
    {"status-ok.png", varn::artwork::drawStatusOk},
    {"status-invalid.png", varn::artwork::drawStatusInvalid},
    {"warning.png", varn::artwork::drawWarning},
    {"fon.png", varn::artwork::drawDialogBackground},
    {"leftimg.png", varn::artwork::drawDialogStrip},
    {"program-icon.png", varn::artwork::drawProgramIcon},
};

bool writeImage(const QString& path, const QImage& image) {
    // Writing through QFile lets a failed write be told apart from a failed encoding.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "varn-art-generator: cannot create %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    if (!image.save(&file, "PNG")) {
        std::fprintf(stderr, "varn-art-generator: cannot encode %s\n", qPrintable(path));
        return false;
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        std::fprintf(stderr, "varn-art-generator: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

// hicolor/<size>x<size>/apps/varn-placement-editor.png, as the icon theme lays its files out.
bool writeThemeIcons(const QDir& folder) {
    for (const int size : varn::artwork::kThemeIconSizes) {
        const QString apps = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (!folder.mkpath(apps)) {
            std::fprintf(stderr, "varn-art-generator: cannot create folder %s\n",
                         qPrintable(folder.filePath(apps)));
            return false;
        }
        if (!writeImage(folder.filePath(apps + QStringLiteral("/varn-placement-editor.png")),
                        varn::artwork::drawProgramIcon(size))) {
            return false;
        }
    }
    return true;
}

// program-icon.ico: the theme sizes in one file, for the Windows build.
bool writeWindowsIcon(const QDir& folder) {
    QList<QImage> images;
    for (const int size : varn::artwork::kThemeIconSizes)
        images.append(varn::artwork::drawProgramIcon(size));
    const QByteArray icon = varn::artwork::windowsIconFile(images);
    const QString path = folder.filePath(QStringLiteral("program-icon.ico"));
    QFile file(path);
    if (icon.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(icon) != icon.size() || !file.flush()) {
        std::fprintf(stderr, "varn-art-generator: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: varn-art-generator OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!QDir().mkpath(folder.absolutePath())) {
        std::fprintf(stderr, "varn-art-generator: cannot create folder %s\n",
                     qPrintable(folder.absolutePath()));
        return 1;
    }
    for (const Picture& picture : pictures) {
        if (!writeImage(folder.filePath(QString::fromLatin1(picture.fileName)), picture.draw()))
            return 1;
    }
    return writeThemeIcons(folder) && writeWindowsIcon(folder) ? 0 : 1;
}

#pragma once

// What the window tests share: a program folder of their own, scripted answers to the window's
// questions, and small finders.

#include "addrowcommand.h"
#include "mainwindow.h"
#include "placementdocument.h"
#include "readabletext.h"
#include "sectionpages.h"
#include "userprompts.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace varn::test {

class ScriptedPrompts : public UserPrompts {
public:
    void showError(QWidget*, const QString& message) override { errors << message; }
    QString askOpenPath(QWidget*) override {
        return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
    }
    QString askSavePath(QWidget*, const QString& current) override {
        savePathAskedWith << current;
        return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
    }
    UnsavedChoice askUnsavedChanges(QWidget*) override {
        ++unsavedQuestions;
        return unsavedChoice;
    }
    int askRowNumber(QWidget*, int, int last) override {
        rowAskedUpTo = last;
        return rowNumber;
    }
    bool askReloadChangedFile(QWidget*, const QString&) override {
        ++reloadQuestions;
        return reloadAnswer;
    }
    void showNotice(QWidget*, const QString& message) override { notices << message; }
    QString askExportPath(QWidget*) override { return exportPath; }
    QString askImportPath(QWidget*) override { return importPath; }
    ImportChoice askImportMode(QWidget*, const QString&, int rows, int, int) override {
        importRowsAsked = rows;
        return importChoice;
    }
    QString askPicturePath(QWidget*) override {
        return picturePaths.isEmpty() ? QString() : picturePaths.takeFirst();
    }
    QString askFolderPath(QWidget*, const QString&) override { return folderPath; }

    QStringList errors;
    QStringList openPaths;
    QStringList savePaths;
    QStringList savePathAskedWith;
    UnsavedChoice unsavedChoice = UnsavedChoice::Cancel;
    int unsavedQuestions = 0;
    int rowNumber = -1;
    int rowAskedUpTo = -1;
    int reloadQuestions = 0;
    bool reloadAnswer = false;
    QStringList notices;
    QString exportPath;
    QString importPath;
    ImportChoice importChoice = ImportChoice::Cancel;
    int importRowsAsked = -1;
    QStringList picturePaths;
    QString folderPath;
};

// A folder standing in for the executable's: settings.ini and hashes.dat as each test wants.
class ProgramFolder {
public:
    QString path(const QString& name = {}) const {
        return name.isEmpty() ? dir_.path() : dir_.filePath(name);
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    // The shipped settings.ini and hashes.dat, as the build placed them beside the programs.
    void copyShipped() const {
        QFile::copy(QStringLiteral(VARN_BIN_DIR "/settings.ini"),
                    path(QStringLiteral("settings.ini")));
        QFile::copy(QStringLiteral(VARN_BIN_DIR "/hashes.dat"), path(QStringLiteral("hashes.dat")));
        QFile::setPermissions(path(QStringLiteral("settings.ini")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

private:
    QTemporaryDir dir_;
};

inline std::unique_ptr<MainWindow> startWindow(const ProgramFolder& folder,
                                               ScriptedPrompts& prompts, const QString& file = {}) {
    QStringList arguments{QStringLiteral("varn-placement-editor")};
    if (!file.isEmpty()) arguments << file;
    auto window = std::make_unique<MainWindow>(programFilesIn(folder.path()), prompts, arguments);
    window->createDialogs();
    return window;
}

// Rows of default texts added as Add Item with an unchanged editor adds them: one step each.
inline void addRows(MainWindow& w, int section, int count = 1) {
    for (int i = 0; i < count; ++i) {
        auto* command = new AddRowCommand(w.placementDocument(), section);
        command->confirm({});
        w.placementDocument().push(command);
    }
}

// The tab's image: 0 no rows, 1 rows as loaded or saved, 2 changed since.
inline int tabState(MainWindow& w, int section) {
    return w.pages().tabImage(section);
}

inline QString sampleFile() {
    return QStringLiteral(VARN_SAMPLE);
}

}  // namespace varn::test

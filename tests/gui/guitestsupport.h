#pragma once

// What the window tests share: a program folder of their own, scripted answers to the window's
// questions, and small finders.

#include "mainwindow.h"
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

    QStringList errors;
    QStringList openPaths;
    QStringList savePaths;
    QStringList savePathAskedWith;
    UnsavedChoice unsavedChoice = UnsavedChoice::Cancel;
    int unsavedQuestions = 0;
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

inline QString sampleFile() {
    return QStringLiteral(VARN_SAMPLE);
}

}  // namespace varn::test

// varn-placement-editor: the window program.

#include "consoleprompts.h"
#include "consolestreams.h"
#include "mainwindow.h"
#include "programfiles.h"
#include "startoptions.h"
#include "translations.h"
#include "userprompts.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    varn::attachToParentConsole();
    if (const auto exitCode = varn::answerInformationRequest(argc, argv)) return *exitCode;
    QApplication app(argc, argv);
    // Names the user's settings folder: ~/.config/varn-placement-editor, on Windows
    // %APPDATA%\varn-placement-editor.
    QApplication::setApplicationName(QStringLiteral("varn-placement-editor"));
    varn::StartOptions options;
    if (const auto exitCode = varn::readStartOptions(QCoreApplication::arguments(), options))
        return *exitCode;
    // The window speaks the user's language; --close-after-start reports on stderr for
    // scripts, in English.
    if (!options.closeAfterStart) varn::installTranslations(app);

    varn::DialogPrompts dialogs;
    varn::ConsolePrompts console;
    varn::UserPrompts& prompts = options.closeAfterStart ? static_cast<varn::UserPrompts&>(console)
                                                         : static_cast<varn::UserPrompts&>(dialogs);
    QString error;
    const varn::ProgramFiles files = varn::locateProgramFiles(
        QCoreApplication::applicationDirPath(), varn::userSettingsFolder(), error);
    if (!error.isEmpty()) prompts.showError(nullptr, error);

    varn::MainWindow window(files, prompts,
                            {QCoreApplication::applicationFilePath(), options.file});
    window.createDialogs();
    window.show();
    if (options.closeAfterStart) QTimer::singleShot(0, &window, &QWidget::close);
    const int exitCode = QApplication::exec();
    return options.closeAfterStart && console.errorCount() > 0 ? 1 : exitCode;
}

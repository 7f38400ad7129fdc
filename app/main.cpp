// varn-placement-editor: the window program.

#include "mainwindow.h"
#include "userprompts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varn Placement Editor"));
    varn::DialogPrompts prompts;
    varn::MainWindow window(QCoreApplication::applicationDirPath(), prompts,
                            QCoreApplication::arguments());
    window.createDialogs();
    window.show();
    return QApplication::exec();
}

#include "consoleprompts.h"

#include <cstdio>

namespace varn {

void ConsolePrompts::showError(QWidget*, const QString& message) {
    ++errorCount_;
    std::fputs(
        (QStringLiteral("varn-placement-editor: ") + message + u'\n').toLocal8Bit().constData(),
        stderr);
}

void ConsolePrompts::showNotice(QWidget*, const QString& message) {
    std::fputs(
        (QStringLiteral("varn-placement-editor: ") + message + u'\n').toLocal8Bit().constData(),
        stderr);
}

}  // namespace varn

#include "artwork.h"

namespace varn::art {

QStringList allPictures() {
    return {
        QString::fromLatin1(toolbarNew),  QString::fromLatin1(toolbarOpen),
        QString::fromLatin1(toolbarSave), QString::fromLatin1(toolbarSeparator),
        QString::fromLatin1(tabEmpty),    QString::fromLatin1(tabLoaded),
        QString::fromLatin1(tabChanged),  QString::fromLatin1(menuAdd),
        QString::fromLatin1(menuDelete),  QString::fromLatin1(menuEdit),
        QString::fromLatin1(statusOk),    QString::fromLatin1(statusInvalid),
        QString::fromLatin1(warning),     QString::fromLatin1(dialogBackground),
        QString::fromLatin1(dialogStrip), QString::fromLatin1(programIcon),
    };
}

}  // namespace varn::art

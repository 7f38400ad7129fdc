#include "separatorchoice.h"

#include "settingsfile.h"
#include "settingskeys.h"
#include "shellstyle.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace varn {

bool storeSeparatorForNextStart(SettingsFile& settings, char separator, QWidget* parent) {
    QString error;
    if (!settings.writeInteger(settingskeys::kGeneralSection, settingskeys::kSeparator,
                               separator == ',' ? 1 : 0, error)) {
        QMessageBox::critical(parent, shellstyle::messageTitle(), error);
        return false;
    }
    QMessageBox box(QMessageBox::NoIcon, shellstyle::messageTitle(),
                    QCoreApplication::translate(
                        "varn::SeparatorChoice",
                        "The changes will take effect after you restart the\u00A0program."),
                    QMessageBox::Ok, parent);
    box.exec();
    return true;
}

}  // namespace varn

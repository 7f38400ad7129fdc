#include "shellstyle.h"

#include <QPalette>
#include <QWidget>

namespace varn::shellstyle {

void paintPanel(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, kPanelColour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString messageTitle() {
    return QStringLiteral("Varn Placement Editor");
}

}  // namespace varn::shellstyle

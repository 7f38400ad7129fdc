#include "shellstyle.h"

#include <QGuiApplication>
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
    return QGuiApplication::applicationDisplayName();
}

}  // namespace varn::shellstyle

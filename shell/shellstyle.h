#pragma once

// Looks shared by the settings dialog and the About box.

#include <QColor>
#include <QString>

class QWidget;

namespace varn::shellstyle {

inline const QColor kPanelColour(234, 240, 255);

// Fills the widget's background with the panel colour.
void paintPanel(QWidget* widget);

// The title of the program's message boxes.
[[nodiscard]] QString messageTitle();

}  // namespace varn::shellstyle

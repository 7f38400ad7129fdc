#pragma once

// Saves a picture of a window when VARN_SCREENSHOT_DIR names a folder, so that a developer can
// look at what the tests built; without it nothing is written.

#include <QDir>
#include <QWidget>

namespace varn::testing {

inline void saveScreenshot(QWidget& widget, const QString& fileName) {
    const QString folder = qEnvironmentVariable("VARN_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    widget.grab().save(QDir(folder).filePath(fileName));
}

}  // namespace varn::testing

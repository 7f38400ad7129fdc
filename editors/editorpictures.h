#pragma once

#include <QPixmap>

namespace varn {

// The pictures the editor dialogs show, from the program's resources. A picture missing from
// the resources is a null pixmap; every user of these copes with that.
struct EditorPictures {
    QPixmap valid;      // 21 x 21 tick
    QPixmap invalid;    // 21 x 21 question mark
    QPixmap warning;    // 16 x 16 warning triangle
    QPixmap backdrop;   // stretched behind the fields
    QPixmap leftStrip;  // stretched over the strip along the left edge
};

// Loaded on first use, once per run; needs the GUI application to exist.
[[nodiscard]] const EditorPictures& editorPictures();

}  // namespace varn

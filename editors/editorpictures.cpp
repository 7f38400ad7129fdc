#include "editorpictures.h"

namespace varn {

const EditorPictures& editorPictures() {
    static const EditorPictures pictures{
        QPixmap(QStringLiteral(":/art/status-ok.png")),
        QPixmap(QStringLiteral(":/art/status-invalid.png")),
        QPixmap(QStringLiteral(":/art/warning.png")),
        QPixmap(QStringLiteral(":/art/fon.png")),
        QPixmap(QStringLiteral(":/art/leftimg.png")),
    };
    return pictures;
}

}  // namespace varn

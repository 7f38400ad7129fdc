#include "windowfit.h"

#include <QEvent>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace varn {
namespace {

// Fits the window once more at its first show, when the platform knows the frame.
class FirstShowFit : public QObject {
public:
    FirstShowFit(QWidget& window, const QSize& wanted)
        : QObject(&window), window_(window), wanted_(wanted) {
        window.installEventFilter(this);
    }

    void fit() const {
        const QScreen* screen = window_.screen();
        if (!screen) return;
        const QRect area = screen->availableGeometry();
        const QWindow* handle = window_.windowHandle();
        const QMargins frame = handle ? handle->frameMargins() : QMargins();
        window_.resize(fittedClientSize(wanted_, area.size(), frame));
        if (!handle) return;
        // The frame's top left corner, kept where the area holds the whole frame.
        const QSize outer = window_.size().grownBy(frame);
        const QPoint corner = window_.frameGeometry().topLeft();
        const int x = std::clamp(corner.x(), area.left(),
                                 std::max(area.left(), area.right() + 1 - outer.width()));
        const int y = std::clamp(corner.y(), area.top(),
                                 std::max(area.top(), area.bottom() + 1 - outer.height()));
        if (QPoint(x, y) != corner) window_.move(x, y);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show) {
            fit();
            window_.removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
    QSize wanted_;
};

}  // namespace

QSize fittedClientSize(const QSize& wanted, const QSize& available, const QMargins& frame) {
    return wanted.boundedTo(available.shrunkBy(frame)).expandedTo(QSize(1, 1));
}

void fitToScreen(QWidget& window, const QSize& wanted) {
    (new FirstShowFit(window, wanted))->fit();
}

}  // namespace varn

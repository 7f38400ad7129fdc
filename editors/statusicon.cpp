#include "statusicon.h"

#include "balloonhint.h"
#include "editorpictures.h"

#include <QEvent>

namespace varn {
namespace {
constexpr int kIconSize = 21;
constexpr int kRestMilliseconds = 100;
}  // namespace

StatusIcon::StatusIcon(BalloonHint* balloon, QWidget* parent) : QLabel(parent), balloon_(balloon) {
    setFixedSize(kIconSize, kIconSize);
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(kRestMilliseconds);
    connect(&restTimer_, &QTimer::timeout, this, &StatusIcon::showHint);
}

void StatusIcon::setPicture(const QPixmap& picture, const QString& standIn) {
    // Without its picture the icon still tells the two states apart.
    if (picture.isNull()) {
        clear();
        setText(standIn);
    } else {
        setPixmap(picture);
    }
}

void StatusIcon::setEmpty() {
    state_ = State::Empty;
    clear();
    setToolTip(QString());
}

void StatusIcon::setValid() {
    state_ = State::Valid;
    setPicture(editorPictures().valid, QStringLiteral("\u2713"));
    setToolTip(QString());
}

void StatusIcon::setInvalid(const QString& message) {
    state_ = State::Invalid;
    setPicture(editorPictures().invalid, QStringLiteral("?"));
    setToolTip(message);
}

void StatusIcon::showHint() {
    if (!toolTip().isEmpty() && isVisible()) balloon_->showFor(this, toolTip());
}

bool StatusIcon::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            // The hint waits until the pointer comes to rest; each move starts the wait again.
            if (!balloon_->isVisible()) restTimer_.start();
            break;
        case QEvent::Leave:
        case QEvent::Hide:
            restTimer_.stop();
            balloon_->hide();
            break;
        case QEvent::ToolTip:
            return true;  // the balloon stands in for the usual tool tip
        default:
            break;
    }
    return QLabel::event(event);
}

}  // namespace varn

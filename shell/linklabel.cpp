#include "linklabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace varn {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::openWithDesktop(const QString& target) {
    // The result is of no use: the desktop reports its own failures.
    QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

void LinkLabel::setUnderlined(bool on) {
    QFont shown = font();
    shown.setUnderline(on);
    setFont(shown);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    setUnderlined(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    setUnderlined(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    // The address is the caption as it is now, so changing the caption changes the target.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        opener_) {
        opener_(text());
    }
}

}  // namespace varn

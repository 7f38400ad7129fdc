#include "balloonhint.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>

namespace varn {
namespace {

constexpr int kStemHeight = 10;
constexpr int kStemWidth = 14;
constexpr int kStemOffset = 12;  // from the balloon's left edge to the stem's tip
constexpr int kPadding = 8;
constexpr int kMaxTextWidth = 260;

QPainterPath balloonPath(const QRectF& bubble) {
    QPainterPath path;
    path.addRoundedRect(bubble, 6, 6);
    QPainterPath stem;
    stem.moveTo(kStemOffset, 0.5);
    stem.lineTo(kStemOffset + kStemWidth, bubble.top() + 1);
    stem.lineTo(kStemOffset, bubble.top() + 1);
    stem.closeSubpath();
    return path.united(stem);
}

}  // namespace

BalloonHint::BalloonHint(QWidget* parent) : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("BalloonHint1"));
}

QRect BalloonHint::bubbleRect() const {
    return rect().adjusted(0, kStemHeight, -1, -1);
}

void BalloonHint::showFor(const QWidget* anchor, const QString& text) {
    text_ = text;
    const QRect textBox =
        fontMetrics().boundingRect(QRect(0, 0, kMaxTextWidth, 1000), Qt::TextWordWrap, text_);
    resize(textBox.width() + 2 * kPadding + 1, textBox.height() + 2 * kPadding + kStemHeight + 1);
    // A window mask gives the rounded shape without needing a compositing window manager.
    setMask(QRegion(balloonPath(bubbleRect()).toFillPolygon().toPolygon()));
    const QPoint tip = anchor->mapToGlobal(QPoint(anchor->width() / 2, anchor->height()));
    move(tip.x() - kStemOffset, tip.y());
    show();
    update();
}

void BalloonHint::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.setBrush(palette().color(QPalette::ToolTipBase));
    painter.drawPath(balloonPath(QRectF(bubbleRect()).adjusted(0.5, 0.5, -0.5, -0.5)));
    painter.drawText(bubbleRect().adjusted(kPadding, kPadding, -kPadding, -kPadding),
                     Qt::TextWordWrap, text_);
}

}  // namespace varn

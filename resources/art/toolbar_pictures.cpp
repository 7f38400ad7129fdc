#include "painting.h"
#include "pictures.h"

namespace varn::artwork {

namespace {
constexpr int toolbarSize = 24;

// Outlines sit on half pixels so that one-pixel edges stay sharp at this size.
QPainterPath sheetOutline(qreal left, qreal top, qreal right, qreal bottom, qreal fold) {
    QPainterPath sheet(QPointF(left, top));
    sheet.lineTo(right - fold, top);
    sheet.lineTo(right, top + fold);
    sheet.lineTo(right, bottom);
    sheet.lineTo(left, bottom);
    sheet.closeSubpath();
    return sheet;
}
}  // namespace

QImage drawToolbarNew() {
    QImage image = newCanvas(toolbarSize, toolbarSize);
    QPainter painter(&image);
    prepare(painter);
    const qreal left = 4.5, top = 1.5, right = 19.5, bottom = 22.5, fold = 6;
    painter.setPen(roundPen(palette::paperEdge, 1));
    painter.setBrush(palette::paper);
    painter.drawPath(sheetOutline(left, top, right, bottom, fold));

    QPainterPath corner(QPointF(right - fold, top));
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    corner.closeSubpath();
    painter.setBrush(palette::blueLight);
    painter.drawPath(corner);
    return image;
}

QImage drawToolbarOpen() {
    QImage image = newCanvas(toolbarSize, toolbarSize);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(roundPen(palette::amberEdge, 1));

    QPainterPath back(QPointF(1.5, 4.5));
    back.lineTo(8.0, 4.5);
    back.lineTo(10.0, 6.5);
    back.lineTo(18.5, 6.5);
    back.lineTo(18.5, 20.5);
    back.lineTo(1.5, 20.5);
    back.closeSubpath();
    painter.setBrush(palette::amberDark);
    painter.drawPath(back);

    // A sheet peeking out tells an open folder from a closed one.
    painter.setPen(roundPen(palette::paperEdge, 1));
    painter.setBrush(palette::paper);
    painter.drawRect(QRectF(4.5, 8.5, 11, 8));

    QPainterPath front(QPointF(5.5, 11.5));
    front.lineTo(22.5, 11.5);
    front.lineTo(18.5, 20.5);
    front.lineTo(1.5, 20.5);
    front.closeSubpath();
    painter.setPen(roundPen(palette::amberEdge, 1));
    painter.setBrush(palette::amber);
    painter.drawPath(front);
    return image;
}

QImage drawToolbarSave() {
    QImage image = newCanvas(toolbarSize, toolbarSize);
    QPainter painter(&image);
    prepare(painter);

    QPainterPath body(QPointF(4.5, 2.5));
    body.lineTo(18.0, 2.5);
    body.lineTo(21.5, 6.0);
    body.lineTo(21.5, 19.5);
    body.quadTo(21.5, 21.5, 19.5, 21.5);
    body.lineTo(4.5, 21.5);
    body.quadTo(2.5, 21.5, 2.5, 19.5);
    body.lineTo(2.5, 4.5);
    body.quadTo(2.5, 2.5, 4.5, 2.5);
    painter.setPen(roundPen(palette::blueDark, 1));
    painter.setBrush(palette::blue);
    painter.drawPath(body);

    // The shutter with its window, then the white label.
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::metal);
    painter.drawRect(QRectF(7, 3, 10, 6.5));
    painter.setBrush(palette::blueDark);
    painter.drawRect(QRectF(13, 4, 2.5, 4.5));
    painter.setBrush(palette::paper);
    painter.drawRoundedRect(QRectF(5.5, 12.5, 13, 9), 1, 1);
    painter.setPen(QPen(palette::blueLight, 1));
    painter.drawLine(QPointF(7.5, 15.5), QPointF(16.5, 15.5));
    painter.drawLine(QPointF(7.5, 18.5), QPointF(16.5, 18.5));
    return image;
}

QImage drawToolbarSeparator() {
    QImage image = newCanvas(toolbarSize, toolbarSize);
    QPainter painter(&image);
    prepare(painter);

    // "0.0" above "0,0": the two ways the program can write a decimal number. A rule between
    // the rows keeps the dot and the comma from reading as one semicolon.
    const qreal digitWidth = 5.6, digitHeight = 7.6, stroke = 1.5;
    const qreal leftDigit = 2.6, rightDigit = 24 - 2.6 - digitWidth;
    const qreal centre = 12;
    const qreal rows[] = {1.4, 13.2};
    painter.setPen(QPen(palette::ink, stroke));
    painter.setBrush(Qt::NoBrush);
    for (const qreal top : rows) {
        painter.drawEllipse(QRectF(leftDigit, top, digitWidth, digitHeight));
        painter.drawEllipse(QRectF(rightDigit, top, digitWidth, digitHeight));
    }
    painter.setPen(QPen(palette::grey, 1));
    painter.drawLine(QPointF(2, 11.5), QPointF(22, 11.5));

    const qreal dotRadius = 1.35;
    const QPointF dot(centre, rows[0] + digitHeight - dotRadius + stroke / 2);
    const QPointF commaDot(centre, rows[1] + digitHeight - dotRadius - 1.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::blue);
    painter.drawPath(circle(dot, dotRadius));
    painter.drawPath(circle(commaDot, dotRadius));
    painter.setPen(roundPen(palette::blue, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(commaTail(commaDot, dotRadius));
    return image;
}

}  // namespace varn::artwork

#include "ui/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Pictures {

namespace {

QPixmap transparent(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawX(QPainter &p, const QRectF &box, const QColor &colour, qreal thickness)
{
    p.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
}

} // namespace

QPixmap bigExit()
{
    QPixmap pixmap = transparent(74, 78);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(14, 14, 46, 50);
    drawX(p, box.translated(4, 4), QColor(90, 0, 0, 150), 16);   // shadow
    drawX(p, box, QColor(150, 0, 0), 16);
    drawX(p, box.translated(-1.5, -1.5), QColor(225, 30, 30), 11);
    drawX(p, box.translated(-3, -3), QColor(255, 140, 140), 3);  // highlight
    return pixmap;
}

QPixmap smallExit()
{
    QPixmap pixmap = transparent(32, 32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(210, 20, 20), 4.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath first;
    first.moveTo(5, 6);
    first.cubicTo(12, 12, 18, 19, 27, 27);
    QPainterPath second;
    second.moveTo(26, 4);
    second.cubicTo(19, 13, 12, 19, 6, 28);
    p.drawPath(first);
    p.drawPath(second);
    return pixmap;
}

QPixmap tab(bool pointsRight)
{
    QPixmap pixmap(9, 107);
    pixmap.fill(QColor(192, 192, 192));
    QPainter p(&pixmap);
    p.setPen(QColor(255, 255, 255));
    p.drawLine(0, 0, 0, 106);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(8, 0, 8, 106);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 200), 1.6));
    for (const int top : {40, 56}) {
        const qreal near = pointsRight ? 2.5 : 6.5;
        const qreal far = pointsRight ? 6.5 : 2.5;
        p.drawLine(QPointF(near, top), QPointF(far, top + 5));
        p.drawLine(QPointF(far, top + 5), QPointF(near, top + 10));
    }
    return pixmap;
}

QPixmap floppy()
{
    QPixmap pixmap = transparent(34, 33);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 20, 60), 1));
    p.setBrush(QColor(40, 60, 140));
    p.drawRoundedRect(QRectF(7.5, 0.5, 20, 20), 2, 2);
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(11.5, 0.5, 11, 6));      // shutter
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10.5, 11.5, 14, 9));     // label
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(20, 20, 60));
    p.drawText(QRectF(0, 21, 34, 12), Qt::AlignCenter, QStringLiteral("SAVE"));
    return pixmap;
}

QPixmap logo()
{
    QPixmap pixmap = transparent(100, 79);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 100, 79);
    sky.setColorAt(0, QColor(255, 214, 150));
    sky.setColorAt(1, QColor(235, 130, 60));
    p.setPen(QPen(QColor(120, 60, 20), 1.5));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(1, 1, 98, 77), 10, 10);
    // Two part outlines and an arrow between them: old name to new name.
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRect(QRectF(10, 22, 26, 34));
    p.drawEllipse(QRectF(64, 22, 26, 34));
    p.setPen(QPen(QColor(60, 30, 10), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(41, 39), QPointF(58, 39));
    p.drawLine(QPointF(52, 33), QPointF(58, 39));
    p.drawLine(QPointF(52, 45), QPointF(58, 39));
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(12);
    font.setBold(true);
    font.setItalic(true);
    p.setFont(font);
    p.drawText(QRectF(0, 60, 100, 16), Qt::AlignCenter, QStringLiteral("Velmorant"));
    return pixmap;
}

QPixmap sleeper(bool awake)
{
    QPixmap pixmap = transparent(36, 43);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 50, 0), 1.5));
    p.setBrush(awake ? QColor(255, 230, 40) : QColor(245, 150, 40));
    p.drawEllipse(QRectF(4, 2, 28, 26));        // head
    p.drawRoundedRect(QRectF(9, 27, 18, 15), 5, 5); // body
    if (awake) {
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(10, 9, 7, 7));
        p.drawEllipse(QRectF(19, 9, 7, 7));
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(12.5, 11.5, 2.5, 2.5));
        p.drawEllipse(QRectF(21.5, 11.5, 2.5, 2.5));
        p.drawArc(QRectF(12, 15, 12, 8), 200 * 16, 140 * 16);
    } else {
        p.drawArc(QRectF(10, 9, 7, 5), 180 * 16, 180 * 16);
        p.drawArc(QRectF(19, 9, 7, 5), 180 * 16, 180 * 16);
        p.drawLine(QPointF(15, 21), QPointF(21, 21));
    }
    return pixmap;
}

QPixmap windowIcon()
{
    return logo().scaled(40, 42, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace Pictures

#include "ui/widgets/Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace Pictures {

namespace {

// A canvas of `size` logical pixels with as many device pixels as the ratio
// asks for; the painter draws on it in logical pixels.
QPixmap canvas(QSize size, qreal devicePixelRatio, const QColor &background = Qt::transparent)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(background);
    return pixmap;
}

void drawX(QPainter &p, const QRectF &box, const QColor &colour, qreal thickness)
{
    p.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
}

void paintBigExit(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(14, 14, 46, 50);
    drawX(p, box.translated(4, 4), QColor(90, 0, 0, 150), 16); // shadow
    drawX(p, box, QColor(150, 0, 0), 16);
    drawX(p, box.translated(-1.5, -1.5), QColor(225, 30, 30), 11);
    drawX(p, box.translated(-3, -3), QColor(255, 140, 140), 3); // highlight
}

void paintSmallExit(QPainter &p)
{
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
}

void paintTab(QPainter &p, bool pointsRight)
{
    // Light left edge, dark right edge, one logical pixel each.
    p.fillRect(QRectF(0, 0, 1, 107), QColor(255, 255, 255));
    p.fillRect(QRectF(8, 0, 1, 107), QColor(128, 128, 128));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 200), 1.6));
    for (const int top : {40, 56}) {
        const qreal near = pointsRight ? 2.5 : 6.5;
        const qreal far = pointsRight ? 6.5 : 2.5;
        p.drawLine(QPointF(near, top), QPointF(far, top + 5));
        p.drawLine(QPointF(far, top + 5), QPointF(near, top + 10));
    }
}

void paintFloppy(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 20, 60), 1));
    p.setBrush(QColor(40, 60, 140));
    p.drawRoundedRect(QRectF(7.5, 0.5, 20, 20), 2, 2);
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(11.5, 0.5, 11, 6)); // shutter
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10.5, 11.5, 14, 9)); // label
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(20, 20, 60));
    p.drawText(QRectF(0, 21, 34, 12), Qt::AlignCenter, QStringLiteral("SAVE"));
}

void paintLogo(QPainter &p)
{
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
}

void paintSleeper(QPainter &p, bool awake)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 50, 0), 1.5));
    p.setBrush(awake ? QColor(255, 230, 40) : QColor(245, 150, 40));
    p.drawEllipse(QRectF(4, 2, 28, 26));            // head
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
}

QSize sizeOf(Picture picture)
{
    switch (picture) {
    case Picture::BigExit:
        return {74, 78};
    case Picture::SmallExit:
        return {32, 32};
    case Picture::TabRight:
    case Picture::TabLeft:
        return {9, 107};
    case Picture::Floppy:
        return {34, 33};
    case Picture::Logo:
        return {100, 79};
    case Picture::Asleep:
    case Picture::Awake:
        return {36, 43};
    }
    return {};
}

} // namespace

QPixmap draw(Picture picture, qreal devicePixelRatio)
{
    const bool tab = picture == Picture::TabRight || picture == Picture::TabLeft;
    QPixmap pixmap = canvas(sizeOf(picture), devicePixelRatio, tab ? QColor(192, 192, 192) : QColor(Qt::transparent));
    QPainter p(&pixmap);
    switch (picture) {
    case Picture::BigExit:
        paintBigExit(p);
        break;
    case Picture::SmallExit:
        paintSmallExit(p);
        break;
    case Picture::TabRight:
    case Picture::TabLeft:
        paintTab(p, picture == Picture::TabRight);
        break;
    case Picture::Floppy:
        paintFloppy(p);
        break;
    case Picture::Logo:
        paintLogo(p);
        break;
    case Picture::Asleep:
    case Picture::Awake:
        paintSleeper(p, picture == Picture::Awake);
        break;
    }
    return pixmap;
}

// The symbol the desktop shows for the program, drawn for each size
// rather than scaled from one: every size the build put among the
// resources.
QIcon windowIcon()
{
    QIcon icon;
    for (const QFileInfo &size : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files))
        icon.addFile(size.filePath());
    return icon;
}

} // namespace Pictures

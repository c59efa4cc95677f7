#pragma once

#include <QGuiApplication>
#include <QLatin1String>
#include <QRect>
#include <QScreen>
#include <QtMath>

// Lengths in the window design are twips: 1440 to the inch, so 15 to a
// pixel at 96 dots per inch and 12 at 120. The inch is the screen's logical
// one, the one fonts are sized by: where the desktop enlarges fonts without
// scaling the whole window, the design grows with them and every caption
// keeps its room.
namespace Twips {

inline constexpr double kPerInch = 1440.0;

inline double perPixel()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return kPerInch / (dpi > 0 ? dpi : 96.0);
}

inline int toPixels(double twips)
{
    return qRound(twips / perPixel());
}

inline double fromPixels(int pixels)
{
    return pixels * perPixel();
}

inline QRect rect(double left, double top, double width, double height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

// Names a control and puts it at its design rectangle in its container.
template <typename Control>
Control *place(Control *control, const char *name, double left, double top, double width, double height)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(rect(left, top, width, height));
    return control;
}

} // namespace Twips

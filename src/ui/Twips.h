#pragma once

#include <QLatin1String>
#include <QRect>
#include <QtMath>

// Lengths in the window design are twips: 1440 to the inch, 15 to a pixel
// at 96 dots per inch.
namespace Twips {

inline constexpr double kPerPixel = 15.0;

inline int toPixels(double twips)
{
    return qRound(twips / kPerPixel);
}

inline double fromPixels(int pixels)
{
    return pixels * kPerPixel;
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

#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace DesignFont {

// The design's "MS Sans Serif" 8.25 pt, falling back to metric-alike and
// then to the system's sans-serif faces where it is not installed.
inline QFont sansSerif(qreal pointSize = 8.25, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

inline QFont bold()
{
    return sansSerif(8.25, true);
}

// Where the fonts at hand run wider than the design's, a caption widens its
// control to the width it needs; the design width stays the least.
inline void widenToCaption(QWidget *control)
{
    control->resize(std::max(control->width(), control->sizeHint().width()), control->height());
}

} // namespace DesignFont

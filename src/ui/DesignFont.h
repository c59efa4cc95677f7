#pragma once

#include <QFont>
#include <QStringList>

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

} // namespace DesignFont

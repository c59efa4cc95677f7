#pragma once

#include <QString>
#include <QStringList>
#include <QTextDocument>

namespace ShownText {

// `text` with every line cut to `maxLine` characters, the cut marked with
// "…": findings name the names, and a name may be megabytes long, more than
// a tooltip or a message box can lay out in reasonable time.
inline QString withShortLines(const QString &text, qsizetype maxLine = 200)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (line.size() > maxLine)
            line = line.left(maxLine) + QChar(0x2026);
    }
    return lines.join(u'\n');
}

// A tooltip that shows `plain` as it stands: a tooltip is read as rich
// text when it looks like some, and a name such as "<b>x.prt" or a path
// with "<img" must neither change the look nor load anything.
inline QString asToolTip(const QString &plain)
{
    return plain.isEmpty() ? plain : Qt::convertFromPlainText(plain, Qt::WhiteSpaceNormal);
}

} // namespace ShownText

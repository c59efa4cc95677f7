#pragma once

#include <QString>

namespace Counted {

// "1 Fehler", "3 Warnungen": the count and the word that goes with it.
inline QString text(qsizetype count, const QString &one, const QString &many)
{
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

} // namespace Counted

#include "ui/chooser/TreeWatch.h"

#include <QSet>

#include <algorithm>

namespace TreeWatch {

qint64 readDelay(qint64 sinceLastReadMs, qint64 intervalMs)
{
    if (sinceLastReadMs < 0)
        return 0;
    return std::max<qint64>(0, intervalMs - sinceLastReadMs);
}

bool subfoldersDiffer(const QStringList &shown, const QStringList &onDisk)
{
    return shown.size() != onDisk.size()
        || QSet<QString>(shown.begin(), shown.end()) != QSet<QString>(onDisk.begin(), onDisk.end());
}

} // namespace TreeWatch

#include "ui/lists/UndoBudget.h"

#include <numeric>

namespace UndoBudget {

qint64 bytesOf(const QStringList &names)
{
    // A name's allocation: Qt's header and the allocator's own, rounded up.
    constexpr qint64 kPerName = qint64(sizeof(QString)) + 48;
    constexpr qint64 kPerList = 256;
    qint64 bytes = kPerList;
    for (const QString &name : names)
        bytes += kPerName + 2 * name.size();
    return bytes;
}

qsizetype oldestToForget(const QList<qint64> &costs, qint64 budget)
{
    qint64 held = std::accumulate(costs.cbegin(), costs.cend(), qint64(0));
    qsizetype forgotten = 0;
    while (held > budget && forgotten + 1 < costs.size())
        held -= costs.at(forgotten++);
    return forgotten;
}

} // namespace UndoBudget

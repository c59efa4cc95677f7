#include "lists/ReplacementRule.h"

#include "common/Module1.h"

#include <algorithm>

namespace ReplacementRule {

QStringList apply(const QStringList &oldNames, const QString &expression, const QString &replacement)
{
    QStringList newNames;
    newNames.reserve(oldNames.size());
    for (const QString &name : oldNames)
        newNames.append(Module1::ReplaceFirst(name, expression, replacement));
    return newNames;
}

qsizetype changedCount(const QStringList &oldNames, const QStringList &newNames)
{
    qsizetype changed = 0;
    for (qsizetype i = 0; i < std::min(oldNames.size(), newNames.size()); ++i)
        changed += oldNames.at(i) != newNames.at(i);
    return changed;
}

} // namespace ReplacementRule

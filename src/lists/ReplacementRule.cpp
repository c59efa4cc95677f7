#include "lists/ReplacementRule.h"

#include "common/Module1.h"

namespace ReplacementRule {

QStringList apply(const QStringList &oldNames, const QString &expression, const QString &replacement)
{
    QStringList newNames;
    newNames.reserve(oldNames.size());
    for (const QString &name : oldNames)
        newNames.append(Module1::ReplaceFirst(name, expression, replacement));
    return newNames;
}

} // namespace ReplacementRule

#include "check/ComparedPairs.h"

#include "common/Module1.h"

#include <QHash>

#include <algorithm>

ComparedPairs comparePairs(const QStringList &oldNames, const QStringList &newNames)
{
    const qsizetype rows = std::min(oldNames.size(), newNames.size());
    ComparedPairs result;
    result.pairs.resize(rows);
    QHash<QString, int> keys;
    keys.reserve(2 * rows);
    const auto keyOf = [&](const QString &name) {
        const QString folded = name.toCaseFolded();
        auto it = keys.constFind(folded);
        if (it == keys.constEnd())
            it = keys.insert(folded, int(keys.size()));
        return it.value();
    };
    for (qsizetype i = 0; i < rows; ++i) {
        ComparedPair &p = result.pairs[i];
        p.oldName = Module1::NormalisedName(oldNames.at(i));
        p.newName = Module1::NormalisedName(newNames.at(i));
        if (!p.oldName.isEmpty())
            p.oldKey = keyOf(p.oldName);
        if (!newNames.at(i).isEmpty())
            p.newKey = keyOf(p.newExtension().isEmpty() ? QString(p.newName).append(p.oldExtension()) : p.newName);
    }
    result.keyCount = int(keys.size());
    return result;
}

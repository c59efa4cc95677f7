#include "check/ComparedPairs.h"

#include "common/Module1.h"

#include <QHash>

#include <algorithm>

namespace {

// Most names are in lower case already, as Pro/ENGINEER writes them:
// nothing to fold, and no copy.
bool isFolded(const QString &name)
{
    return std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80 && !c.isUpper(); });
}

qsizetype dotOf(const QString &name)
{
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? name.size() : dot;
}

} // namespace

ComparedPairs comparePairs(const QStringList &oldNames, const QStringList &newNames)
{
    const qsizetype rows = std::min(oldNames.size(), newNames.size());
    ComparedPairs result;
    result.pairs.resize(rows);
    // Each key is stored one up, so that a new entry's 0 tells it apart.
    QHash<QString, int> keys;
    keys.reserve(2 * rows);
    const auto keyOf = [&](const QString &name) {
        const QString folded = isFolded(name) ? name : name.toCaseFolded();
        int &key = keys[folded];
        if (key == 0)
            key = int(keys.size());
        return key - 1;
    };
    for (qsizetype i = 0; i < rows; ++i) {
        ComparedPair &p = result.pairs[i];
        p.oldName = Module1::NormalisedName(oldNames.at(i));
        p.newName = Module1::NormalisedName(newNames.at(i));
        p.oldDot = dotOf(p.oldName);
        p.newDot = dotOf(p.newName);
        if (!p.oldName.isEmpty())
            p.oldKey = keyOf(p.oldName);
        if (!newNames.at(i).isEmpty())
            p.newKey = keyOf(p.newExtension().isEmpty() ? QString(p.newName).append(p.oldExtension()) : p.newName);
    }
    result.keyCount = int(keys.size());
    return result;
}

#include "check/UnchangedPairs.h"

#include "check/ComparedPairs.h"
#include "common/Counted.h"
#include "lists/NameListOps.h"

using namespace Qt::StringLiterals;

namespace UnchangedPairs {

Result removed(const QStringList &oldNames, const QStringList &newNames)
{
    Result result;
    if (oldNames.size() != newNames.size()) {
        result.oldNames = oldNames;
        result.newNames = newNames;
        result.status = u"Achtung: "_s + NameListOps::countsDifferMessage(oldNames.size(), newNames.size())
            + u", keine Paare entfernt"_s;
        return result;
    }
    const ComparedPairs compared = comparePairs(oldNames, newNames);
    for (qsizetype i = 0; i < oldNames.size(); ++i) {
        if (compared.pairs.at(i).unchanged()) {
            ++result.removed;
            continue;
        }
        result.oldNames.append(oldNames.at(i));
        result.newNames.append(newNames.at(i));
    }
    result.status = result.removed == 0
        ? u"Keine unveränderten Paare"_s
        : Counted::text(result.removed, u"unverändertes Paar"_s, u"unveränderte Paare"_s) + u" entfernt"_s;
    return result;
}

} // namespace UnchangedPairs

#include "verify/UsersSaved.h"

#include "common/Module1.h"
#include "verify/RunTexts.h"

#include <algorithm>
#include <iterator>

namespace UsersSaved {

QList<RunCheck::Finding> check(const QStringList &oldNames, const QStringList &newNames, const RunCheck::Result &run,
                               const UseIndex &after)
{
    QList<RunCheck::Finding> findings;
    const qsizetype n = std::min({oldNames.size(), newNames.size(), run.states.size()});
    for (qsizetype row = 0; row < n; ++row) {
        if (run.states.at(row) != RunCheck::State::Done || oldNames.at(row).isEmpty())
            continue;
        const QString oldName = Module1::NormalisedName(oldNames.at(row)).toLower();
        for (const QString &user : after.usersOf(oldName))
            findings.append({row, RunTexts::stillNamed(row, user, oldName)});
    }
    return findings;
}

void add(RunCheck::Result &run, const QList<RunCheck::Finding> &findings)
{
    if (findings.isEmpty())
        return;
    QList<RunCheck::Finding> all;
    all.reserve(run.findings.size() + findings.size());
    std::merge(run.findings.begin(), run.findings.end(), findings.begin(), findings.end(), std::back_inserter(all),
               [](const RunCheck::Finding &a, const RunCheck::Finding &b) { return a.row < b.row; });
    run.findings = std::move(all);
    run.differences += findings.size();
}

} // namespace UsersSaved

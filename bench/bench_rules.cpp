// The rule list's steps over a full list, what "Übernehmen" and
// velmorant-cli --rules compute.
#include "BenchSupport.h"
#include "RulesBench.h"
#include "rules/RuleList.h"

#include <cstdio>

void rulesBenchmark(qsizetype names)
{
    const QStringList oldNames = benchLists(names).oldNames;
    QStringList newNames;
    const std::vector<double> ms = timingsMs(11, [&] { newNames = RuleList(fiveBenchSteps()).newNames(oldNames); });
    const Spread t = spreadOf(ms);
    std::printf("Regeln: 5 Schritte über %lld Namen: %.1f ms (%.1f-%.1f), goal <= 50 ms (%s -> %s)\n",
                static_cast<long long>(names), t.median, t.min, t.max, qPrintable(oldNames.last()),
                qPrintable(newNames.last()));
}

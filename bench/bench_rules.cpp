// The rule list's steps over a full list, what "Übernehmen" and
// velmorant-cli --rules compute.
#include "BenchSupport.h"
#include "RulesBench.h"
#include "rules/RuleList.h"

#include <cstdio>
#include <ctime>

void rulesBenchmark(qsizetype names)
{
    const QStringList oldNames = benchLists(names).oldNames;
    QStringList newNames;
    // Processor time beside the wall's: on a machine busy with other work
    // it is the nearer to what an idle one would take.
    std::vector<double> cpu;
    const std::vector<double> ms = timingsMs(11, [&] {
        const std::clock_t start = std::clock();
        newNames = RuleList(fiveBenchSteps()).newNames(oldNames);
        cpu.push_back((std::clock() - start) * 1000.0 / CLOCKS_PER_SEC);
    });
    const Spread t = spreadOf(ms);
    std::printf("Regeln: 5 Schritte über %lld Namen: %.1f ms (%.1f-%.1f; CPU %.1f ms), goal <= 50 ms (%s -> %s)\n",
                static_cast<long long>(names), t.median, t.min, t.max, spreadOf(cpu).median,
                qPrintable(oldNames.last()), qPrintable(newNames.last()));
}

// A recorded template set goes through the generator as the built-in one
// does: the built-in set written out as a recording and read back is the
// same work, so the two are timed on equal bytes, in pairs of runs that
// take turns going first. The recording is read and checked once, as the
// window does before each generation, and that is timed too.
#include "TemplatesBench.h"

#include "BenchSupport.h"
#include "common/Cp1252.h"
#include "generator/MapkeyGenerator.h"
#include "templates/RecordedTemplates.h"
#include "templates/TemplateExport.h"

#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

void templatesBenchmark(qsizetype pairs)
{
    const BenchLists lists = benchLists(pairs);
    RecordedTemplates::Choice choice;
    choice.file = u"vorlage.pro"_s;
    const Recording::File file = Recording::fromText(Cp1252::decode(TemplateExport::recording()));
    RecordedTemplates::Checked recorded;
    const double checkMs = medianMs(21, [&] { recorded = RecordedTemplates::check(file, choice); });
    if (!recorded.usable()) {
        std::printf("Vorlage: the built-in set read back does not check\n");
        return;
    }
    const auto generate = [&](const TemplateSet &set) {
        return std::function<void()>([&lists, &set] {
            if (MapkeyGenerator::generateFile(lists.oldNames, lists.newNames, set).fileBytes.isEmpty())
                std::fprintf(stderr, "generation failed\n");
        });
    };
    const std::function<void()> builtIn = generate(TemplateSet::builtIn());
    const std::function<void()> fromRecording = generate(*recorded.set);
    const PairedRuns runs = pairedRuns(
        9, [&] { return medianMs(1, builtIn); }, [&] { return medianMs(1, fromRecording); });
    const Spread &b = runs.yardstick;
    const Spread &r = runs.measured;
    const Spread &q = runs.ratio;
    std::printf("Vorlage, %lld pairs: built-in %.0f ms (%.0f-%.0f) | recorded %.0f ms (%.0f-%.0f) | ratio of 9 paired "
                "runs %.2f (%.2f-%.2f), goal <= 1.20 | recording read and checked in %.3f ms\n",
                static_cast<long long>(pairs), b.median, b.min, b.max, r.median, r.min, r.max, q.median, q.min, q.max,
                checkMs);
}

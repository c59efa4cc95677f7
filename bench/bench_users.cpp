// The users of what is renamed, measured on the folder's use as the reader
// reads it from the bench's folder: 2,000 assemblies and drawings using
// twenty parts each and 20,000 parts, against a full list of pairs that
// renames parts.
#include "UsersBench.h"

#include "BenchSupport.h"
#include "check/NameCheck.h"
#include "check/UseIndex.h"
#include "check/UsersToTake.h"
#include "generator/MapkeyGenerator.h"
#include "usage/FolderUsage.h"

#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFolderParts = 20000;
constexpr int kFolderParents = 2000;

// As the bench's folder names them.
QString partName(int i)
{
    return u"teil_%1.prt"_s.arg(i);
}

struct Lists {
    QStringList oldNames;
    QStringList newNames;
};

// 32,767 pairs: the 20,000 parts of the folder and more that are not there.
Lists partPairs()
{
    Lists lists;
    for (int i = 0; i < 32767; ++i) {
        lists.oldNames << u"C:\\work\\projekt\\"_s + partName(i) + u".3"_s;
        lists.newNames << u"neu_"_s + partName(i);
    }
    return lists;
}

void checkBenchmark(const Lists &lists, const QList<FolderUsage::Object> &objects)
{
    QStringList names;
    for (const FolderUsage::Object &object : objects)
        names << object.name;
    const FolderObjects folder(names);
    UseIndex use;
    const double indexMs = medianMs(5, [&] { use = UseIndex(objects); });
    qsizetype findings = 0;
    qsizetype taken = 0;
    const PairedRuns left = pairedRuns(
        15, [&] { return timingsMs(1, [&] { NameCheck::check(lists.oldNames, lists.newNames, &folder); }).front(); },
        [&] {
            return timingsMs(1,
                             [&] { findings = NameCheck::check(lists.oldNames, lists.newNames, &folder, &use).size(); })
                .front();
        });
    const PairedRuns taking = pairedRuns(
        15, [&] { return timingsMs(1, [&] { NameCheck::check(lists.oldNames, lists.newNames, &folder); }).front(); },
        [&] {
            return timingsMs(1,
                             [&] {
                                 NameCheck::check(lists.oldNames, lists.newNames, &folder);
                                 taken = UsersToTake::choose(lists.oldNames, lists.newNames, use).size();
                             })
                .front();
        });
    std::printf("Verwender, 32767 Paare gegen %d Baugruppen/Zeichnungen und %d Teile (read from the folder): the check "
                "with the folder "
                "%.1f ms | with the rule on users left behind %.1f ms (%lld findings), ratio %.2f (%.2f-%.2f) | with "
                "the users chosen for the run %.1f ms (%lld users), ratio %.2f (%.2f-%.2f); goal <= 2.50 | the use "
                "as a table, once per read: %.1f ms\n",
                kFolderParents, kFolderParts, left.yardstick.median, left.measured.median,
                static_cast<long long>(findings), left.ratio.median, left.ratio.min, left.ratio.max,
                taking.measured.median, static_cast<long long>(taken), taking.ratio.median, taking.ratio.min,
                taking.ratio.max, indexMs);
}

void generationBenchmark(const Lists &lists, const QList<FolderUsage::Object> &objects)
{
    QStringList users;
    for (const FolderUsage::Object &object : objects) {
        if (object.reading.fileKind != ObjectUse::FileKind::Part)
            users << object.name;
    }
    const TemplateSet &builtIn = TemplateSet::builtIn();
    qsizetype bytes = 0;
    const PairedRuns r = pairedRuns(
        15,
        [&] { return timingsMs(1, [&] { MapkeyGenerator::generateFile(lists.oldNames, lists.newNames); }).front(); },
        [&] {
            return timingsMs(1,
                             [&] {
                                 bytes = MapkeyGenerator::generateFile(lists.oldNames, lists.newNames, builtIn, users)
                                             .fileBytes.size();
                             })
                .front();
        });
    std::printf("Verwender, rename.pro for 32767 pairs: without users %.1f ms | with %lld users %.1f ms (%lld "
                "bytes) | ratio of 15 paired runs %.2f (%.2f-%.2f), goal <= 1.10\n",
                r.yardstick.median, static_cast<long long>(users.size()), r.measured.median,
                static_cast<long long>(bytes), r.ratio.median, r.ratio.min, r.ratio.max);
}

} // namespace

void usersBenchmarks(const QString &folder)
{
    FolderUsage usage;
    if (!usage.refresh(folder)) {
        std::printf("Verwender: %s\n", qPrintable(usage.error()));
        return;
    }
    const Lists lists = partPairs();
    const QList<FolderUsage::Object> &objects = usage.objects();
    checkBenchmark(lists, objects);
    generationBenchmark(lists, objects);
}

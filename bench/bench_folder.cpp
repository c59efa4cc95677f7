// The working folder: reading a large folder, the name check with the
// folder's rules beside the check without them and the generation, and the
// check after a run beside the name check against the same folder.
#include "FolderBench.h"

#include "BenchSupport.h"
#include "check/FolderCheck.h"
#include "check/NameCheck.h"
#include "folder/CheckFolder.h"
#include "folder/FolderReader.h"
#include "generator/MapkeyGenerator.h"
#include "lists/NameListOps.h"
#include "verify/RunCheck.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// 30,000 objects saved two or three times each, as Pro/ENGINEER leaves
// them, among trail files and other files: 100,000 files.
bool makeWorkingFolder(const QString &folder)
{
    QStringList names;
    const QStringList types{u"prt"_s, u"asm"_s, u"drw"_s};
    for (int i = 0; i < 30000; ++i) {
        const QString base = u"teil_%1."_s.arg(i, 5, 10, QLatin1Char('0')) + types.at(i % 3);
        for (int version = 1; version <= 2 + i % 2; ++version)
            names << base + u'.' + QString::number(version);
    }
    for (int i = 0; names.size() < 100000; ++i)
        names << (i % 2 ? u"trail.txt.%1"_s : u"notiz_%1.txt"_s).arg(i);
    if (!QDir().mkpath(folder))
        return false;
    for (const QString &name : names) {
        if (QFile file(folder + u'/' + name); !file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

// Wall-clock and processor milliseconds of one run: on a busy machine the
// wall clock counts the other programs too.
struct Times {
    double wallMs = 0;
    double cpuMs = 0;
};

Times timesOf(const std::function<void()> &work)
{
    Times t;
    const std::clock_t start = std::clock();
    t.wallMs = timingsMs(1, work).front();
    t.cpuMs = (std::clock() - start) * 1000.0 / CLOCKS_PER_SEC;
    return t;
}

void readingBenchmark(const QString &folder)
{
    qsizetype objects = 0;
    std::vector<double> wall, cpu;
    for (int i = 0; i < 9; ++i) {
        const Times t = timesOf([&] { objects = FolderReader::read(folder).names.size(); });
        wall.push_back(t.wallMs);
        cpu.push_back(t.cpuMs);
    }
    const Spread w = spreadOf(wall);
    std::printf("Ordner einlesen, 100000 files, %lld objects: %.0f ms (%.0f-%.0f; CPU %.0f ms), goal <= 500 ms\n",
                static_cast<long long>(objects), w.median, w.min, w.max, spreadOf(cpu).median);
}

// Every old object in the folder, half the models with a drawing left
// behind: each pair meets all three rules, and every other one gives a
// finding. The runs with and without the folder alternate, so that both
// meet the same load.
void checkBenchmark()
{
    const BenchLists lists = benchLists(32767);
    QStringList folderNames;
    for (qsizetype i = 0; i < lists.oldNames.size(); ++i) {
        const QString object = lists.oldNames.at(i).section(u'\\', -1).section(u'.', 0, 1);
        folderNames << object;
        if (i % 2 == 0)
            folderNames << object.chopped(4) + u".drw"_s;
    }
    const FolderObjects folder(folderNames);
    qsizetype findings = 0;
    std::vector<double> without, with, ratios, cpuRatios;
    for (int i = 0; i < 11; ++i) {
        const Times a = timesOf([&] { NameCheck::check(lists.oldNames, lists.newNames); });
        const Times b = timesOf([&] { findings = NameCheck::check(lists.oldNames, lists.newNames, &folder).size(); });
        without.push_back(a.wallMs);
        with.push_back(b.wallMs);
        ratios.push_back(b.wallMs / a.wallMs);
        cpuRatios.push_back(b.cpuMs / a.cpuMs);
    }
    const double aloneMs = medianMs(11, [&] { FolderCheck::check(lists.oldNames, lists.newNames, folder); });
    const double generateMs = medianMs(11, [&] { MapkeyGenerator::generateFile(lists.oldNames, lists.newNames); });
    const double withMs = spreadOf(with).median;
    const Spread r = spreadOf(ratios);
    std::printf("Namensprüfung 32767 Paare gegen einen Ordner: %.2f ms (%lld findings) | without the folder %.2f ms | "
                "ratio %.2f (%.2f-%.2f; CPU %.2f), goal <= 2.00 | generate %.2f ms, check with folder/generate %.2f, "
                "goal well under 1 | "
                "folder rules alone, comparing the pairs again: %.2f ms\n",
                withMs, static_cast<long long>(findings), spreadOf(without).median, r.median, r.min, r.max,
                spreadOf(cpuRatios).median, generateMs, withMs / generateMs, aloneMs);
}

// "Lauf prüfen" on a full list: the folder read again and the run checked,
// beside what writing asks before it, the folder read again and the pairs
// checked against it. Half the folder's objects renamed already, the other
// half not yet, and the last pairs naming nothing there. The two alternate,
// so that both meet the same load.
void runCheckBenchmark(const QString &folder)
{
    const QStringList types{u"prt"_s, u"asm"_s, u"drw"_s};
    QStringList oldNames;
    QStringList newNames;
    for (int i = 0; i < NameListOps::kMaxEntries; ++i) {
        const QString number = u"%1."_s.arg(i, 5, 10, QLatin1Char('0')) + types.at(i % 3);
        const bool inFolder = i < 30000;
        oldNames << (!inFolder ? u"x_"_s : i % 2 ? u"teil_"_s : u"alt_"_s) + number;
        newNames << (!inFolder ? u"y_"_s : i % 2 ? u"neu_"_s : u"teil_"_s) + number;
    }
    // A check folder of its own each time: one kept would not read an
    // unchanged folder again.
    qsizetype done = 0;
    std::vector<double> run, check, ratios;
    for (int i = 0; i < 7; ++i) {
        const Times a = timesOf([&] {
            CheckFolder checkFolder;
            checkFolder.setPath(folder);
            done = RunCheck::check(oldNames, newNames, *checkFolder.objects()).count(RunCheck::State::Done);
        });
        const Times b = timesOf([&] {
            CheckFolder checkFolder;
            checkFolder.setPath(folder);
            NameCheck::check(oldNames, newNames, checkFolder.objects());
        });
        run.push_back(a.wallMs);
        check.push_back(b.wallMs);
        ratios.push_back(a.wallMs / b.wallMs);
    }
    const Spread r = spreadOf(ratios);
    std::printf("Lauf prüfen, 32767 Paare gegen 100000 files, read included: %.0f ms (%lld done) | the name check "
                "against the folder, read included: %.0f ms | ratio %.2f (%.2f-%.2f), goal <= 1.20\n",
                spreadOf(run).median, static_cast<long long>(done), spreadOf(check).median, r.median, r.min, r.max);
}

} // namespace

void folderBenchmarks(const QString &tempFolder)
{
    const QString folder = tempFolder + u"/arbeit"_s;
    if (!makeWorkingFolder(folder)) {
        std::printf("Ordner einlesen: cannot make the folder\n");
        return;
    }
    readingBenchmark(folder);
    checkBenchmark();
    runCheckBenchmark(folder);
}

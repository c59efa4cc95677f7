// Generation and writing of rename.pro against a plain write of the same
// bytes. Prints milliseconds (median of several runs), throughput, peak
// memory and the ratio to the plain write; then the name check and the
// chain ordering beside the generation of the same lists; then the real
// velmorant-cli against dd writing the same bytes durably, in pairs of runs;
// then rename.pro with its way back against rename.pro alone; a recorded
// template set beside the built-in one (bench_templates.cpp); five rule
// steps over a full list (bench_rules.cpp); last the
// working folder (bench_folder.cpp).
#include "BenchSupport.h"
#include "FolderBench.h"
#include "RulesBench.h"
#include "TemplatesBench.h"
#include "UsageBench.h"
#include "UsersBench.h"
#include "check/ChainOrder.h"
#include "check/NameCheck.h"
#include "generator/MapkeyGenerator.h"
#include "generator/RenameProWriter.h"
#include "lists/ListFile.h"
#include "write/MapkeyFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Resident and peak resident memory in MB, from /proc (Linux).
double procStatusMb(const char *key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stod(line.substr(std::string(key).size())) / 1024.0;
    }
    return -1;
}

void resetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void plainWrite(const QString &path, const QByteArray &bytes, bool sync)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "plain write failed\n");
    if (sync) {
        file.flush();
        ::fsync(file.handle());
    }
}

// What velmorant-cli --out does: generate the bytes straight into the file.
void writeFile(const QStringList &oldNames, const QStringList &newNames, const QString &folder)
{
    MapkeyFiles::Request request;
    request.folder = folder;
    request.renamePro = MapkeyFiles::generated(oldNames, newNames, TemplateSet::builtIn());
    if (!MapkeyFiles::write(request).written())
        std::fprintf(stderr, "write failed\n");
}

void benchmark(qsizetype pairs, const QString &folder)
{
    const BenchLists lists = benchLists(pairs);
    const QStringList &oldNames = lists.oldNames;
    const QStringList &newNames = lists.newNames;
    const int runs = pairs > 10000 ? 5 : 21;

    // Peak memory of one complete run, measured from a reset peak.
    resetPeakMemory();
    const double before = procStatusMb("VmRSS:");
    writeFile(oldNames, newNames, folder);
    const double peak = procStatusMb("VmHWM:") - before;

    qsizetype bytes = 0;
    const double generateMs = medianMs(runs, [&] {
        bytes = MapkeyGenerator::generateFile(oldNames, newNames).fileBytes.size();
    });
    const double totalMs = medianMs(runs, [&] { writeFile(oldNames, newNames, folder); });
    const double windowPathMs = medianMs(runs, [&] {
        const auto g = MapkeyGenerator::generate(oldNames, newNames);
        MapkeyFiles::Request request;
        request.folder = folder;
        request.renamePro = MapkeyFiles::outputText(g.text);
        MapkeyFiles::write(request);
    });
    const QByteArray fileBytes = MapkeyGenerator::generateFile(oldNames, newNames).fileBytes;
    const QString plainPath = folder + u"/plain.pro"_s;
    const double plainMs = medianMs(runs, [&] { plainWrite(plainPath, fileBytes, false); });
    const double plainSyncMs = medianMs(runs, [&] { plainWrite(plainPath, fileBytes, true); });

    const double mb = bytes / 1e6;
    std::printf("%6lld pairs %7.2f MB | generate %7.2f ms | generate+write %7.2f ms %5.0f MB/s | "
                "plain write %7.2f ms (with fsync %7.2f) | ratio %.2f | peak +%.1f MB = %.2f x file | "
                "as text, then encoded and written: %7.2f ms\n",
                static_cast<long long>(pairs), mb, generateMs, totalMs, mb / (totalMs / 1000.0), plainMs, plainSyncMs,
                totalMs / plainMs, peak, peak / mb, windowPathMs);
}

// The check runs before every generation in the window and the CLI, so it
// must stay well below the generation's time. The reversed chain is the
// hardest input for both: every pair has a finding and every pair moves.
void checkBenchmark(qsizetype pairs)
{
    const BenchLists lists = benchLists(pairs);
    BenchLists chain = lists;
    for (qsizetype i = 0; i + 1 < pairs; ++i)
        chain.newNames[i] = QStringLiteral("baugruppe_%1.asm").arg(i + 1, 5, 10, QLatin1Char('0'));
    const int runs = 11;

    qsizetype findings = 0;
    qsizetype chainFindings = 0;
    const double generateMs = medianMs(runs, [&] { MapkeyGenerator::generateFile(lists.oldNames, lists.newNames); });
    const double checkMs = medianMs(runs, [&] { findings = NameCheck::check(lists.oldNames, lists.newNames).size(); });
    const double orderMs = medianMs(runs, [&] { ChainOrder::order(lists.oldNames, lists.newNames); });
    const double chainCheckMs = medianMs(runs, [&] {
        chainFindings = NameCheck::check(chain.oldNames, chain.newNames).size();
    });
    qsizetype moved = 0;
    const double chainOrderMs = medianMs(runs,
                                         [&] { moved = ChainOrder::order(chain.oldNames, chain.newNames).moved; });

    std::printf("Namensprüfung %lld Paare | check %7.2f ms (%lld findings) | generate %7.2f ms | "
                "check/generate %.2f | order %7.2f ms | reversed chain: check %7.2f ms (%lld findings), "
                "order %7.2f ms (%lld moved)\n",
                static_cast<long long>(pairs), checkMs, static_cast<long long>(findings), generateMs,
                checkMs / generateMs, orderMs, chainCheckMs, static_cast<long long>(chainFindings), chainOrderMs,
                static_cast<long long>(moved));
}

// A name of 100 MB: the check reads it a few times over, and its findings
// show the name's start only, never a copy of the whole.
void hugeNameCheck()
{
    const QStringList oldNames{u"a.prt"_s};
    const QStringList newNames{QString(100'000'000, u'x') + u"\u009D.prt"_s};
    qsizetype longest = 0;
    const double ms = medianMs(3, [&] {
        for (const NameCheck::Finding &f : NameCheck::check(oldNames, newNames))
            longest = std::max(longest, f.text.size());
    });
    std::printf("Namensprüfung eines Namens von 100 MB: %.0f ms | längster Befund %lld Zeichen, goal <= 200\n", ms,
                static_cast<long long>(longest));
}

// The real velmorant-cli as a child process, against dd writing the bytes it
// wrote to another file and waiting for the disk (conv=fdatasync): the
// cost of any durable write of that file. Each pair runs the two back to
// back, in turns which goes first, so that both meet the same load.
void cliAgainstDd(qsizetype pairs, const QString &folder)
{
    const BenchLists lists = benchLists(pairs);
    const QString oldFile = folder + u"/old.txt"_s;
    const QString newFile = folder + u"/new.txt"_s;
    if (!ListFile::write(oldFile, lists.oldNames).ok || !ListFile::write(newFile, lists.newNames).ok)
        return;
    const QString cli = QStringLiteral(VELMORANT_CLI);
    const QStringList cliArguments{u"--old"_s, oldFile, u"--new"_s, newFile, u"--out"_s, folder};
    const QString dd = QStandardPaths::findExecutable(u"dd"_s);
    const QStringList ddArguments{u"if="_s + RenameProWriter::filePath(folder), u"of="_s + folder + u"/dd.pro"_s,
                                  u"bs=1M"_s, u"conv=fdatasync"_s};

    // The first child of this process. A child starts as a copy of this
    // process and its peak counts that copy too, so this runs first, while
    // this process is still small; its own size is printed beside.
    const double ownMb = procStatusMb("VmRSS:") * 1.048576;
    if (childMs(cli, cliArguments) < 0) {
        std::printf("velmorant-cli failed\n");
        return;
    }
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const double fileMb = QFileInfo(RenameProWriter::filePath(folder)).size() / 1e6;
    const double peakMb = usage.ru_maxrss * 1024 / 1e6;
    if (dd.isEmpty()) {
        std::printf("velmorant-cli %lld pairs: no dd found to compare with\n", static_cast<long long>(pairs));
        return;
    }
    childMs(dd, ddArguments);

    const PairedRuns runs = pairedRuns(
        9, [&] { return childMs(dd, ddArguments); }, [&] { return childMs(cli, cliArguments); });
    const Spread &c = runs.measured;
    const Spread &d = runs.yardstick;
    const Spread &r = runs.ratio;
    std::printf("velmorant-cli --out, %lld pairs, %.2f MB: %.0f ms (%.0f-%.0f) | dd conv=fdatasync of the same bytes "
                "%.0f ms (%.0f-%.0f) | ratio of 9 paired runs %.2f (%.2f-%.2f), goal <= 1.30\n",
                static_cast<long long>(pairs), fileMb, c.median, c.min, c.max, d.median, d.min, d.max, r.median, r.min,
                r.max);
    std::printf("velmorant-cli peak memory %.1f MB = %.2f x the file, goal <= 1.20 (this process: %.1f MB)\n", peakMb,
                peakMb / fileMb, ownMb);
}

// "OK" with the way back ticked writes rename.pro and rename_zurueck.pro
// from the same pairs: both files against rename.pro alone, in pairs of
// runs that take turns going first.
void wayBackBenchmark(qsizetype pairs, const QString &folder)
{
    const BenchLists lists = benchLists(pairs);
    const auto alone = [&] { writeFile(lists.oldNames, lists.newNames, folder); };
    const auto both = [&] {
        // The way back of the run before is kept, as "OK" keeps it.
        MapkeyFiles::Request request;
        request.folder = folder;
        request.renamePro = MapkeyFiles::generated(lists.oldNames, lists.newNames, TemplateSet::builtIn());
        request.wayBack = MapkeyFiles::wayBack(lists.oldNames, lists.newNames, TemplateSet::builtIn());
        if (!MapkeyFiles::write(request).written())
            std::fprintf(stderr, "way back failed\n");
    };
    const PairedRuns runs = pairedRuns(
        9, [&] { return medianMs(1, alone); }, [&] { return medianMs(1, both); });
    const Spread &a = runs.yardstick;
    const Spread &b = runs.measured;
    const Spread &r = runs.ratio;
    std::printf("Rückweg, %lld pairs: rename.pro alone %.0f ms (%.0f-%.0f) | with rename_zurueck.pro %.0f ms "
                "(%.0f-%.0f) | ratio of 9 paired runs %.2f (%.2f-%.2f), goal <= 2.20\n",
                static_cast<long long>(pairs), a.median, a.min, a.max, b.median, b.min, b.max, r.median, r.min, r.max);
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) + u"/velmorant-bench-XXXXXX"_s
                               : QDir::tempPath() + u"/velmorant-bench-XXXXXX"_s);
    if (!dir.isValid())
        return 1;
    std::printf("rename.pro in %s\n", qPrintable(dir.path()));
    cliAgainstDd(32767, dir.path());
    for (const qsizetype pairs : {20, 1000, 32767})
        benchmark(pairs, dir.path());
    checkBenchmark(32767);
    hugeNameCheck();
    wayBackBenchmark(32767, dir.path());
    templatesBenchmark(32767);
    rulesBenchmark(32767);
    folderBenchmarks(dir.path());
    const QString usageFolder = dir.path() + u"/verwendung"_s;
    if (makeUsageFolder(usageFolder)) {
        usageBenchmarks(usageFolder);
        usersBenchmarks(usageFolder);
        QDir(usageFolder).removeRecursively();
    } else {
        std::printf("Verwendung: folder not made\n");
    }
    return 0;
}

// Generation and writing of rename.pro against a plain write of the same
// bytes. Prints milliseconds (median of several runs), throughput, peak
// memory and the ratio to the plain write; then the name check and the
// chain ordering beside the generation of the same lists.
#include "check/ChainOrder.h"
#include "check/NameCheck.h"
#include "generator/MapkeyGenerator.h"
#include "generator/RenameProWriter.h"
#include "BenchSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
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

// What velmorant-cli --out does: generate the bytes, write them atomically.
void writeFile(const QStringList &oldNames, const QStringList &newNames, const QString &folder)
{
    const auto g = MapkeyGenerator::generateFile(oldNames, newNames);
    if (!RenameProWriter::writeBytes(folder, g.fileBytes).ok)
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
    const double generateMs = medianMs(runs, [&] { bytes = MapkeyGenerator::generateFile(oldNames, newNames).fileBytes.size(); });
    const double totalMs = medianMs(runs, [&] { writeFile(oldNames, newNames, folder); });
    const double windowPathMs = medianMs(runs, [&] {
        const auto g = MapkeyGenerator::generate(oldNames, newNames);
        RenameProWriter::write(folder, g.text);
    });
    const QByteArray fileBytes = MapkeyGenerator::generateFile(oldNames, newNames).fileBytes;
    const QString plainPath = folder + u"/plain.pro"_s;
    const double plainMs = medianMs(runs, [&] { plainWrite(plainPath, fileBytes, false); });
    const double plainSyncMs = medianMs(runs, [&] { plainWrite(plainPath, fileBytes, true); });

    const double mb = bytes / 1e6;
    std::printf("%6lld pairs %7.2f MB | generate %7.2f ms | generate+write %7.2f ms %5.0f MB/s | "
                "plain write %7.2f ms (with fsync %7.2f) | ratio %.2f | peak +%.1f MB = %.2f x file | "
                "as text, then encoded and written: %7.2f ms\n",
                static_cast<long long>(pairs), mb, generateMs, totalMs, mb / (totalMs / 1000.0), plainMs,
                plainSyncMs, totalMs / plainMs, peak, peak / mb, windowPathMs);
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
    const double chainCheckMs = medianMs(runs, [&] { chainFindings = NameCheck::check(chain.oldNames, chain.newNames).size(); });
    qsizetype moved = 0;
    const double chainOrderMs = medianMs(runs, [&] { moved = ChainOrder::order(chain.oldNames, chain.newNames).moved; });

    std::printf("Namensprüfung %lld Paare | check %7.2f ms (%lld findings) | generate %7.2f ms | "
                "check/generate %.2f | order %7.2f ms | reversed chain: check %7.2f ms (%lld findings), "
                "order %7.2f ms (%lld moved)\n",
                static_cast<long long>(pairs), checkMs, static_cast<long long>(findings), generateMs,
                checkMs / generateMs, orderMs, chainCheckMs, static_cast<long long>(chainFindings), chainOrderMs,
                static_cast<long long>(moved));
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) + u"/velmorant-bench-XXXXXX"_s
                               : QDir::tempPath() + u"/velmorant-bench-XXXXXX"_s);
    if (!dir.isValid())
        return 1;
    std::printf("rename.pro in %s\n", qPrintable(dir.path()));
    for (const qsizetype pairs : {20, 1000, 32767})
        benchmark(pairs, dir.path());
    checkBenchmark(32767);
    return 0;
}

// A folder's use: 2,000 assemblies and drawings of a megabyte each and
// 20,000 parts, read the first time and again after one file changed.
#include "UsageBench.h"

#include "BenchSupport.h"
#include "UsageFixtures.h"
#include "usage/FolderUsage.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace UsageFixtures;

namespace {

constexpr int kParents = 2000;
constexpr int kParts = 20000;
constexpr qsizetype kParentSize = 1 << 20;

// An assembly (or drawing) naming 20 of the parts, its list compressed,
// filled to a megabyte by a section not read, as geometry fills real files;
// every tenth is a file of a later version, whose use is not known.
QByteArray parent(int index, const QByteArray &filler)
{
    QList<Dep> deps;
    for (int k = 0; k < 20; ++k)
        deps.append({"TEIL_" + QByteArray::number((index * 20 + k) % kParts), "prt", {}, index % 2 ? 4 : 2});
    ObjectFile file;
    file.type = index % 2 ? "DRAWING" : "ASSEMBLY";
    file.revision = index % 10 == 9 ? 1950 : file.revision;
    file.sections = {{"ND:0:Model_L05_PX:1", tokens(deps), true}, {"SolidPersistTable", {}}};
    const qsizetype frame = write(file).size();
    file.sections[1].payload = filler.left(kParentSize - frame);
    return write(file);
}

} // namespace

bool makeUsageFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    const QByteArray filler(kParentSize, 'g');
    ObjectFile part;
    part.type = "PART";
    part.sections = {{"ND:0:Model_L05_PX:1", tokens({}), true}, {"SolidPersistTable", QByteArray(4000, 'g')}};
    const QByteArray partBytes = write(part);
    for (int i = 0; i < kParents; ++i) {
        const QString name = (i % 2 ? u"zeichnung_%1.drw.1"_s : u"baugruppe_%1.asm.2"_s).arg(i);
        QFile file(folder + u'/' + name);
        const QByteArray bytes = parent(i, filler);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
    }
    for (int i = 0; i < kParts; ++i) {
        QFile file(folder + u"/teil_%1.prt.1"_s.arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(partBytes) != partBytes.size())
            return false;
    }
    return true;
}

void usageBenchmarks(const QString &folder)
{
    // Processor time beside the wall clock: on a busy machine the wall
    // clock counts the other programs too.
    qsizetype users = 0;
    std::clock_t start = std::clock();
    const Spread first = spreadOf(timingsMs(5, [&] {
        FolderUsage usage;
        usage.refresh(folder);
        users = usage.usersOf(u"teil_0.prt"_s).size() + usage.unknown().size();
    }));
    const double firstCpu = (std::clock() - start) * 1000.0 / CLOCKS_PER_SEC / 5;
    std::printf("Verwendung lesen, %d files (%d of 1 MB), first time: %.0f ms (%.0f-%.0f; CPU %.0f ms), goal <= 1000 "
                "ms\n",
                kParents + kParts, kParents, first.median, first.min, first.max, firstCpu);

    FolderUsage usage;
    usage.refresh(folder);
    int round = 0;
    double againCpu = 0;
    const QString changed = folder + u"/baugruppe_0.asm.2"_s;
    const Spread again = spreadOf(timingsMs(
        9,
        [&] {
            const std::clock_t start = std::clock();
            usage.refresh(folder);
            againCpu += (std::clock() - start) * 1000.0 / CLOCKS_PER_SEC / 9;
        },
        [&] {
            // Saved anew: another list, another time.
            QFile file(changed);
            file.open(QIODevice::WriteOnly);
            file.write(parent(2 * (++round % 50), QByteArray(kParentSize, 'g')));
            file.close();
            file.open(QIODevice::ReadWrite);
            file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(round), QFileDevice::FileModificationTime);
        }));
    std::printf("Verwendung erneut lesen, one file changed: %.0f ms (%.0f-%.0f; CPU %.0f ms), goal <= 50 ms (%lld "
                "users found)\n",
                again.median, again.min, again.max, againCpu, static_cast<long long>(users));
}

// The window's slow paths, each beside its goal: the click on "Mapkey
// rename in Datei rename.pro jetzt erstellen" against velmorant-cli making
// the same file, the window's peak memory before and after the output
// field is shown beside the file's size, showing the field, "OK" until
// rename.pro is written, "Liste öffnen" of a list holding one 10 MB line
// and "Liste löschen" of it, then the start and the idle window
// (bench_window_idle.cpp), and the preview of the dialog "Regeln"
// (bench_window_rules.cpp). Median and range of several runs. Beside them
// the memory that 50 "Action" on full lists keep for undo.
#include "BenchWindow.h"
#include "RulesBench.h"
#include "generator/MapkeyGenerator.h"
#include "lists/ListFile.h"
#include "ui/frm_rename.h"
#include "ui/lists/NameListView.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct Controls {
    explicit Controls(QWidget &window)
        : oldList(window.findChild<NameListView *>(u"list_OldName"_s))
        , newList(window.findChild<NameListView *>(u"list_NewName"_s))
        , generate(window.findChild<QPushButton *>(u"cmd_mapkeyNow"_s))
        , ok(window.findChild<QPushButton *>(u"cmd_okfiles"_s))
        , out(window.findChild<QPlainTextEdit *>(u"txt_OUT"_s))
    {
    }
    NameListView *oldList;
    NameListView *newList;
    QPushButton *generate;
    QPushButton *ok;
    QPlainTextEdit *out;
};

void fill(const Controls &c, const BenchLists &lists)
{
    c.oldList->setEntries(lists.oldNames);
    c.newList->setEntries(lists.newNames);
}

// The click at the start size, where the output field lies beyond the
// window's edge or shows but a strip of it, and velmorant-cli --out making the same file from the
// same lists, in turns; wall clock and processor time of both.
void clickAgainstCli(QWidget &window, const Controls &c, const BenchLists &lists, const QString &folder)
{
    const QString oldFile = folder + u"/old.txt"_s;
    const QString newFile = folder + u"/new.txt"_s;
    const QString outFolder = folder + u"/cli"_s;
    if (!ListFile::write(oldFile, lists.oldNames).ok || !ListFile::write(newFile, lists.newNames).ok
        || !QDir().mkpath(outFolder))
        return;
    const QStringList cliArguments{u"--old"_s, oldFile, u"--new"_s, newFile, u"--out"_s, outFolder};
    std::vector<double> clickWall, clickCpu, cliWall, cliCpu, wallRatios, cpuRatios;
    for (int i = 0; i < 5; ++i) {
        fill(c, lists);
        const double cpu0 = cpuMs();
        const double wall = timingsMs(1, [&] {
                                QTest::mouseClick(c.generate, Qt::LeftButton);
                                settle(window);
                            }).front();
        clickWall.push_back(wall);
        clickCpu.push_back(cpuMs() - cpu0);
        const double children0 = cpuMs(RUSAGE_CHILDREN);
        cliWall.push_back(childMs(QStringLiteral(VELMORANT_CLI), cliArguments));
        cliCpu.push_back(cpuMs(RUSAGE_CHILDREN) - children0);
        wallRatios.push_back(clickWall.back() / cliWall.back());
        cpuRatios.push_back(clickCpu.back() / cliCpu.back());
    }
    printRow("window: generation click, 32767 pairs, output field not shown", clickWall, 300);
    const Spread w = spreadOf(wallRatios);
    const Spread p = spreadOf(cpuRatios);
    std::printf("window: that click against velmorant-cli --out of the same lists (%.0f ms, CPU %.0f ms): "
                "wall %.2f (%.2f-%.2f), CPU %.0f ms = %.2f (%.2f-%.2f), goal <= 3.00\n",
                spreadOf(cliWall).median, spreadOf(cliCpu).median, w.median, w.min, w.max, spreadOf(clickCpu).median,
                p.median, p.min, p.max);
}

// The window's peak memory (the whole process) through a generation click
// at the start size, and then through showing the output field at the
// wide width, beside the size of the file; then how long showing took.
void memoryAndShowing(QWidget &window, const Controls &c, const BenchLists &lists)
{
    auto *open = window.findChild<QWidget *>(u"imgOpen"_s);
    auto *close = window.findChild<QWidget *>(u"imgclose"_s);
    const double fileMb = MapkeyGenerator::generateFile(lists.oldNames, lists.newNames).fileBytes.size() / 1e6;
    std::vector<double> showMs;
    double before = 0, notShown = 0, shown = 0;
    for (int i = 0; i < 3; ++i) {
        fill(c, lists);
        if (close->isVisible()) // narrow, the field beyond the edge
            QTest::mouseClick(close, Qt::LeftButton);
        QTest::qWait(50);
        settle(window);
        c.out->clear(); // no earlier text held
        resetPeakMemory();
        before = statusMb("VmRSS:");
        QTest::mouseClick(c.generate, Qt::LeftButton);
        settle(window);
        notShown = statusMb("VmHWM:");
        resetPeakMemory();
        showMs.push_back(timingsMs(1, [&] {
                             QTest::mouseClick(open, Qt::LeftButton);
                             if (!QTest::qWaitFor([&] { return c.out->document()->blockCount() > 1; }, 30000))
                                 std::printf("window: the output field was not filled\n");
                             settle(window);
                         }).front());
        shown = statusMb("VmHWM:");
    }
    std::printf("window: peak memory, 32767 pairs, file %.1f MB: before the click %.0f MB | output field not "
                "shown %.0f MB = %.2f x the file, goal <= 2.00 | shown %.0f MB = %.2f x the file, goal <= 4.00\n",
                fileMb, before, notShown, notShown / fileMb, shown, shown / fileMb);
    printRow("window: showing the output field (the wide width) after that click", showMs, 1500);
}

// Generation and "OK" at the wide width, where the field shows the output.
void generationAndOk(QWidget &window, const Controls &c)
{
    for (const int pairs : {1000, 32767}) {
        const BenchLists lists = benchLists(pairs);
        const int runs = pairs > 10000 ? 3 : 11;
        const auto click = [&] {
            QTest::mouseClick(c.generate, Qt::LeftButton);
            settle(window);
        };
        const std::vector<double> clickMs = timingsMs(runs, click, [&] { fill(c, lists); });
        const std::vector<double> okMs = timingsMs(
            runs, [&] { QTest::mouseClick(c.ok, Qt::LeftButton); }, click);
        const QByteArray what = QByteArray::number(pairs) + " pairs ("
            + QByteArray::number(c.out->document()->lineCount()) + " lines)";
        printRow("window, wide: generation click until the output is shown, " + what, clickMs,
                 pairs > 10000 ? 3000 : 100);
        printRow("window: OK until rename.pro is written, " + what, okMs, pairs > 10000 ? 500 : 0);
    }
}

// 50 "Action" on full lists, each deriving other new names, as a long
// session does; the undo history keeps a bounded part of them.
void actionMemory(QWidget &window)
{
    auto *expression = window.findChild<QLineEdit *>(u"txt_rename"_s);
    auto *replacement = window.findChild<QLineEdit *>(u"txt_renameNEU"_s);
    auto *action = window.findChild<QPushButton *>(u"cmd_action"_s);
    expression->setText(u"baugruppe"_s);
    const auto actionWith = [&](int i) {
        replacement->setText(u"teil_"_s + QString::number(i));
        QTest::mouseClick(action, Qt::LeftButton);
        settle(window);
    };
    actionWith(0);
    constexpr double kMiB = 1e6 / 1048576;
    const double before = statusMb("VmRSS:") * kMiB;
    for (int i = 1; i <= 50; ++i)
        actionWith(i);
    const double after = statusMb("VmRSS:") * kMiB;
    if (before < 0 || after < 0)
        std::printf("window: memory of 50 \"Action\": not measured here\n");
    else
        std::printf("window: memory kept by 50 \"Action\" on 32767 pairs: %.0f MiB more (%.0f to %.0f MiB), "
                    "goal < 100 MiB more\n",
                    after - before, before, after);
}

// A list file holding one name of 10 MB, opened into the old-name list and
// cleared again through the panel's buttons. Slow as it is, each runs once.
void hugeListLine(QWidget &window, const Controls &c, const BenchPlatform &platform)
{
    const QString listFile = ListFile::path(platform.programFolder(), ListFile::Kind::OldNames);
    if (!ListFile::write(listFile, {QString(10'000'000, u'x')}).ok)
        return;
    QTest::mouseClick(window.findChild<QRadioButton *>(u"Option1"_s), Qt::LeftButton);
    auto *panel = window.findChild<QWidget *>(u"kontextmenue"_s);
    const auto showPanel = [&] {
        if (!panel->isVisible())
            QTest::mouseClick(c.oldList->viewport(), Qt::RightButton);
    };
    const auto press = [&window](const char *name) {
        return [&window, name] {
            QTest::mouseClick(window.findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
            settle(window);
        };
    };
    printRow("window: \"Liste öffnen\" of a list holding one 10 MB line", timingsMs(1, press("open"), showPanel), 500);
    printRow("window: \"Liste löschen\" of that list", timingsMs(1, press("clear"), showPanel), 500);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--busy") == 0)
        return busyWriter(QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    // Named parts run alone: click, memory, ok, action, line, rules, start, idle.
    const QStringList parts = app.arguments().mid(1);
    const auto part = [&parts](const QString &name) { return parts.isEmpty() || parts.contains(name); };
    QTemporaryDir dir;
    BenchPlatform platform(dir.path());
    printPlatform();
    {
        frm_rename window(platform);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            std::printf("window: not shown on the screen\n");
        const Controls c(window);
        const BenchLists lists = benchLists(32767);
        if (part(u"click"_s))
            clickAgainstCli(window, c, lists, dir.path());
        if (part(u"memory"_s))
            memoryAndShowing(window, c, lists);
        if (part(u"ok"_s))
            generationAndOk(window, c);
        if (part(u"action"_s))
            actionMemory(window);
        if (part(u"line"_s))
            hugeListLine(window, c, platform);
    }
    if (part(u"rules"_s))
        rulesPreviewBenchmark();
    if (part(u"start"_s))
        startBenchmarks(platform, dir.path());
    if (part(u"idle"_s))
        idleBenchmark(dir.path());
    return 0;
}

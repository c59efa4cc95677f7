// The preview of the dialog "Regeln" over a full list: the time from a
// change of a step until every row and mark is new, and the longest time
// the window left its events waiting meanwhile.
#include "BenchWindow.h"
#include "RulesBench.h"
#include "ui/rules/RulePreviewModel.h"
#include "ui/rules/frm_Regeln.h"

#include <QElapsedTimer>
#include <QTimer>

#include <ctime>

void rulesPreviewBenchmark()
{
    QTemporaryDir dir;
    BenchPlatform platform(dir.path());
    frm_Regeln dialog(platform, benchLists(32767).oldNames, nullptr);
    dialog.show();
    RulePreviewModel *preview = dialog.preview();
    std::vector<double> refreshMs;
    std::vector<double> longestGapMs;
    // The processor time of both threads, the window's and the worker's.
    std::vector<double> cpu;
    for (int run = 0; run < 9; ++run) {
        bool done = false;
        const QMetaObject::Connection refreshed = QObject::connect(preview, &RulePreviewModel::refreshed,
                                                                   [&done] { done = true; });
        // A timer due every 5 ms: the gaps between its shots, less those 5 ms,
        // are how long an event waited at most. Between them the window
        // sleeps, as it would, and leaves the processor to the worker.
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        tick.setInterval(5);
        QElapsedTimer sinceTick;
        double longest = 0;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longest = std::max(longest, sinceTick.nsecsElapsed() / 1e6);
            sinceTick.restart();
        });
        QElapsedTimer clock;
        clock.start();
        const std::clock_t cpuStart = std::clock();
        sinceTick.start();
        tick.start();
        preview->setRules(fiveBenchSteps(run % 2 ? QStringLiteral("baugruppe_*") : QStringLiteral("bau*")));
        while (!done)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        dialog.repaint();
        longest = std::max(longest, sinceTick.nsecsElapsed() / 1e6);
        refreshMs.push_back(clock.nsecsElapsed() / 1e6);
        cpu.push_back((std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC);
        longestGapMs.push_back(std::max(0.0, longest - 5));
        QObject::disconnect(refreshed);
    }
    printRow("Regeln: Vorschau von 32767 Paaren nach einer Änderung", refreshMs, 150);
    std::printf("Regeln: Prozessorzeit dafür, beide Threads: %.1f ms\n", spreadOf(cpu).median);
    printRow("Regeln: längste Zeit ohne Antwort des Fensters dabei", longestGapMs, 0);
}

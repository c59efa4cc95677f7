#pragma once

#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <vector>

// The median of `runs` timings of `work` in milliseconds; `prepare` runs
// before each timing and is not counted.
inline double medianMs(int runs, const std::function<void()> &work, const std::function<void()> &prepare = {})
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// Pairs of assembly names as a CAD user's list holds them: old names with
// drive, folder and version number, new names plain.
struct BenchLists {
    QStringList oldNames;
    QStringList newNames;
};

inline BenchLists benchLists(qsizetype pairs)
{
    BenchLists lists;
    for (qsizetype i = 0; i < pairs; ++i) {
        const QString number = QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
        lists.oldNames << QStringLiteral("C:\\work\\projekt\\baugruppe_") + number + QStringLiteral(".asm.3");
        lists.newNames << QStringLiteral("neu_baugruppe_") + number + QStringLiteral(".asm");
    }
    return lists;
}

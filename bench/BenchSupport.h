#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <vector>

// `runs` timings of `work` in milliseconds; `prepare` runs before each
// timing and is not counted.
inline std::vector<double> timingsMs(int runs, const std::function<void()> &work,
                                     const std::function<void()> &prepare = {})
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
    return ms;
}

inline double medianMs(int runs, const std::function<void()> &work, const std::function<void()> &prepare = {})
{
    std::vector<double> ms = timingsMs(runs, work, prepare);
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// The smallest, middle and largest of some values, for printing a range.
struct Spread {
    double min = 0;
    double median = 0;
    double max = 0;
};

inline Spread spreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2], values.back()};
}

// Two pieces of work timed in pairs of runs that take turns going first,
// so that both meet the same load: each one's spread, and the spread of
// the ratio measured / yardstick within each pair. Each returns its
// milliseconds.
struct PairedRuns {
    Spread yardstick;
    Spread measured;
    Spread ratio;
};

inline PairedRuns pairedRuns(int pairs, const std::function<double()> &yardstick,
                             const std::function<double()> &measured)
{
    std::vector<double> yardstickMs, measuredMs, ratios;
    for (int i = 0; i < pairs; ++i) {
        const bool yardstickFirst = i % 2 == 0;
        const double first = yardstickFirst ? yardstick() : measured();
        const double second = yardstickFirst ? measured() : yardstick();
        yardstickMs.push_back(yardstickFirst ? first : second);
        measuredMs.push_back(yardstickFirst ? second : first);
        ratios.push_back(measuredMs.back() / yardstickMs.back());
    }
    return {spreadOf(yardstickMs), spreadOf(measuredMs), spreadOf(ratios)};
}

// Starts `program` and returns the milliseconds until it has ended, or
// until it printed a first line when `untilLine` is set; -1 on failure.
inline double childMs(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                      bool untilLine = false)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    if (untilLine) {
        while (!child.canReadLine() && child.waitForReadyRead(30000)) { }
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return -1;
    return untilLine ? ms : timer.nsecsElapsed() / 1e6;
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

#pragma once

// What the window's benches share: a platform that keeps settings and lists
// in a folder of their own, rows printed beside their goals, and the
// process's memory and processor time.
#include "BenchSupport.h"
#include "ui/platform/Platform.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <cstdio>
#include <memory>
#include <sys/resource.h>

class BenchPlatform : public Platform
{
public:
    explicit BenchPlatform(const QString &folder)
        : m_folder(folder)
    {
    }
    std::unique_ptr<QSettings> openSettings() const override
    {
        auto settings = std::make_unique<QSettings>(m_folder + QStringLiteral("/settings.ini"), QSettings::IniFormat);
        settings->beginGroup(QStringLiteral("Optionen"));
        return settings;
    }
    QString programFolder() const override { return m_folder; }
    QString designFolderText() const override { return m_folder; }
    QString startFolder() const override { return m_folder; }
    bool openWithDesktop(const QUrl &) const override { return true; }

private:
    QString m_folder;
};

inline void printRow(const char *what, const std::vector<double> &ms, double goalMs)
{
    const Spread t = spreadOf(ms);
    std::printf("%s: %.1f ms (%.1f-%.1f)", what, t.median, t.min, t.max);
    if (goalMs > 0)
        std::printf(", goal <= %.0f ms", goalMs);
    std::printf("\n");
}

// Which window system the rows below are measured on.
inline void printPlatform()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize();
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        std::printf("== the window offscreen (no window system), screen %dx%d ==\n", size.width(), size.height());
    else
        std::printf("== the window on the window system \"%s\" (DISPLAY %s), screen %dx%d ==\n",
                    qPrintable(QGuiApplication::platformName()), qgetenv("DISPLAY").constData(), size.width(),
                    size.height());
}

// Until the window has handled what the click left to do and drawn itself.
inline void settle(QWidget &window)
{
    QApplication::processEvents();
    window.repaint();
}

// A line of /proc/self/status in MB ("VmRSS:", "VmHWM:"), or -1 where
// there is none.
inline double statusMb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').first().toDouble() * 1024 / 1e6;
    }
    return -1;
}

// From here on, VmHWM counts from the memory the process holds now.
inline void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// Processor milliseconds of this process (every thread) or of its ended
// children.
inline double cpuMs(int who = RUSAGE_SELF)
{
    rusage usage{};
    getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// The window's start and idle time (bench_window_idle.cpp).
void startBenchmarks(const BenchPlatform &platform, const QString &folder);
void idleBenchmark(const QString &folder);
int busyWriter(const QString &folder);

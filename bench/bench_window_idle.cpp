// The window's start and its idle time: the real program until its window
// is shown, alone and with a remembered check folder of 100,000 files; a
// generation click with a check folder of 600,000 files; the processor
// time of the idle window while files come and go in the chooser's folder.
#include "BenchWindow.h"
#include "ui/frm_rename.h"
#include "ui/lists/NameListView.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

using namespace Qt::StringLiterals;

namespace {

// `count` empty files in `folder`, Pro/ENGINEER objects in several versions
// among trail files, beside the `named` ones.
bool makeFolder(const QString &folder, int count, const QStringList &named = {})
{
    if (!QDir().mkpath(folder))
        return false;
    int made = 0;
    const auto make = [&](const QString &name) {
        QFile file(folder + u'/' + name);
        made += file.open(QIODevice::WriteOnly) ? 1 : 0;
    };
    for (const QString &name : named)
        make(name);
    for (int i = 0; made < count; ++i)
        make(i % 4 == 3 ? u"trail.txt.%1"_s.arg(i) : u"teil_%1.prt.%2"_s.arg(i / 4).arg(i % 4 + 1));
    // Last changed an hour ago, as a project folder that nobody is saving
    // into: a folder changed within the last moments is read again before
    // each generation, as the change might not show in its time yet.
    std::error_code error;
    const std::filesystem::path path(QFile::encodeName(folder).toStdString());
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1),
                                     error);
    return made == count && !error;
}

// The real program, started as the user starts it, until it says its
// window is shown; settings and home in `home`.
void windowStart(const QString &home, const char *what)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"VELMORANT_EXIT_WHEN_SHOWN"_s, u"1"_s);
    environment.insert(u"HOME"_s, home);
    environment.insert(u"XDG_CONFIG_HOME"_s, home + u"/config"_s);
    std::vector<double> ms;
    for (int i = 0; i < 7; ++i)
        ms.push_back(childMs(QStringLiteral(VELMORANT_WINDOW), {}, environment, true));
    if (*std::min_element(ms.begin(), ms.end()) < 0) {
        std::printf("window start: the program did not report its window\n");
        return;
    }
    printRow(what, ms, 300);
}

// The same with a check folder of 100,000 files remembered from the last
// session.
void startWithCheckFolder(const QString &folder)
{
    const QString home = folder + u"/home-pruef"_s;
    const QString checkFolder = folder + u"/pruef"_s;
    if (!makeFolder(checkFolder, 100000))
        return;
    QSettings settings(home + u"/config/Velmorant/Velmorant.ini"_s, QSettings::IniFormat);
    settings.setValue(u"Optionen/Pruefordner"_s, checkFolder);
    settings.sync();
    windowStart(home, "window start with a remembered check folder of 100000 files, until shown");
}

// A check folder as a large shared project folder holds it: the 1000 old
// objects of the lists among 600,000 files of other objects, versions and
// trail files. The window remembers it from the settings; each generation
// click asks for it as it is now.
void generationWithCheckFolder(const BenchPlatform &platform, const QString &folder)
{
    const BenchLists lists = benchLists(1000);
    QStringList named;
    for (const QString &old : lists.oldNames)
        named << old.section(u'\\', -1);
    if (!makeFolder(folder, 600000, named))
        return;
    platform.openSettings()->setValue(u"Pruefordner"_s, folder);
    std::vector<double> startMs = timingsMs(1, [&] { frm_rename(platform).show(); });
    frm_rename window(platform);
    window.show();
    const std::vector<double> fillMs = timingsMs(1, [&] {
        window.findChild<NameListView *>(u"list_OldName"_s)->setEntries(lists.oldNames);
        window.findChild<NameListView *>(u"list_NewName"_s)->setEntries(lists.newNames);
    });
    auto *generate = window.findChild<QPushButton *>(u"cmd_mapkeyNow"_s);
    const std::vector<double> clickMs = timingsMs(5, [&] {
        QTest::mouseClick(generate, Qt::LeftButton);
        settle(window);
    });
    platform.openSettings()->remove(u"Pruefordner"_s);
    printRow("window: start with a check folder of 600000 files", startMs, 0);
    printRow("window: 1000 pairs into the lists, the check folder of 600000 files read for them", fillMs, 0);
    printRow("window: generation click, 1000 pairs, check folder of 600000 files", clickMs, 300);
}

} // namespace

void startBenchmarks(const BenchPlatform &platform, const QString &folder)
{
    windowStart(folder, "window start, process start until the main window is shown");
    startWithCheckFolder(folder);
    generationWithCheckFolder(platform, folder + u"/gross"_s);
}

// Files created and removed every two milliseconds in the folder the
// chooser's tree shows, by a child process, while the window waits: its
// processor time with the chooser hidden, and shown.
void idleBenchmark(const QString &folder)
{
    const QString busy = folder + u"/idle"_s;
    if (!QDir().mkpath(busy))
        return;
    BenchPlatform platform(busy);
    frm_rename window(platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::printf("window idle: not shown on the screen\n");
    window.findChild<NameListView *>(u"list_OldName"_s)->setEntries({u"a.prt"_s});
    window.findChild<NameListView *>(u"list_NewName"_s)->setEntries({u"b.prt"_s});
    QTest::mouseClick(window.findChild<QPushButton *>(u"cmd_mapkeyNow"_s), Qt::LeftButton);
    QTest::qWait(500); // the tree has read its folder
    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(), {u"--busy"_s, busy});
    if (!writer.waitForStarted())
        return;
    // An event loop that waits as the program's own does, without polling.
    const auto idleShare = [](int seconds) {
        const double cpu0 = cpuMs();
        QElapsedTimer wall;
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
        return (cpuMs() - cpu0) / wall.elapsed() * 100;
    };
    const double shown = idleShare(5);
    QTest::mouseClick(window.findChild<QWidget *>(u"img_quit"_s), Qt::LeftButton);
    const double hidden = idleShare(10);
    writer.kill();
    writer.waitForFinished();
    std::printf("window idle, files coming and going in the chooser's folder: chooser hidden (10 s) %.2f %% of a "
                "core, goal < 1 %% | shown (5 s) %.2f %%, goal <= 5 %%\n",
                hidden, shown);
}

// The child of idleBenchmark: a file made and removed every two milliseconds
// until it is ended.
int busyWriter(const QString &folder)
{
    for (int i = 0;; ++i) {
        const QString name = folder + u"/trail.txt."_s + QString::number(i % 100);
        QFile(name).open(QIODevice::WriteOnly);
        QThread::msleep(1);
        QFile::remove(name);
        QThread::msleep(1);
    }
}

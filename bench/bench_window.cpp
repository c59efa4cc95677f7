// The window's slow paths, each beside its goal: from the click on "Mapkey
// rename in Datei rename.pro jetzt erstellen" until the output is shown, "OK"
// until rename.pro is written, "Liste öffnen" of a list holding one 10 MB
// line and "Liste löschen" of it, the generation click with a check folder
// of 600,000 files, and the start of the real program until its window is
// shown. Median and range of several runs. Beside them the memory that 50
// "Action" on full lists keep for undo.
#include "BenchSupport.h"
#include "lists/ListFile.h"
#include "ui/frm_rename.h"
#include "ui/lists/NameListView.h"
#include "ui/platform/Platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

class BenchPlatform : public Platform
{
public:
    explicit BenchPlatform(const QString &folder)
        : m_folder(folder)
    {
    }
    std::unique_ptr<QSettings> openSettings() const override
    {
        auto settings = std::make_unique<QSettings>(m_folder + u"/settings.ini"_s, QSettings::IniFormat);
        settings->beginGroup(u"Optionen"_s);
        return settings;
    }
    QString programFolder() const override { return m_folder; }
    QString designFolderText() const override { return m_folder; }
    QString startFolder() const override { return m_folder; }
    bool openWithDesktop(const QUrl &) const override { return true; }

private:
    QString m_folder;
};

} // namespace

namespace {

void printRow(const char *what, const std::vector<double> &ms, double goalMs)
{
    const Spread t = spreadOf(ms);
    std::printf("%s: %.1f ms (%.1f-%.1f)", what, t.median, t.min, t.max);
    if (goalMs > 0)
        std::printf(", goal <= %.0f ms", goalMs);
    std::printf("\n");
}

// Until the window has handled what the click left to do and drawn itself.
void settle(QWidget &window)
{
    QApplication::processEvents();
    window.repaint();
}

// The resident memory of this process in MiB, or -1 where /proc has none.
double residentMiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return -1;
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
    const double before = residentMiB();
    for (int i = 1; i <= 50; ++i)
        actionWith(i);
    const double after = residentMiB();
    if (before < 0 || after < 0)
        std::printf("window: memory of 50 \"Action\": not measured here\n");
    else
        std::printf("window: memory kept by 50 \"Action\" on 32767 pairs: %.0f MiB more (%.0f to %.0f MiB), "
                    "goal < 100 MiB more\n",
                    after - before, before, after);
}

// A check folder as a large shared project folder holds it: the 1000 old
// objects of the lists among 600,000 files of other objects, versions and
// trail files. The window restores it from the settings and reads it at
// start; each generation click then asks for it as it is now.
void generationWithCheckFolder(const BenchPlatform &platform, const QString &folder)
{
    constexpr int kFiles = 600000;
    const BenchLists lists = benchLists(1000);
    if (!QDir().mkpath(folder))
        return;
    int made = 0;
    const auto make = [&](const QString &name) {
        QFile file(folder + u'/' + name);
        made += file.open(QIODevice::WriteOnly) ? 1 : 0;
    };
    for (const QString &old : lists.oldNames)
        make(old.section(u'\\', -1));
    for (int i = 0; made < kFiles; ++i)
        make(i % 4 == 3 ? u"trail.txt.%1"_s.arg(i) : u"teil_%1.prt.%2"_s.arg(i / 4).arg(i % 4 + 1));
    platform.openSettings()->setValue(u"Pruefordner"_s, folder);
    std::vector<double> startMs = timingsMs(1, [&] { frm_rename(platform).show(); });
    frm_rename window(platform);
    window.show();
    window.findChild<NameListView *>(u"list_OldName"_s)->setEntries(lists.oldNames);
    window.findChild<NameListView *>(u"list_NewName"_s)->setEntries(lists.newNames);
    auto *generate = window.findChild<QPushButton *>(u"cmd_mapkeyNow"_s);
    const std::vector<double> clickMs = timingsMs(5, [&] {
        QTest::mouseClick(generate, Qt::LeftButton);
        settle(window);
    });
    platform.openSettings()->remove(u"Pruefordner"_s);
    printRow("window: start with a check folder of 600000 files", startMs, 0);
    printRow("window: generation click, 1000 pairs, check folder of 600000 files", clickMs, 300);
}

// The real program, started as the user starts it, until it says its
// window is shown; settings and home in a folder of their own.
void windowStart(const QString &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"VELMORANT_EXIT_WHEN_SHOWN"_s, u"1"_s);
    environment.insert(u"HOME"_s, folder);
    environment.insert(u"XDG_CONFIG_HOME"_s, folder + u"/config"_s);
    std::vector<double> ms;
    for (int i = 0; i < 7; ++i)
        ms.push_back(childMs(QStringLiteral(VELMORANT_WINDOW), {}, environment, true));
    if (*std::min_element(ms.begin(), ms.end()) < 0) {
        std::printf("window start: the program did not report its window\n");
        return;
    }
    printRow("window start, process start until the main window is shown", ms, 300);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    BenchPlatform platform(dir.path());
    frm_rename window(platform);
    window.show();
    auto *oldList = window.findChild<NameListView *>(u"list_OldName"_s);
    auto *newList = window.findChild<NameListView *>(u"list_NewName"_s);
    auto *generate = window.findChild<QPushButton *>(u"cmd_mapkeyNow"_s);
    auto *ok = window.findChild<QPushButton *>(u"cmd_okfiles"_s);
    auto *out = window.findChild<QPlainTextEdit *>(u"txt_OUT"_s);

    for (const int pairs : {1000, 32767}) {
        const BenchLists lists = benchLists(pairs);
        const int runs = pairs > 10000 ? 3 : 11;
        const auto fill = [&] {
            oldList->setEntries(lists.oldNames);
            newList->setEntries(lists.newNames);
        };
        const auto click = [&] {
            QTest::mouseClick(generate, Qt::LeftButton);
            settle(window);
        };
        const std::vector<double> clickMs = timingsMs(runs, click, fill);
        const std::vector<double> okMs = timingsMs(
            runs, [&] { QTest::mouseClick(ok, Qt::LeftButton); }, click);
        const QByteArray what = QByteArray::number(pairs) + " pairs ("
            + QByteArray::number(out->document()->lineCount()) + " lines)";
        printRow("window: generation click until the output is shown, " + what, clickMs, pairs > 10000 ? 3000 : 100);
        printRow("window: OK until rename.pro is written, " + what, okMs, pairs > 10000 ? 500 : 0);
    }
    actionMemory(window);

    // A list file holding one name of 10 MB, opened into the old-name list
    // and cleared again through the panel's buttons. Slow as it is, each
    // runs once.
    const QString listFile = ListFile::path(platform.programFolder(), ListFile::Kind::OldNames);
    if (!ListFile::write(listFile, {QString(10'000'000, u'x')}).ok)
        return 1;
    QTest::mouseClick(window.findChild<QRadioButton *>(u"Option1"_s), Qt::LeftButton);
    auto *panel = window.findChild<QWidget *>(u"kontextmenue"_s);
    const auto showPanel = [&] {
        if (!panel->isVisible())
            QTest::mouseClick(oldList->viewport(), Qt::RightButton);
    };
    const auto press = [&](const char *name) {
        return [&window, name] {
            QTest::mouseClick(window.findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
            settle(window);
        };
    };
    printRow("window: \"Liste öffnen\" of a list holding one 10 MB line", timingsMs(1, press("open"), showPanel), 500);
    printRow("window: \"Liste löschen\" of that list", timingsMs(1, press("clear"), showPanel), 500);

    generationWithCheckFolder(platform, dir.path() + u"/gross"_s);
    windowStart(dir.path());
    return 0;
}

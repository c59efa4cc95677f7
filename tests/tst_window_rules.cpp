// The window's decisions that need no widget: layout, folder choice, where
// the Info window goes and where the list files lie.
#include "ui/WindowCommandLine.h"
#include "ui/WindowLayout.h"
#include "ui/chooser/FolderChoice.h"
#include "ui/chooser/TreeWatch.h"
#include "ui/info/frm_Info.h"
#include "ui/lists/NameListModel.h"
#include "ui/lists/UndoBudget.h"
#include "ui/platform/Platform.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWindowRules : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void outputSeen_data();
    void outputSeen();
    void folderChoice_data();
    void folderChoice();
    void treeReadDelay_data();
    void treeReadDelay();
    void treeTakesReading_data();
    void treeTakesReading();
    void infoPlacement_data();
    void infoPlacement();
    void listFolder_data();
    void listFolder();
    void undoBudget_data();
    void undoBudget();
    void listDifference_data();
    void listDifference();
    void commandLine_data();
    void commandLine();
};

// Places in twips: txt_OUT height, img_EXIT top, cmd_mapkeyNow top, the
// lists' height, lbl_status top, lbl_pruefung top, the group column's height.
void TestWindowRules::layout_data()
{
    QTest::addColumn<bool>("minimised");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("layOut");
    QTest::addColumn<double>("snapTo");
    QTest::addColumn<QList<double>>("places");
    const QList<double> smallest{5050, 4000, 4360, 3415, 5200, 4060, 1315};
    QTest::newRow("reference 8300") << false << 8300.0 << true << 0.0
                                    << QList<double>{7350, 6300, 6660, 5715, 7500, 6360, 3615};
    QTest::newRow("start 8000") << false << 8000.0 << true << 0.0
                                << QList<double>{7050, 6000, 6360, 5415, 7200, 6060, 3315};
    QTest::newRow("smallest 6000 kept") << false << 6000.0 << true << 0.0 << smallest;
    QTest::newRow("5000 snaps to 6000") << false << 5000.0 << true << 6000.0 << smallest;
    QTest::newRow("maximised 11000") << false << 11000.0 << true << 0.0
                                     << QList<double>{10050, 9000, 9360, 8415, 10200, 9060, 6315};
    QTest::newRow("minimised: nothing") << true << 5000.0 << false << 0.0 << smallest;
}

void TestWindowRules::layout()
{
    QFETCH(bool, minimised);
    QFETCH(double, height);
    QFETCH(bool, layOut);
    QFETCH(double, snapTo);
    QFETCH(QList<double>, places);
    const WindowLayout::Resize resize = WindowLayout::onResize(minimised, height);
    QCOMPARE(resize.layOut, layOut);
    QCOMPARE(resize.snapTo, snapTo);
    const WindowLayout::Places p = WindowLayout::placesFor(height);
    QCOMPARE((QList<double>{p.outputHeight, p.exitTop, p.generateTop, p.listHeight, p.statusTop, p.checkTop,
                            p.groupsHeight}),
             places);
}

// The output field's text area: visible width and a character's width in
// pixels, and whether the keyboard is in it.
void TestWindowRules::outputSeen_data()
{
    QTest::addColumn<int>("visibleWidth");
    QTest::addColumn<int>("characterWidth");
    QTest::addColumn<bool>("hasKeyboard");
    QTest::addColumn<bool>("seen");
    QTest::newRow("beyond the edge") << 0 << 7 << false << false;
    QTest::newRow("a strip at the narrow width") << 4 << 7 << false << false;
    QTest::newRow("three characters") << 21 << 7 << false << false;
    QTest::newRow("four characters") << 28 << 7 << false << true;
    QTest::newRow("the wide width") << 470 << 7 << false << true;
    QTest::newRow("beyond the edge, keyboard in it") << 0 << 7 << true << true;
    QTest::newRow("no character width known") << 3 << 0 << false << false;
}

void TestWindowRules::outputSeen()
{
    QFETCH(int, visibleWidth);
    QFETCH(int, characterWidth);
    QFETCH(bool, hasKeyboard);
    QFETCH(bool, seen);
    QCOMPARE(WindowLayout::outputSeen(visibleWidth, characterWidth, hasKeyboard), seen);
}

// A disk with the folders /, /start, /b and /b/sub; the drives "/", "/b"
// and "/off", the last without a medium. The tree starts on /start. Each
// step is "tree:", "text:", "drive:", "shown:" or "ok:" with its value; the
// reaction of the last step is shown as "tree=… text=… drive=… status".
void TestWindowRules::folderChoice_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("reaction");
    QTest::newRow("tree moved: text follows") << u"tree:/b/sub"_s << u"text=/b/sub"_s;
    QTest::newRow("tree on its folder: nothing") << u"tree:/start"_s << QString();
    QTest::newRow("text names a folder: tree follows") << u"text:/b"_s << u"tree=/b"_s;
    QTest::newRow("text names no folder: nothing") << u"text:/b/su"_s << QString();
    QTest::newRow("drive: its root") << u"drive:/b"_s << u"tree=/b"_s;
    QTest::newRow("drive: the folder last shown there") << u"tree:/b/sub tree:/start drive:/b"_s << u"tree=/b/sub"_s;
    QTest::newRow("back on the first drive") << u"tree:/b/sub drive:/"_s << u"tree=/start"_s;
    QTest::newRow("folder last shown gone: root") << u"tree:/b/gone tree:/start drive:/b"_s << u"tree=/b"_s;
    QTest::newRow("drive of the tree: nothing") << u"drive:/"_s << QString();
    QTest::newRow("drive unavailable") << u"drive:/off"_s << u"drive=/ Laufwerk nicht verfügbar !"_s;
    QTest::newRow("drive unavailable after a move")
        << u"tree:/b/sub drive:/off"_s << u"drive=/b Laufwerk nicht verfügbar !"_s;
    QTest::newRow("shown, text names a folder") << u"shown:/b"_s << u"tree=/b"_s;
    QTest::newRow("shown, text names none") << u"shown:/nowhere"_s << u"text=/start"_s;
    QTest::newRow("shown after a move") << u"tree:/b/sub shown:/x"_s << u"text=/b/sub"_s;
    QTest::newRow("OK, text and tree agree") << u"tree:/b/sub ok:/b/sub/"_s << u"text=/b/sub"_s;
    QTest::newRow("OK, a folder the tree does not show") << u"ok:/b"_s << u"tree=/b"_s;
    QTest::newRow("OK, no such folder") << u"tree:/b/sub ok:/b/sub2"_s << u"Fehler: Ordner nicht gefunden: /b/sub2"_s;
}

void TestWindowRules::folderChoice()
{
    QFETCH(QString, steps);
    QFETCH(QString, reaction);
    const QStringList folders{u"/"_s, u"/start"_s, u"/b"_s, u"/b/sub"_s};
    const auto driveOf = [](const QString &path) {
        for (const QString &drive : {u"/b"_s, u"/off"_s}) {
            if (path == drive || path.startsWith(drive + u'/'))
                return drive;
        }
        return u"/"_s;
    };
    FolderChoice choice({[&](const QString &path) { return folders.contains(QDir::cleanPath(path)); }, driveOf,
                         [](const QString &drive) { return drive; }});
    choice.startAt(u"/start"_s);
    FolderChoice::Reaction r;
    for (const QString &step : steps.split(u' ')) {
        const QString value = step.section(u':', 1);
        if (step.startsWith(u"tree:"))
            r = choice.treeChanged(value);
        else if (step.startsWith(u"text:"))
            r = choice.textChanged(value);
        else if (step.startsWith(u"drive:"))
            r = choice.driveChanged(value);
        else if (step.startsWith(u"ok:"))
            r = choice.confirmed(value);
        else
            r = choice.shown(value);
    }
    const auto part = [](const char *name, const std::optional<QString> &value) {
        return value ? QString::fromLatin1(name) + *value + u' ' : QString();
    };
    const QString shown = part("tree=", r.treeTo) + part("text=", r.textTo) + part("drive=", r.driveTo) + r.status;
    QCOMPARE(shown.trimmed(), reaction);
}

// A change of a watched folder, milliseconds after the last reading
// (-1: none yet), with readings 400 ms apart at most.
void TestWindowRules::treeReadDelay_data()
{
    QTest::addColumn<qint64>("sinceLastRead");
    QTest::addColumn<qint64>("delay");
    QTest::newRow("first change: at once") << qint64(-1) << qint64(0);
    QTest::newRow("just read: a whole interval") << qint64(0) << qint64(400);
    QTest::newRow("read 150 ms ago") << qint64(150) << qint64(250);
    QTest::newRow("read an interval ago: at once") << qint64(400) << qint64(0);
    QTest::newRow("read long ago: at once") << qint64(60000) << qint64(0);
}

void TestWindowRules::treeReadDelay()
{
    QFETCH(qint64, sinceLastRead);
    QFETCH(qint64, delay);
    QCOMPARE(TreeWatch::readDelay(sinceLastRead, 400), delay);
}

// The subfolders the tree shows and those on disk, separated by blanks.
void TestWindowRules::treeTakesReading_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("onDisk");
    QTest::addColumn<bool>("differ");
    QTest::newRow("only files changed") << u"a b"_s << u"a b"_s << false;
    QTest::newRow("other order") << u"b a"_s << u"a b"_s << false;
    QTest::newRow("folder made") << u"a"_s << u"a b"_s << true;
    QTest::newRow("last folder removed") << u"a"_s << QString() << true;
    QTest::newRow("folder renamed") << u"a b"_s << u"a c"_s << true;
    QTest::newRow("case differs") << u"Teile"_s << u"teile"_s << true;
}

void TestWindowRules::treeTakesReading()
{
    QFETCH(QString, shown);
    QFETCH(QString, onDisk);
    QFETCH(bool, differ);
    QCOMPARE(TreeWatch::subfoldersDiffer(shown.split(u' ', Qt::SkipEmptyParts), onDisk.split(u' ', Qt::SkipEmptyParts)),
             differ);
}

void TestWindowRules::infoPlacement_data()
{
    QTest::addColumn<double>("mainLeft");
    QTest::addColumn<double>("left");
    QTest::newRow("room beside the window") << 0.0 << 9200.0;
    QTest::newRow("exactly enough room") << 4480.0 << 13680.0;
    QTest::newRow("no room") << 4500.0 << 0.0;
}

// On a screen 19200 twips wide, beside a window 9200 wide.
void TestWindowRules::infoPlacement()
{
    QFETCH(double, mainLeft);
    QFETCH(double, left);
    QCOMPARE(frm_Info::placedLeft(mainLeft, 9200, 19200), left);
}

// By where the program lies: "installed" is the per-user folder, "beside"
// the program's own; the install prefix is /home/a/.local/bin.
void TestWindowRules::listFolder_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("marker");
    QTest::addColumn<QString>("expected");
    QTest::newRow("build tree") << u"/home/a/velmorant/build/src/ui"_s << false << u"beside"_s;
    QTest::newRow("unpacked copy") << u"/home/a/velmorant"_s << false << u"beside"_s;
    QTest::newRow("/usr/bin") << u"/usr/bin"_s << false << u"installed"_s;
    QTest::newRow("/opt") << u"/opt/velmorant/bin"_s << false << u"installed"_s;
    QTest::newRow("install prefix") << u"/home/a/.local/bin"_s << false << u"installed"_s;
    QTest::newRow("Program Files") << u"c:\\program files\\Velmorant"_s << false << u"installed"_s;
    QTest::newRow("marker beside a system copy") << u"/opt/velmorant/bin"_s << true << u"beside"_s;
    QTest::newRow("named like a system folder") << u"/usr2/bin"_s << false << u"beside"_s;
    QTest::newRow("no per-user folder known") << u"/usr/bin"_s << false << QString();
}

void TestWindowRules::listFolder()
{
    QFETCH(QString, program);
    QFETCH(bool, marker);
    QFETCH(QString, expected);
    const QString perUser = expected.isNull() ? QString() : u"/home/a/.local/share/Velmorant"_s;
    QCOMPARE(Platform::listFolderFor(program, {u"/home/a/.local/bin"_s}, marker, perUser),
             expected == u"installed" ? perUser : program);
    // This test lies in the build tree.
    QCOMPARE(Platform().listFolder(), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

// Before Qt has taken its own options ("early") and after: the exit
// status, -1 to go on to the window, and the start of what is printed.
// Help and version themselves are the programs' test (tst_cli).
void TestWindowRules::commandLine_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed");
    QTest::newRow("-v beside a Qt option") << u"early -style fusion -v"_s << 0 << u"Velmorant 1."_s;
    QTest::newRow("-h after Qt's options") << u"-h"_s << 0 << u"Aufruf: velmorant ["_s;
    QTest::newRow("Qt's -reverse is no -v") << u"early -reverse"_s << -1 << QString();
    QTest::newRow("no argument") << QString() << -1 << QString();
    QTest::newRow("unknown option") << u"--bogus"_s << 2
                                    << u"Fehler: Unbekanntes Argument: --bogus\nAufruf: velmorant --help\n"_s;
    QTest::newRow("a file") << u"liste.txt"_s << 2 << u"Fehler: Unbekanntes Argument: liste.txt\n"_s;
    QTest::newRow("early: Qt's options and their values")
        << u"early --platform offscreen -style=fusion -qwindowtitle -x -reverse"_s << -1 << QString();
    QTest::newRow("early: what no Qt option is, after one")
        << u"early -style fusion --bogus"_s << 2 << u"Fehler: Unbekanntes Argument: --bogus\n"_s;
}

void TestWindowRules::commandLine()
{
    QFETCH(QString, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);
    QStringList given = arguments.split(u' ', Qt::SkipEmptyParts);
    const bool early = given.removeAll(u"early"_s) > 0;
    const WindowCommandLine::Answer answer = WindowCommandLine::answer(QStringList{u"velmorant"_s} + given, !early);
    QCOMPARE(answer.done ? answer.exitCode : -1, exitCode);
    QVERIFY(QString::fromUtf8(answer.out + answer.err).startsWith(printed));
}

// The undo steps' costs from the oldest on, against a budget of 100.
void TestWindowRules::undoBudget_data()
{
    QTest::addColumn<QList<qint64>>("costs");
    QTest::addColumn<qsizetype>("forgotten");
    QTest::newRow("just within") << QList<qint64>{40, 60} << qsizetype(0);
    QTest::newRow("one byte over") << QList<qint64>{40, 61} << qsizetype(1);
    QTest::newRow("the oldest until it fits") << QList<qint64>{30, 30, 30, 30, 30} << qsizetype(2);
    QTest::newRow("the newest alone over: all before it") << QList<qint64>{10, 20, 500} << qsizetype(2);
}

void TestWindowRules::undoBudget()
{
    QFETCH(QList<qint64>, costs);
    QTEST(UndoBudget::oldestToForget(costs, 100), "forgotten");
}

// A list before and after a change ("_" an empty entry), the row where the
// change is known to begin (-1 for none), and where the rows change: from
// which row, how many go, how many come.
void TestWindowRules::listDifference_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("at");
    QTest::addColumn<QList<qsizetype>>("rows");
    QTest::newRow("the marked one of equal rows") << u"a a a"_s << u"a a"_s << 1 << QList<qsizetype>{1, 1, 0};
    QTest::newRow("no row known: the last") << u"a a a"_s << u"a a"_s << -1 << QList<qsizetype>{2, 1, 0};
    QTest::newRow("the marked row and an empty one before it")
        << u"a _ a a"_s << u"a a"_s << 2 << QList<qsizetype>{1, 2, 0};
    QTest::newRow("a row where nothing can have gone") << u"x y z"_s << u"x y"_s << 0 << QList<qsizetype>{2, 1, 0};
    QTest::newRow("added among equal rows") << u"a a"_s << u"a a a"_s << 0 << QList<qsizetype>{0, 0, 1};
}

void TestWindowRules::listDifference()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, at);
    const auto list = [](const QString &spaced) { return spaced.split(u' ').replaceInStrings(u"_"_s, QString()); };
    const NameListModel::Difference d = NameListModel::difference(list(before), list(after), at);
    QTEST((QList<qsizetype>{d.first, d.before, d.after}), "rows");
}

QTEST_GUILESS_MAIN(TestWindowRules)
#include "tst_window_rules.moc"

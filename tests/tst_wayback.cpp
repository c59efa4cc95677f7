#include "TestSupport.h"
#include "folder/CheckFolder.h"
#include "generator/MapkeyGenerator.h"
#include "wayback/PairCheck.h"
#include "wayback/WayBack.h"
#include "wayback/WayBackCheck.h"
#include "wayback/WritePlan.h"
#include "write/MapkeyFiles.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <optional>

using namespace Qt::StringLiterals;
using Renames = QList<std::pair<QString, QString>>;

namespace {

// "old>new|old>new" as the two lists.
WayBack::Pairs pairsOf(const QString &text)
{
    WayBack::Pairs pairs;
    for (const QString &pair : text.split(u'|', Qt::SkipEmptyParts)) {
        pairs.oldNames << pair.section(u'>', 0, 0);
        pairs.newNames << pair.section(u'>', 1);
    }
    return pairs;
}

// The renames a rename.pro runs, read as Pro/ENGINEER replays it: the
// master mapkey "rename" calls the mapkeys "umbN" in its order, and each
// opens the object whose name it types into the open dialog and renames it
// to what it types into the rename dialog, the object's type kept when that
// has none. Names in lower case, as Pro/ENGINEER keeps them.
Renames renamesOf(const QByteArray &file)
{
    QHash<QByteArray, std::pair<QString, QString>> typed;
    QList<QByteArray> calls;
    QByteArray mapkey;
    for (const QByteArray &line : file.toLower().split('\n')) {
        if (line.startsWith("mapkey ")) {
            mapkey = line.mid(7, line.indexOf(' ', 7) - 7);
        } else if (mapkey.startsWith("umb") && line.startsWith("mapkey(continued) ~ update `")) {
            const QList<QByteArray> quoted = line.split('`'); // dialog, field and text at 1, 3 and 5
            (quoted.at(1) == "rename" ? typed[mapkey].second : typed[mapkey].first) = QString::fromLatin1(quoted.at(5));
        } else if (mapkey == "rename" && line.startsWith("mapkey(continued) ~ ;%umb")) {
            calls << line.mid(22, line.indexOf(';', 22) - 22);
        }
    }
    Renames renames;
    for (const QByteArray &call : calls) {
        const auto &[from, to] = typed.value(call);
        const bool typeKept = !to.isEmpty() && !to.contains(u'.') && from.contains(u'.');
        renames.append({from, typeKept ? to + from.mid(from.indexOf(u'.')) : to});
    }
    return renames;
}

// The renames on objects named `names`. False when an object is missing or
// a new name is empty or taken.
bool replay(const Renames &renames, QStringList &names)
{
    QHash<QString, qsizetype> byName;
    for (qsizetype i = 0; i < names.size(); ++i)
        byName.insert(names.at(i), i);
    for (const auto &[from, to] : renames) {
        const qsizetype object = byName.value(from, -1);
        if (object < 0 || to.isEmpty() || byName.value(to, object) != object)
            return false;
        byName.remove(from);
        byName.insert(to, object);
        names[object] = to;
    }
    return true;
}

} // namespace

class TestWayBack : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void planForOk_data();
    void planForOk();
    void earlierWayBackKept_data();
    void earlierWayBackKept();
    void pairCheckFollowsItsInputs_data();
    void pairCheckFollowsItsInputs();
};

// The pairs in the order rename.pro runs them; the way back's pairs; whether
// rename.pro and then the way back replay on the objects the old names name
// (every name opened that no earlier rename made), renaming each object and
// then giving it its first name; and what is told before both are written:
// the forward findings, after each row's those only the way back has.
void TestWayBack::roundTrip_data()
{
    QTest::addColumn<QString>("forward");
    QTest::addColumn<QString>("back");
    QTest::addColumn<bool>("replays");
    QTest::addColumn<QStringList>("findings");
    const auto row = [](const char *name, const QString &forward, const QString &back, bool replays,
                        const QStringList &findings = {}) {
        QTest::newRow(name) << forward << back << replays << findings;
    };
    row("a new name keeps its type", u"alt1.prt>neu1|alt2.asm>neu2.asm"_s, u"neu2.asm>alt2.asm|neu1.prt>alt1.prt"_s,
        true);
    row("chain in its order", u"b.prt>c.prt|a.prt>b.prt"_s, u"b.prt>a.prt|c.prt>b.prt"_s, true);
    const QString ring = u"Fehler: Ring: neuer Name ist alter Name von Zeile %1, nur über einen Zwischennamen in zwei "
                         "Läufen möglich: %2"_s;
    row("swap through a free name, its ring told once", u"a.prt>t.prt|b.prt>a.prt|t.prt>b.prt"_s,
        u"b.prt>t.prt|a.prt>b.prt|t.prt>a.prt"_s, true,
        {u"Zeile 1: "_s + ring.arg(3).arg(u"t.prt"_s), u"Zeile 2: "_s + ring.arg(1).arg(u"a.prt"_s),
         u"Zeile 3: "_s + ring.arg(2).arg(u"b.prt"_s)});
    row("old names normalised, no type to keep", u"C:\\w\\Motor.prt.3>Welle|welle>neu"_s,
        u"neu>welle|Welle.prt>Motor.prt"_s, true);
    row("empty new name stays empty", u"x.prt>"_s, u">x.prt"_s, false, {u"Zeile 1: Fehler: neuer Name leer"_s});
    row("a name twice is not told again from the other side", u"a.prt>b.prt|c.prt>b.prt|d.prt>e.prt|d.prt>f.prt"_s,
        u"f.prt>d.prt|e.prt>d.prt|b.prt>c.prt|b.prt>a.prt"_s, false,
        {u"Zeile 1: Fehler: neuer Name doppelt (auch Zeile 2): b.prt"_s,
         u"Zeile 2: Fehler: neuer Name doppelt (auch Zeile 1): b.prt"_s,
         u"Zeile 3: Fehler: alter Name doppelt (auch Zeile 4): d.prt"_s,
         u"Zeile 4: Fehler: alter Name doppelt (auch Zeile 3): d.prt"_s});
    row("a chain out of order is the forward chain walked back", u"a.prt>b.prt|b.prt>c.prt"_s,
        u"c.prt>b.prt|b.prt>a.prt"_s, true,
        {u"Zeile 1: Warnung: Kette: neuer Name ist alter Name der späteren Zeile 2, die zuerst laufen muss "
         "(Reihenfolge ordnen): b.prt"_s});
    row("the way back's own findings, on the lists' rows after the forward ones",
        u"x.prt>y.prt|a b.prt>c.prt|a/b.prt>d e.prt"_s, u"d e.prt>a/b.prt|c.prt>a b.prt|y.prt>x.prt"_s, true,
        {u"Rückweg: Zeile 2: Fehler: neuer Name enthält ein unzulässiges Zeichen (Leerzeichen): a b.prt"_s,
         u"Zeile 3: Fehler: neuer Name enthält ein unzulässiges Zeichen (Leerzeichen): d e.prt"_s,
         u"Rückweg: Zeile 3: Fehler: neuer Name ist ein Pfad („/“), erlaubt ist nur ein Name: a/b.prt"_s});
    row("rows a finding of the way back names count the lists' rows", u"b>c.prt|d.prt>e.prt|b.prt>f.prt"_s,
        u"f.prt>b.prt|e.prt>d.prt|c.prt>b"_s, false,
        {u"Zeile 1: Warnung: neuer Name hat einen anderen Typ (.prt statt keiner Endung): c.prt"_s,
         u"Rückweg: Zeile 1: Fehler: neuer Name doppelt (auch Zeile 3): b"_s,
         u"Rückweg: Zeile 3: Fehler: neuer Name doppelt (auch Zeile 1): b.prt"_s});
    QString full;
    for (int i = 0; i < 32767; ++i)
        full += u"|teil_%1.asm>neu_%1"_s.arg(i);
    row("32767 pairs", full, QString(), true);
}

void TestWayBack::roundTrip()
{
    QFETCH(QString, forward);
    QFETCH(QString, back);
    QFETCH(bool, replays);
    const WayBack::Pairs pairs = pairsOf(forward);
    const WayBack::Pairs wayBack = WayBack::pairs(pairs.oldNames, pairs.newNames);
    if (!back.isEmpty()) {
        QCOMPARE(wayBack.oldNames, pairsOf(back).oldNames);
        QCOMPARE(wayBack.newNames, pairsOf(back).newNames);
    }
    QStringList lines;
    for (const NameCheck::Finding &finding : WayBackCheck::check(pairs.oldNames, pairs.newNames))
        lines << finding.text;
    QTEST(lines, "findings");
    const Renames renames = renamesOf(MapkeyGenerator::generateFile(pairs.oldNames, pairs.newNames).fileBytes);
    const Renames undoes = renamesOf(WayBack::generateFile(pairs.oldNames, pairs.newNames).fileBytes);
    QVERIFY(renames.size() == pairs.oldNames.size() && undoes.size() == renames.size());
    QStringList names;
    QSet<QString> made;
    for (const auto &[from, to] : renames) {
        if (!made.contains(from))
            names << from;
        made << from << to;
    }
    const QStringList first = names;
    const bool forwardRan = replay(renames, names);
    const QStringList renamed = names;
    QCOMPARE(forwardRan && replay(undoes, names), replays);
    for (qsizetype i = 0; replays && i < first.size(); ++i)
        QVERIFY(renamed.at(i) != first.at(i) && names.at(i) == first.at(i));
}

// "OK" with an empty output field writes nothing; the way back only for
// pairs that were generated, its own findings asked before anything is
// written when the question before generating did not name them.
void TestWayBack::planForOk_data()
{
    QTest::addColumn<bool>("outputEmpty");
    QTest::addColumn<bool>("pairsBuilt");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("askedAtGeneration");
    QTest::addColumn<QString>("plan"); // refusal | way back | asked first | no way back
    const QString nothing = u"Nichts geschrieben: keine erzeugte Mapkey-Datei|0|0|"_s;
    QTest::newRow("after a refused generation") << true << false << true << true << nothing;
    QTest::newRow("output emptied by hand") << true << true << false << false << nothing;
    QTest::newRow("box not ticked") << false << true << false << false << u"|0|0|"_s;
    QTest::newRow("ticked at generation") << false << true << true << true << u"|1|0|"_s;
    QTest::newRow("ticked since") << false << true << true << false << u"|1|1|"_s;
    QTest::newRow("text typed after a refused generation")
        << false << false << true << false << u"|0|0|Rückweg nicht geschrieben: keine erzeugten Paare"_s;
}

void TestWayBack::planForOk()
{
    QFETCH(bool, outputEmpty);
    QFETCH(bool, pairsBuilt);
    QFETCH(bool, ticked);
    QFETCH(bool, askedAtGeneration);
    const WritePlan::Plan plan = WritePlan::forOk(outputEmpty, pairsBuilt, ticked, askedAtGeneration);
    QTEST(QStringList({plan.refusal, QString::number(plan.wayBack), QString::number(plan.askFirst), plan.noWayBack})
              .join(u'|'),
          "plan");
}

// The one road for both files: an earlier rename_zurueck.pro ("zurück") of
// any kind is renamed after its modification time (local time) right
// before rename.pro ("neu", or with "way back" the way back itself)
// replaces anything; when it cannot be, nothing is written. "too long": a
// folder whose path leaves room for rename.pro but not for the dated name;
// "disk full": the way back cut short while it is written, before anything
// is replaced. "link": the earlier one, or rename.pro, is a link to a file
// of another folder, or to none there ("dangling"); that folder stays as
// it was, and the link is kept as a link. "%1" stands for the folder;
// "<now>" for a date of today's kind.
void TestWayBack::earlierWayBackKept_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<QString>("keptAs");
    QTest::addColumn<QString>("status");
    const QString dated = u"rename_zurueck_2023-04-05_06-07-08"_s;
    const QString saved = u"Datei rename.pro wurde gespeichert in %1"_s;
    const QString wayBackSaved = u"Datei rename_zurueck.pro wurde gespeichert in %1"_s;
    QTest::newRow("none there") << u"none"_s << QString() << saved;
    QTest::newRow("kept by its modification time") << u"earlier"_s << dated + u".pro"_s << saved;
    QTest::newRow("that name taken: the second of that second") << u"taken once"_s << dated + u"_2.pro"_s << saved;
    QTest::newRow("that name and the next taken: a number") << u"taken"_s << dated + u"_3.pro"_s << saved;
    QTest::newRow("modified in the first second of 1970, a date all the same")
        << u"epoch"_s << u"rename_zurueck_1970-01-01_00-00-00.pro"_s << saved;
    QTest::newRow("a folder of that name is no way back") << u"folder"_s << QString() << saved;
    QTest::newRow("the way back keeps the earlier one too") << u"way back"_s << dated + u".pro"_s << wayBackSaved;
    QTest::newRow("the way back cut short: the earlier one stays")
        << u"way back, disk full"_s << QString()
        << u"Fehler: Datei rename_zurueck.pro konnte nicht gespeichert werden in %1: Datei zu groß (Grenze der "
           "Dateigröße erreicht)"_s;
    QTest::newRow("a link to a file elsewhere kept as a link, the way back a file here")
        << u"way back, link"_s << dated + u".pro"_s << wayBackSaved;
    QTest::newRow("a link to nothing kept as a link, nothing made elsewhere")
        << u"way back, dangling link"_s << u"<now>"_s << wayBackSaved;
    QTest::newRow("rename.pro a link: replaced by the file, what it led to unchanged")
        << u"rename.pro link"_s << QString() << saved;
    QTest::newRow("not permitted to rename it, in a sticky folder of another owner")
        << u"sticky"_s << QString()
        << u"Fehler: Nichts geschrieben: frühere Rückweg-Datei rename_zurueck.pro in %1 konnte nicht umbenannt "
           "werden: Vorgang nicht zulässig"_s;
    QTest::newRow("cannot be renamed: nothing written, the reason in German")
        << u"too long"_s << QString()
        << u"Fehler: Nichts geschrieben: frühere Rückweg-Datei rename_zurueck.pro in %1 konnte nicht umbenannt "
           "werden: Dateiname oder Pfad zu lang"_s;
}

void TestWayBack::earlierWayBackKept()
{
    QFETCH(QString, road);
    QFETCH(QString, keptAs);
    QFETCH(QString, status);
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    QString folder = dir.path();
    if (road == u"too long") { // 4,065 characters
        while (folder.size() < 3800)
            folder += u'/' + QString(200, u'd');
        folder += u'/' + QString(4064 - folder.size(), u'e');
        if (!QDir().mkpath(folder))
            QSKIP("this system takes no path this long");
    }
    std::optional<TestSupport::AsNobody> nobody;
    if (road == u"sticky") { // root's files, written by nobody
        if (!TestSupport::AsNobody::root())
            QSKIP("only root hands a folder's files to another owner");
#ifdef Q_OS_UNIX
        folder = dir.filePath(u"geteilt"_s);
        QVERIFY(QDir().mkdir(folder) && ::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0
                && ::chmod(QFile::encodeName(folder).constData(), 01777) == 0);
#endif
    }
    const QString earlier = folder + u"/rename_zurueck.pro"_s;
    const QString other = elsewhere.filePath(u"fremd.pro"_s);
    const QDateTime modified(QDate(2023, 4, 5), QTime(6, 7, 8));
    QVERIFY(TestSupport::writeDated(other, "zurück\r\n", modified));
    if (road == u"rename.pro link")
        QVERIFY(QFile::link(other, folder + u"/rename.pro"_s));
    else
        QVERIFY(TestSupport::writeBytes(folder + u"/rename.pro"_s, "alt\r\n"));
    if (road == u"folder")
        QVERIFY(QDir(folder).mkdir(u"rename_zurueck.pro"_s));
    else if (road.endsWith(u"link"))
        QVERIFY(road == u"rename.pro link"
                || QFile::link(road.contains(u"dangling") ? elsewhere.filePath(u"fehlt.pro"_s) : other, earlier));
    else if (road == u"epoch")
        QVERIFY(TestSupport::writeDated(earlier, "zurück\r\n", QDateTime::fromSecsSinceEpoch(0, Qt::UTC)));
    else if (road != u"none")
        QVERIFY(TestSupport::writeDated(earlier, "zurück\r\n", modified));
    for (const QString &taken : {u"_06-07-08.pro"_s, u"_06-07-08_2.pro"_s}) {
        if (road == u"taken" || (road == u"taken once" && taken == u"_06-07-08.pro"))
            QVERIFY(TestSupport::writeBytes(folder + u"/rename_zurueck_2023-04-05"_s + taken, {}));
    }
    QStringList oldNames{u"a.prt"_s};
    QStringList newNames{u"b.prt"_s};
    std::optional<TestSupport::FileSizeLimit> disk;
    if (road == u"way back, disk full") { // more than a write buffer holds
        for (int i = 0; i < 200; ++i) {
            oldNames << u"teil_%1.prt"_s.arg(i);
            newNames << u"neu_%1.prt"_s.arg(i);
        }
        if (!disk.emplace(1024).active())
            QSKIP("this system sets no file size limit");
    }
    if (road == u"sticky") {
        for (const QString &file : {earlier, folder + u"/rename.pro"_s})
            QVERIFY(QFile::setPermissions(file, TestSupport::mode(0666)));
        QVERIFY(nobody.emplace().m_nobody);
    }
    const bool wayBack = road.startsWith(u"way back");
    MapkeyFiles::Request request;
    request.folder = folder;
    if (wayBack)
        request.wayBack = MapkeyFiles::wayBack(oldNames, newNames, TemplateSet::builtIn());
    else
        request.renamePro = MapkeyFiles::fileBytes("neu\r\n");
    const MapkeyFiles::Result result = MapkeyFiles::write(request);
    disk.reset();
    nobody.reset();
    QCOMPARE(result.fileText, status.arg(folder));
    const QString kept = result.keptText.section(u"frühere Rückweg-Datei aufbewahrt als "_s, 1);
    if (keptAs == u"<now>")
        QVERIFY2(QRegularExpression(u"^rename_zurueck_\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.pro$"_s)
                     .match(kept)
                     .hasMatch(),
                 qPrintable(result.keptText));
    else
        QCOMPARE(result.keptText, keptAs.isEmpty() ? QString() : u"frühere Rückweg-Datei aufbewahrt als "_s + keptAs);
    const bool written = result.written();
    QCOMPARE(TestSupport::readBytes(folder + u"/rename.pro"_s), written && !wayBack ? "neu\r\n" : "alt\r\n");
    if (!kept.isEmpty() && !road.contains(u"dangling"))
        QCOMPARE(TestSupport::readBytes(folder + u'/' + kept), QByteArray("zurück\r\n"));
    if (road.endsWith(u"link") && road != u"rename.pro link")
        QCOMPARE(QFileInfo(folder + u'/' + kept).symLinkTarget(),
                 road.contains(u"dangling") ? elsewhere.filePath(u"fehlt.pro"_s) : other);
    const QByteArray now = TestSupport::readBytes(earlier);
    QCOMPARE(now.startsWith("save_objects all"), wayBack && written);
    QCOMPARE(now == "zurück\r\n", !written);
    QCOMPARE(QFileInfo(earlier).isDir(), road == u"folder");
    // Both files are plain files here; nothing elsewhere changed.
    for (const QString &file : {earlier, folder + u"/rename.pro"_s})
        QVERIFY(!QFileInfo(file).isSymbolicLink() || !written);
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{u"fremd.pro"_s});
    QCOMPARE(TestSupport::readBytes(other), QByteArray("zurück\r\n"));
}

QTEST_GUILESS_MAIN(TestWayBack)
// The check kept between edits is made again when any of what it was made
// from changes: a.prt to b.prt, checked against a folder holding a.prt.
void TestWayBack::pairCheckFollowsItsInputs_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QList<NameCheck::Rule>>("rules");
    using R = NameCheck::Rule;
    QTest::newRow("nothing") << u"nothing"_s << QList<R>{};
    QTest::newRow("new name is the old one") << u"new names"_s << QList<R>{R::Unchanged};
    QTest::newRow("folder read again, new name taken") << u"folder read again"_s << QList<R>{R::TakenInFolder};
    QTest::newRow("other folder, old name missing") << u"other folder"_s << QList<R>{R::MissingInFolder};
}

void TestWayBack::pairCheckFollowsItsInputs()
{
    QFETCH(QString, change);
    QFETCH(QList<NameCheck::Rule>, rules);
    QTemporaryDir dir;
    const QString one = dir.filePath(u"eins"_s);
    const QString two = dir.filePath(u"zwei"_s);
    QVERIFY(QDir().mkpath(one) && QDir().mkpath(two) && TestSupport::writeBytes(one + u"/a.prt.1"_s, "x"));
    CheckFolder folder;
    folder.setPath(one);
    PairCheck check;
    QStringList newNames{u"b.prt"_s};
    QCOMPARE(check.findings({u"a.prt"_s}, newNames, folder, false).size(), 0);
    if (change == u"new names")
        newNames = QStringList{u"a.prt"_s};
    if (change == u"folder read again") {
        QVERIFY(TestSupport::writeBytes(one + u"/b.prt.1"_s, "x"));
        folder.remember(one);
        folder.readAgain();
    }
    if (change == u"other folder")
        folder.setPath(two);
    QList<NameCheck::Rule> found;
    for (const NameCheck::Finding &finding : check.findings({u"a.prt"_s}, newNames, folder, false))
        found << finding.rule;
    QCOMPARE(found, rules);
}

#include "tst_wayback.moc"

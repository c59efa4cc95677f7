#include "TestSupport.h"
#include "generator/MapkeyGenerator.h"
#include "wayback/WayBack.h"
#include "wayback/WayBackCheck.h"

#include <QHash>
#include <QSet>

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

QTEST_GUILESS_MAIN(TestWayBack)
#include "tst_wayback.moc"

#include "check/ChainOrder.h"
#include "check/NameCheck.h"

#include <QTest>

using namespace Qt::StringLiterals;
using NameCheck::Severity;

class TestCheck : public QObject
{
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void longRingNeedsNoDeepStack();
    void order_data();
    void order();
    void counts_data();
    void counts();
    void rowMarks();
};

void TestCheck::rules_data()
{
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<QStringList>("expected");
    const QString ring = u"Ring: neuer Name ist alter Name von Zeile %1, nur über einen Zwischennamen in zwei Läufen möglich"_s;
    const QString name31 = u"abcdefghij_abcdefghij_abcdefghi"_s;
    QTest::newRow("clean pairs") << QStringList{"C:\\work\\welle.prt.3", "lager.asm"}
                                 << QStringList{"welle_neu.prt", "lager_neu"} << QStringList{};
    QTest::newRow("rows beyond the shorter list") << QStringList{"a.prt", ""} << QStringList{"b.prt"} << QStringList{};
    QTest::newRow("empty") << QStringList{"a.prt", ""} << QStringList{"", "b.prt"}
                           << QStringList{"Zeile 1: Fehler: neuer Name leer", "Zeile 2: Fehler: alter Name leer"};
    QTest::newRow("breaks the line") << QStringList{"C:\\x\\a`x.prt.2"} << QStringList{"b\tc.prt"}
        << QStringList{"Zeile 1: Fehler: alter Name beendet die Mapkey-Zeile („`“): a`x.prt",
                       "Zeile 1: Fehler: neuer Name beendet die Mapkey-Zeile (Steuerzeichen U+0009): b<U+0009>c.prt"};
    QTest::newRow("path") << QStringList{"a.prt", "c.prt"} << QStringList{"C:\\neu\\b.prt", "d/e.prt"}
        << QStringList{"Zeile 1: Fehler: neuer Name ist ein Pfad („:“), erlaubt ist nur ein Name: C:\\neu\\b.prt",
                       "Zeile 2: Fehler: neuer Name ist ein Pfad („/“), erlaubt ist nur ein Name: d/e.prt"};
    QTest::newRow("new name twice, letter case, extension taken from the old name")
        << QStringList{"a.prt", "c.prt", "e.prt"} << QStringList{"b.prt", "B.PRT", "b"}
        << QStringList{"Zeile 1: Fehler: neuer Name doppelt (auch Zeile 2, insgesamt 3-mal): b.prt",
                       "Zeile 2: Fehler: neuer Name doppelt (auch Zeile 1, insgesamt 3-mal): B.PRT",
                       "Zeile 3: Fehler: neuer Name doppelt (auch Zeile 1, insgesamt 3-mal): b"};
    QTest::newRow("old name twice once normalised") << QStringList{"C:\\w\\Welle.prt.2", "welle.prt"}
                                                    << QStringList{"a.prt", "b.prt"}
        << QStringList{"Zeile 1: Fehler: alter Name doppelt (auch Zeile 2): Welle.prt",
                       "Zeile 2: Fehler: alter Name doppelt (auch Zeile 1): welle.prt"};
    QTest::newRow("ring, which is no chain") << QStringList{"a.prt", "b.prt"} << QStringList{"b.prt", "A"}
        << QStringList{"Zeile 1: Fehler: " + ring.arg(2) + ": b.prt", "Zeile 2: Fehler: " + ring.arg(1) + ": A"};
    QTest::newRow("kept name on a ring") << QStringList{"a.prt", "a.prt", "b.prt"} << QStringList{"a.prt", "b.prt", "a.prt"}
        << QStringList{"Zeile 1: Fehler: neuer Name doppelt (auch Zeile 3): a.prt",
                       "Zeile 1: Fehler: alter Name doppelt (auch Zeile 2): a.prt",
                       "Zeile 1: Fehler: " + ring.arg(2) + ": a.prt",
                       "Zeile 1: Warnung: neuer Name gleich dem alten: a.prt",
                       "Zeile 2: Fehler: alter Name doppelt (auch Zeile 1): a.prt",
                       "Zeile 2: Fehler: " + ring.arg(3) + ": b.prt",
                       "Zeile 3: Fehler: neuer Name doppelt (auch Zeile 1): a.prt",
                       "Zeile 3: Fehler: " + ring.arg(1) + ": a.prt"};
    QTest::newRow("chain, new name without extension") << QStringList{"a.prt", "b.prt"} << QStringList{"b", "c.prt"}
        << QStringList{"Zeile 1: Warnung: Kette: neuer Name ist alter Name der späteren Zeile 2, die zuerst laufen muss "
                       "(Reihenfolge ordnen): b"};
    QTest::newRow("holder runs earlier, other type keeps apart") << QStringList{"b.prt", "a.prt", "c.prt", "x"}
                                                                 << QStringList{"x.prt", "b", "a.prt", "y"} << QStringList{};
    QTest::newRow("unchanged, letter case aside") << QStringList{"C:\\w\\Welle.prt.1", "lager.asm"}
                                                  << QStringList{"welle.PRT", "Lager"}
        << QStringList{"Zeile 1: Warnung: neuer Name gleich dem alten: welle.PRT",
                       "Zeile 2: Warnung: neuer Name gleich dem alten: Lager"};
    QTest::newRow("31 and 32 characters") << QStringList{"a.prt", "b.prt"} << QStringList{name31 + ".prt", name31 + "j.prt.2"}
        << QStringList{"Zeile 2: Warnung: neuer Name länger als 31 Zeichen (32): " + name31 + "j.prt.2"};
    QTest::newRow("characters") << QStringList{"a.prt", "b.prt", "c.prt", "d.prt", "e.prt"}
                                << QStringList{"a-b.prt", "-ab.prt", "teil#1.prt", "Müller_äöüß_2.prt", "a b"}
        << QStringList{"Zeile 2: Warnung: neuer Name beginnt mit „-“: -ab.prt",
                       "Zeile 3: Warnung: neuer Name enthält ein unzulässiges Zeichen („#“): teil#1.prt",
                       "Zeile 5: Warnung: neuer Name enthält ein unzulässiges Zeichen (Leerzeichen): a b"};
    QTest::newRow("other type, after the character finding") << QStringList{"a.prt", "b.PRT", "c"}
                                                             << QStringList{"a neu.asm", "b_neu.prt", "c_neu.drw"}
        << QStringList{"Zeile 1: Warnung: neuer Name enthält ein unzulässiges Zeichen (Leerzeichen): a neu.asm",
                       "Zeile 1: Warnung: neuer Name hat einen anderen Typ (.asm statt .prt): a neu.asm",
                       "Zeile 3: Warnung: neuer Name hat einen anderen Typ (.drw statt keiner Endung): c_neu.drw"};
}

void TestCheck::rules()
{
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, newNames);
    QStringList texts;
    for (const NameCheck::Finding &f : NameCheck::check(oldNames, newNames))
        texts << f.text;
    QTEST(texts, "expected");
}

// A chain or ring of a full list is walked without recursion.
void TestCheck::longRingNeedsNoDeepStack()
{
    QStringList oldNames, newNames;
    for (int i = 0; i < 32767; ++i) {
        oldNames << u"t%1.prt"_s.arg(i);
        newNames << u"t%1.prt"_s.arg((i + 1) % 32767);
    }
    const auto findings = NameCheck::check(oldNames, newNames);
    QCOMPARE(findings.size(), 32767);
    QVERIFY(findings.last().text.startsWith(u"Zeile 32767: Fehler: Ring: neuer Name ist alter Name von Zeile 1,"_s));
    newNames.last() = u"ende.prt"_s;
    const auto ordered = ChainOrder::order(oldNames, newNames);
    QCOMPARE(ordered.newNames.first(), u"ende.prt"_s);
    QCOMPARE(ordered.oldNames.last(), u"t0.prt"_s);
    QCOMPARE(ChainOrder::statusText(ordered), u"Reihenfolge geordnet: 32766 Paare verschoben"_s);
}

void TestCheck::order_data()
{
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<QStringList>("orderedOld");
    QTest::addColumn<QStringList>("orderedNew");
    QTest::addColumn<QString>("status");
    QTest::newRow("reversed chain") << QStringList{"a", "b", "c", "d"} << QStringList{"b", "c", "d", "e"}
                                    << QStringList{"d", "c", "b", "a"} << QStringList{"e", "d", "c", "b"}
                                    << "Reihenfolge geordnet: 4 Paare verschoben";
    QTest::newRow("pair blocked behind a ring") << QStringList{"p", "a", "b", "q"} << QStringList{"a", "b", "a", "r"}
                                                << QStringList{"q", "p", "a", "b"} << QStringList{"r", "a", "b", "a"}
                                                << "Reihenfolge geordnet: 4 Paare verschoben; Ringe bleiben, siehe Prüfung";
    QTest::newRow("nothing collides") << QStringList{"a", "c"} << QStringList{"b", "d"} << QStringList{"a", "c"}
                                      << QStringList{"b", "d"} << "Reihenfolge unverändert";
    QTest::newRow("exact texts kept, letter case ignored") << QStringList{"C:\\w\\a.prt.1", "C:\\w\\B.PRT.2"}
        << QStringList{"b", "c.prt"} << QStringList{"C:\\w\\B.PRT.2", "C:\\w\\a.prt.1"} << QStringList{"c.prt", "b"}
        << "Reihenfolge geordnet: 2 Paare verschoben";
    QTest::newRow("kept name frees itself, rows beyond the pairs stay")
        << QStringList{"k", "a", "b", "rest"} << QStringList{"K", "b", "c"} << QStringList{"k", "b", "a", "rest"}
        << QStringList{"K", "c", "b"} << "Reihenfolge geordnet: 2 Paare verschoben";
    QTest::newRow("a kept name freed by its other holder") << QStringList{"k", "k"} << QStringList{"k", "x"}
                                                           << QStringList{"k", "k"} << QStringList{"x", "k"}
                                                           << "Reihenfolge geordnet: 2 Paare verschoben";
}

void TestCheck::order()
{
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, newNames);
    const ChainOrder::Result result = ChainOrder::order(oldNames, newNames);
    QTEST(result.oldNames, "orderedOld");
    QTEST(result.newNames, "orderedNew");
    QTEST(ChainOrder::statusText(result), "status");
}

void TestCheck::counts_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("question");
    QTest::newRow("none") << 0 << 0 << "Prüfung: keine Befunde" << QString();
    QTest::newRow("one warning") << 0 << 1 << "Prüfung: 1 Warnung"
                                 << "Die Prüfung der Namen meldet 1 Warnung:\n\nBefund 1\n\nrename.pro trotzdem erstellen?";
    QTest::newRow("first ten of twelve") << 1 << 11 << "Prüfung: 1 Fehler, 11 Warnungen"
        << "Die Prüfung der Namen meldet 1 Fehler, 11 Warnungen:\n\nBefund 1\nBefund 2\nBefund 3\nBefund 4\nBefund 5\n"
           "Befund 6\nBefund 7\nBefund 8\nBefund 9\nBefund 10\n… und 2 weitere Befunde\n\nrename.pro trotzdem erstellen?";
}

void TestCheck::counts()
{
    QFETCH(int, errors);
    QFETCH(int, warnings);
    QList<NameCheck::Finding> findings;
    for (int i = 0; i < errors + warnings; ++i)
        findings.append({i, i < errors ? Severity::Error : Severity::Warning, NameCheck::Rule::Empty, u"Befund %1"_s.arg(i + 1)});
    QTEST(NameCheck::summary(findings), "summary");
    QTEST(NameCheck::questionText(findings), "question");
}

void TestCheck::rowMarks()
{
    const QList<NameCheck::Finding> findings{{0, Severity::Warning, NameCheck::Rule::Chain, u"w0"_s},
                                             {2, Severity::Error, NameCheck::Rule::Path, u"e2"_s},
                                             {2, Severity::Warning, NameCheck::Rule::TooLong, u"w2"_s},
                                             {3, Severity::Error, NameCheck::Rule::Empty, u"beyond"_s}};
    const QList<NameCheck::RowMark> marks = NameCheck::rowMarks(findings, 3);
    QCOMPARE(marks.size(), 3);
    QVERIFY(marks[0].any && marks[0].worst == Severity::Warning && marks[0].tooltip == u"w0"_s);
    QVERIFY(!marks[1].any && marks[1].tooltip.isEmpty());
    QVERIFY(marks[2].any && marks[2].worst == Severity::Error && marks[2].tooltip == u"e2\nw2"_s);
}

QTEST_GUILESS_MAIN(TestCheck)
#include "tst_check.moc"

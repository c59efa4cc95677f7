#include "check/ChainOrder.h"
#include "check/NameCheck.h"
#include "check/UnchangedPairs.h"

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
    void rowMarks_data();
    void rowMarks();
    void unchangedPairs_data();
    void unchangedPairs();
};

void TestCheck::rules_data()
{
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<QStringList>("expected");
    const QString ring =
        u"Ring: neuer Name ist alter Name von Zeile %1, nur über einen Zwischennamen in zwei Läufen möglich"_s;
    const QString name31 = u"abcdefghij_abcdefghij_abcdefghi"_s;
    QTest::newRow("clean pairs") << QStringList{u"C:\\work\\welle.prt.3"_s, u"lager.asm"_s}
                                 << QStringList{u"welle_neu.prt"_s, u"lager_neu"_s} << QStringList{};
    QTest::newRow("rows beyond the shorter list")
        << QStringList{u"a.prt"_s, u""_s} << QStringList{u"b.prt"_s} << QStringList{};
    QTest::newRow("empty") << QStringList{u"a.prt"_s, u""_s} << QStringList{u""_s, u"b.prt"_s}
                           << QStringList{u"Zeile 1: Fehler: neuer Name leer"_s, u"Zeile 2: Fehler: alter Name leer"_s};
    QTest::newRow("breaks the line: backquote, tab, DEL")
        << QStringList{u"C:\\x\\a`x.prt.2"_s, u"d\u007F.prt"_s} << QStringList{u"b\tc.prt"_s, u"e\u007Ff"_s}
        << QStringList{u"Zeile 1: Fehler: alter Name beendet die Mapkey-Zeile („`“): a`x.prt"_s,
                       u"Zeile 1: Fehler: neuer Name beendet die Mapkey-Zeile (Steuerzeichen U+0009): b<U+0009>c.prt"_s,
                       u"Zeile 2: Fehler: alter Name beendet die Mapkey-Zeile (Steuerzeichen U+007F): d<U+007F>.prt"_s,
                       u"Zeile 2: Fehler: neuer Name beendet die Mapkey-Zeile (Steuerzeichen U+007F): e<U+007F>f"_s};
    const QString noBase = u"Fehler: %1 ohne Grundnamen (nichts vor der Endung): "_s;
    QTest::newRow("nothing before the extension")
        << QStringList{u"a.prt"_s, u"b.asm"_s, u"c.drw"_s, u"..."_s, u"C:.neu.1"_s}
        << QStringList{u".prt"_s, u"..."_s, u"."_s, u"d.prt"_s, u"e"_s}
        << QStringList{u"Zeile 1: "_s + noBase.arg(u"neuer Name") + u".prt"_s,
                       u"Zeile 2: "_s + noBase.arg(u"neuer Name") + u"..."_s,
                       u"Zeile 3: "_s + noBase.arg(u"neuer Name") + u"."_s,
                       u"Zeile 4: "_s + noBase.arg(u"alter Name") + u"..."_s,
                       u"Zeile 5: "_s + noBase.arg(u"alter Name") + u"C:.neu.1"_s};
    QTest::newRow("outside Windows-1252, the old name normalised, an emoji shown whole")
        << QStringList{u"C:\\w\\Łódź.prt.2"_s, u"b.prt"_s} << QStringList{u"lodz.prt"_s, u"Ωmega€😀.prt"_s}
        << QStringList{
               u"Zeile 1: Fehler: alter Name enthält ein Zeichen außerhalb von Windows-1252 („Ł“): Łódź.prt"_s,
               u"Zeile 2: Fehler: neuer Name enthält ein Zeichen außerhalb von Windows-1252 („Ω“): Ωmega€😀.prt"_s,
               u"Zeile 2: Warnung: neuer Name enthält ein unzulässiges Zeichen („€“): Ωmega€😀.prt"_s};
    QTest::newRow("names cut after 64 characters, hidden characters as code points")
        << QStringList{u"a.prt"_s, u"b.prt"_s} << QStringList{QString(70, u'n') + u".prt"_s, u"a\u202Eb\u009Dc.prt"_s}
        << QStringList{u"Zeile 1: Fehler: neuer Name länger als 31 Zeichen (70): "_s + QString(64, u'n') + u"…"_s,
                       u"Zeile 2: Fehler: neuer Name enthält ein Zeichen außerhalb von Windows-1252 (unsichtbares "_s
                       u"Zeichen U+202E): a<U+202E>b<U+009D>c.prt"_s,
                       u"Zeile 2: Warnung: neuer Name enthält ein unzulässiges Zeichen (Steuerzeichen U+009D): "_s
                       u"a<U+202E>b<U+009D>c.prt"_s};
    QTest::newRow("path")
        << QStringList{u"a.prt"_s, u"c.prt"_s} << QStringList{u"C:\\neu\\b.prt"_s, u"d/e.prt"_s}
        << QStringList{u"Zeile 1: Fehler: neuer Name ist ein Pfad („:“), erlaubt ist nur ein Name: C:\\neu\\b.prt"_s,
                       u"Zeile 2: Fehler: neuer Name ist ein Pfad („/“), erlaubt ist nur ein Name: d/e.prt"_s};
    QTest::newRow("new name twice, letter case, extension taken from the old name")
        << QStringList{u"a.prt"_s, u"c.prt"_s, u"e.prt"_s} << QStringList{u"b.prt"_s, u"B.PRT"_s, u"b"_s}
        << QStringList{u"Zeile 1: Fehler: neuer Name doppelt (auch Zeile 2, insgesamt 3-mal): b.prt"_s,
                       u"Zeile 2: Fehler: neuer Name doppelt (auch Zeile 1, insgesamt 3-mal): B.PRT"_s,
                       u"Zeile 3: Fehler: neuer Name doppelt (auch Zeile 1, insgesamt 3-mal): b"_s};
    QTest::newRow("old name twice once normalised")
        << QStringList{u"C:\\w\\Welle.prt.2"_s, u"welle.prt"_s} << QStringList{u"a.prt"_s, u"b.prt"_s}
        << QStringList{u"Zeile 1: Fehler: alter Name doppelt (auch Zeile 2): Welle.prt"_s,
                       u"Zeile 2: Fehler: alter Name doppelt (auch Zeile 1): welle.prt"_s};
    QTest::newRow("ring, which is no chain") << QStringList{u"a.prt"_s, u"b.prt"_s} << QStringList{u"b.prt"_s, u"A"_s}
                                             << QStringList{u"Zeile 1: Fehler: "_s + ring.arg(2) + u": b.prt"_s,
                                                            u"Zeile 2: Fehler: "_s + ring.arg(1) + u": A"_s};
    QTest::newRow("kept name on a ring") << QStringList{u"a.prt"_s, u"a.prt"_s, u"b.prt"_s}
                                         << QStringList{u"a.prt"_s, u"b.prt"_s, u"a.prt"_s}
                                         << QStringList{u"Zeile 1: Fehler: neuer Name doppelt (auch Zeile 3): a.prt"_s,
                                                        u"Zeile 1: Fehler: alter Name doppelt (auch Zeile 2): a.prt"_s,
                                                        u"Zeile 1: Fehler: "_s + ring.arg(2) + u": a.prt"_s,
                                                        u"Zeile 1: Warnung: neuer Name gleich dem alten: a.prt"_s,
                                                        u"Zeile 2: Fehler: alter Name doppelt (auch Zeile 1): a.prt"_s,
                                                        u"Zeile 2: Fehler: "_s + ring.arg(3) + u": b.prt"_s,
                                                        u"Zeile 3: Fehler: neuer Name doppelt (auch Zeile 1): a.prt"_s,
                                                        u"Zeile 3: Fehler: "_s + ring.arg(1) + u": a.prt"_s};
    QTest::newRow("a name kept twice is a ring")
        << QStringList{u"a.prt"_s, u"a.prt"_s} << QStringList{u"a.prt"_s, u"a.prt"_s}
        << QStringList{u"Zeile 1: Fehler: neuer Name doppelt (auch Zeile 2): a.prt"_s,
                       u"Zeile 1: Fehler: alter Name doppelt (auch Zeile 2): a.prt"_s,
                       u"Zeile 1: Fehler: "_s + ring.arg(2) + u": a.prt"_s,
                       u"Zeile 1: Warnung: neuer Name gleich dem alten: a.prt"_s,
                       u"Zeile 2: Fehler: neuer Name doppelt (auch Zeile 1): a.prt"_s,
                       u"Zeile 2: Fehler: alter Name doppelt (auch Zeile 1): a.prt"_s,
                       u"Zeile 2: Fehler: "_s + ring.arg(1) + u": a.prt"_s,
                       u"Zeile 2: Warnung: neuer Name gleich dem alten: a.prt"_s};
    QTest::newRow("chain, new name without extension")
        << QStringList{u"a.prt"_s, u"b.prt"_s} << QStringList{u"b"_s, u"c.prt"_s}
        << QStringList{
               u"Zeile 1: Warnung: Kette: neuer Name ist alter Name der späteren Zeile 2, die zuerst laufen muss "_s
               u"(Reihenfolge ordnen): b"_s};
    QTest::newRow("holder runs earlier, other type keeps apart")
        << QStringList{u"b.prt"_s, u"a.prt"_s, u"c.prt"_s, u"x"_s}
        << QStringList{u"x.prt"_s, u"b"_s, u"a.prt"_s, u"y"_s} << QStringList{};
    QTest::newRow("unchanged, letter case aside")
        << QStringList{u"C:\\w\\Welle.prt.1"_s, u"lager.asm"_s} << QStringList{u"welle.PRT"_s, u"Lager"_s}
        << QStringList{u"Zeile 1: Warnung: neuer Name gleich dem alten: welle.PRT"_s,
                       u"Zeile 2: Warnung: neuer Name gleich dem alten: Lager"_s};
    QTest::newRow("31 and 32 characters")
        << QStringList{u"a.prt"_s, u"b.prt"_s} << QStringList{name31 + u".prt"_s, name31 + u"j.prt"_s}
        << QStringList{u"Zeile 2: Fehler: neuer Name länger als 31 Zeichen (32): "_s + name31 + u"j.prt"_s};
    QTest::newRow("characters")
        << QStringList{u"a.prt"_s, u"b.prt"_s, u"c.prt"_s, u"d.prt"_s, u"e.prt"_s, u"f.prt"_s}
        << QStringList{u"a-b.prt"_s, u"-ab.prt"_s, u"teil#1.prt"_s, u"Müller_äöüß_2.prt"_s, u"a#b c"_s, u"m²½.prt"_s}
        << QStringList{u"Zeile 2: Warnung: neuer Name beginnt mit „-“: -ab.prt"_s,
                       u"Zeile 3: Warnung: neuer Name enthält ein unzulässiges Zeichen („#“): teil#1.prt"_s,
                       u"Zeile 5: Fehler: neuer Name enthält ein unzulässiges Zeichen (Leerzeichen): a#b c"_s,
                       u"Zeile 6: Warnung: neuer Name enthält ein unzulässiges Zeichen („²“): m²½.prt"_s};
    QTest::newRow("other type, after the character finding")
        << QStringList{u"a.prt"_s, u"b.PRT"_s, u"c"_s} << QStringList{u"a neu.asm"_s, u"b_neu.prt"_s, u"c_neu.drw"_s}
        << QStringList{u"Zeile 1: Fehler: neuer Name enthält ein unzulässiges Zeichen (Leerzeichen): a neu.asm"_s,
                       u"Zeile 1: Warnung: neuer Name hat einen anderen Typ (.asm statt .prt): a neu.asm"_s,
                       u"Zeile 3: Warnung: neuer Name hat einen anderen Typ (.drw statt keiner Endung): c_neu.drw"_s};
    QTest::newRow("new names as typed: one extension, no version, no empty one")
        << QStringList{u"a.prt"_s, u"c.prt"_s, u"e.prt"_s, u"g.prt"_s, u"i.prt"_s, u"k.prt"_s}
        << QStringList{u"b.prt.x"_s, u"d..prt"_s, u"f."_s, u"h.asm.3"_s, u"j.prt.3a"_s, u"C:\\neu\\l.prt.12"_s}
        << QStringList{u"Zeile 1: Fehler: neuer Name hat mehr als eine Endung: b.prt.x"_s,
                       u"Zeile 2: Fehler: neuer Name hat mehr als eine Endung: d..prt"_s,
                       u"Zeile 3: Fehler: neuer Name hat eine leere Endung (Punkt am Ende): f."_s,
                       u"Zeile 4: Fehler: neuer Name hat eine Versionsnummer („.3“), die Pro/ENGINEER selbst "_s
                       u"vergibt: h.asm.3"_s,
                       u"Zeile 4: Warnung: neuer Name hat einen anderen Typ (.asm statt .prt): h.asm.3"_s,
                       u"Zeile 5: Fehler: neuer Name hat mehr als eine Endung: j.prt.3a"_s,
                       u"Zeile 6: Fehler: neuer Name ist ein Pfad („:“), erlaubt ist nur ein Name: C:\\neu\\l.prt.12"_s,
                       u"Zeile 6: Fehler: neuer Name hat eine Versionsnummer („.12“), die Pro/ENGINEER selbst "_s
                       u"vergibt: C:\\neu\\l.prt.12"_s};
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
    QTest::newRow("reversed chain") << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}
                                    << QStringList{u"b"_s, u"c"_s, u"d"_s, u"e"_s}
                                    << QStringList{u"d"_s, u"c"_s, u"b"_s, u"a"_s}
                                    << QStringList{u"e"_s, u"d"_s, u"c"_s, u"b"_s}
                                    << "Reihenfolge geordnet: 4 Paare verschoben";
    QTest::newRow("pair blocked behind a ring")
        << QStringList{u"p"_s, u"a"_s, u"b"_s, u"q"_s} << QStringList{u"a"_s, u"b"_s, u"a"_s, u"r"_s}
        << QStringList{u"q"_s, u"p"_s, u"a"_s, u"b"_s} << QStringList{u"r"_s, u"a"_s, u"b"_s, u"a"_s}
        << "Reihenfolge geordnet: 4 Paare verschoben; Ringe bleiben, siehe Prüfung";
    QTest::newRow("nothing collides") << QStringList{u"a"_s, u"c"_s} << QStringList{u"b"_s, u"d"_s}
                                      << QStringList{u"a"_s, u"c"_s} << QStringList{u"b"_s, u"d"_s}
                                      << "Reihenfolge unverändert";
    QTest::newRow("exact texts kept, letter case ignored")
        << QStringList{u"C:\\w\\a.prt.1"_s, u"C:\\w\\B.PRT.2"_s} << QStringList{u"b"_s, u"c.prt"_s}
        << QStringList{u"C:\\w\\B.PRT.2"_s, u"C:\\w\\a.prt.1"_s} << QStringList{u"c.prt"_s, u"b"_s}
        << "Reihenfolge geordnet: 2 Paare verschoben";
    QTest::newRow("kept name frees itself, rows beyond the pairs stay")
        << QStringList{u"k"_s, u"a"_s, u"b"_s, u"rest"_s} << QStringList{u"K"_s, u"b"_s, u"c"_s}
        << QStringList{u"k"_s, u"b"_s, u"a"_s, u"rest"_s} << QStringList{u"K"_s, u"c"_s, u"b"_s}
        << "Reihenfolge geordnet: 2 Paare verschoben";
    QTest::newRow("new names beyond the pairs stay")
        << QStringList{u"a"_s, u"b"_s} << QStringList{u"b"_s, u"c"_s, u"rest"_s} << QStringList{u"b"_s, u"a"_s}
        << QStringList{u"c"_s, u"b"_s, u"rest"_s} << "Reihenfolge geordnet: 2 Paare verschoben";
    QTest::newRow("a kept name freed by its other holder")
        << QStringList{u"k"_s, u"k"_s} << QStringList{u"k"_s, u"x"_s} << QStringList{u"k"_s, u"k"_s}
        << QStringList{u"x"_s, u"k"_s} << "Reihenfolge geordnet: 2 Paare verschoben";
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
    QTest::addColumn<QString>("notChecked");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("newCount"); // of names, beside 20 old ones
    const QString notChecked = u"Nicht gegen den Ordner geprüft."_s;
    QTest::newRow("none") << 0 << 0 << QString() << "Prüfung: keine Befunde" << QString() << 20;
    QTest::newRow("lists of different length, nothing else")
        << 0 << 0 << QString() << "Prüfung: Listen ungleich lang: 20 alte, 19 neue Namen" << QString() << 19;
    QTest::newRow("lists of different length first")
        << 1 << 0 << QString() << "Prüfung: Listen ungleich lang: 20 alte, 21 neue Namen; 1 Fehler"
        << "Die Prüfung der Namen meldet 1 Fehler:\n\nBefund 1\n\nrename.pro trotzdem erstellen?" << 21;
    QTest::newRow("one warning")
        << 0 << 1 << QString() << "Prüfung: 1 Warnung"
        << "Die Prüfung der Namen meldet 1 Warnung:\n\nBefund 1\n\nrename.pro trotzdem erstellen?" << 20;
    QTest::newRow("first ten of twelve")
        << 1 << 11 << QString() << "Prüfung: 1 Fehler, 11 Warnungen"
        << "Die Prüfung der Namen meldet 1 Fehler, 11 Warnungen:\n\nBefund 1\nBefund 2\nBefund 3\nBefund 4\nBefund 5\n"
           "Befund 6\nBefund 7\nBefund 8\nBefund 9\nBefund 10\n… und 2 weitere Befunde\n\nrename.pro trotzdem "
           "erstellen?"
        << 20;
    QTest::newRow("none, but not checked against the folder")
        << 0 << 0 << notChecked << "Prüfung: keine Befunde"
        << "Nicht gegen den Ordner geprüft.\n\nrename.pro trotzdem erstellen?" << 20;
    QTest::newRow("an error, and not checked against the folder")
        << 1 << 0 << notChecked << "Prüfung: 1 Fehler"
        << "Nicht gegen den Ordner geprüft.\n\nDie Prüfung der Namen meldet 1 Fehler:\n\nBefund 1\n\nrename.pro "
           "trotzdem erstellen?"
        << 20;
}

void TestCheck::counts()
{
    QFETCH(int, errors);
    QFETCH(int, warnings);
    QFETCH(QString, notChecked);
    QList<NameCheck::Finding> findings;
    for (int i = 0; i < errors + warnings; ++i)
        findings.append(
            {i, i < errors ? Severity::Error : Severity::Warning, NameCheck::Rule::Empty, u"Befund %1"_s.arg(i + 1)});
    QFETCH(int, newCount);
    QTEST(NameCheck::summary(findings, {}, 20, newCount), "summary");
    QTEST(NameCheck::questionText(findings, notChecked), "question");
}

// Findings as "2e" (an error on row 2) in their order; the marks of three
// rows, "-" for none. A row's tooltip lists its findings in their order.
void TestCheck::rowMarks_data()
{
    QTest::addColumn<QString>("findings");
    QTest::addColumn<QString>("marks");
    QTest::newRow("the worst of a row, rows beyond left out") << u"0w 2e 2w 3e"_s << u"w-e"_s;
    QTest::newRow("a warning, then an error") << u"1w 1e"_s << u"-e-"_s;
}

void TestCheck::rowMarks()
{
    QFETCH(QString, findings);
    QFETCH(QString, marks);
    QList<NameCheck::Finding> given;
    QStringList tips(3);
    for (const QString &f : findings.split(u' ')) {
        const qsizetype row = f.left(1).toInt();
        given.append({row, f.endsWith(u'e') ? Severity::Error : Severity::Warning, NameCheck::Rule::Empty, f});
        if (row < 3)
            tips[row] += (tips[row].isEmpty() ? u""_s : u"\n"_s) + f;
    }
    const QList<NameCheck::RowMark> shown = NameCheck::rowMarks(given, 3);
    QCOMPARE(shown.size(), 3);
    for (qsizetype row = 0; row < 3; ++row) {
        const NameCheck::RowMark &mark = shown.at(row);
        QCOMPARE(!mark.any ? u'-' : mark.worst == Severity::Error ? u'e' : u'w', marks.at(row));
        QCOMPARE(mark.tooltip, tips.at(row));
    }
}

// Pairs as "old>new" ("_" an empty name); the pairs kept, and the status.
void TestCheck::unchangedPairs_data()
{
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("status");
    QTest::newRow("as the name check compares, letter case, path, version and type aside")
        << u"C:\\w\\a.prt.3>A.PRT b.prt>c.prt d.asm>d e.prt>e.asm"_s << u"b.prt>c.prt e.prt>e.asm"_s
        << u"2 unveränderte Paare entfernt"_s;
    QTest::newRow("one, empty pairs kept") << u"_>_ a>a"_s << u"_>_"_s << u"1 unverändertes Paar entfernt"_s;
    QTest::newRow("none") << u"a>b"_s << u"a>b"_s << u"Keine unveränderten Paare"_s;
    QTest::newRow("lists of different length") << u"a>a b>"_s << u"a>a b>"_s
                                               << u"Achtung: Listen ungleich lang: 2 alte, 1 neue Namen, keine Paare "
                                                  u"entfernt"_s;
}

void TestCheck::unchangedPairs()
{
    QFETCH(QString, pairs);
    const auto name = [](const QString &shown) { return shown == u"_" ? QString() : shown; };
    QStringList oldNames;
    QStringList newNames;
    for (const QString &pair : pairs.split(u' ')) {
        oldNames << name(pair.section(u'>', 0, 0));
        if (const QString newName = pair.section(u'>', 1); !newName.isEmpty())
            newNames << name(newName);
    }
    const UnchangedPairs::Result result = UnchangedPairs::removed(oldNames, newNames);
    const auto shown = [](const QStringList &names, qsizetype i) {
        return i >= names.size() ? QString() : names.at(i).isEmpty() ? u"_"_s : names.at(i);
    };
    QStringList kept;
    for (qsizetype i = 0; i < std::max(result.oldNames.size(), result.newNames.size()); ++i)
        kept << shown(result.oldNames, i) + u'>' + shown(result.newNames, i);
    QTEST(kept.join(u' '), "kept");
    QTEST(result.status, "status");
}

QTEST_GUILESS_MAIN(TestCheck)
#include "tst_check.moc"

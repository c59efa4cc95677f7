#include "TestSupport.h"
#include "rules/RuleFile.h"
#include "rules/RuleList.h"
#include "rules/RuleTexts.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Rule file lines written with '|' between the fields and '\n' between
// the lines, for tables that can be read.
QStringList ruleLines(const QString &text)
{
    return QString(text).replace(u'|', u'\t').split(u'\n');
}

QList<RuleStep> steps(const QString &text)
{
    const RuleFile::ReadResult read = RuleFile::parse(ruleLines(text));
    if (!read.ok)
        qWarning("%s", qPrintable(read.error));
    return read.steps;
}

const QString kAllKinds = u"ersetzen|alt|neu|erstes|gross-klein\n"
                          "ersetzen|Ä|ae|alle|egal\n"
                          "muster|pumpe_*_?*|*-?*\n"
                          "regex|(\\d+)$|v\\1\n"
                          "einfuegen|neu_|anfang\n"
                          "einfuegen|_x|ende\n"
                          "aus|einfuegen|-|position|-2\n"
                          "nummerieren|*_###|10|5\n"
                          "entfernen|anfang|2\n"
                          "entfernen|ende|1\n"
                          "entfernen|text|_\n"
                          "aus|schreibweise|gross"_s;

} // namespace

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void newNames_data();
    void newNames();
    void problems_data();
    void problems();
    void readFile_data();
    void readFile();
    void writeFile();
    void texts();

private:
    QTemporaryDir m_dir;
};

// Each step on the old name as generation tidies it, without its
// extension, which is kept as it stands.
void TestRules::newNames_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("expected");

    const auto row = [](const char *name, const QString &rules, const QStringList &oldNames,
                        const QStringList &expected) { QTest::newRow(name) << rules << oldNames << expected; };
    row("no step: folder and version go", u""_s, {u"C:\\work\\Pumpe.prt.12"_s, u"d:motor.asm"_s},
        {u"Pumpe.prt"_s, u"motor.asm"_s});
    row("empty names stay empty, and count", u"nummerieren|n_##|1|1"_s, {u"a.prt"_s, u""_s, u"b.prt"_s},
        {u"n_01.prt"_s, u""_s, u"n_03.prt"_s});
    row("ersetzen erstes, case counts", u"ersetzen|alt|neu|erstes|gross-klein"_s,
        {u"ALT_alt_alt.prt"_s, u"C:\\w\\alt.prt.2"_s}, {u"ALT_neu_alt.prt"_s, u"neu.prt"_s});
    row("ersetzen alle, case ignored", u"ersetzen|alt|neu|alle|egal"_s, {u"Alt_aLT.asm"_s}, {u"neu_neu.asm"_s});
    row("ersetzen leaves the extension", u"ersetzen|prt|x|alle|egal"_s, {u"prt.prt"_s}, {u"x.prt"_s});
    row("ersetzen without a text", u"ersetzen||x|alle|egal"_s, {u"ab.prt"_s}, {u"ab.prt"_s});
    row("muster", u"muster|pumpe_alt_*|pumpe_neu_*"_s, {u"pumpe_alt_007.prt"_s, u"ventil.prt"_s},
        {u"pumpe_neu_007.prt"_s, u"ventil.prt"_s});
    row("muster with several *", u"muster|*_*_*|*-*-*"_s, {u"a_b_c.prt"_s, u"a_b.prt"_s},
        {u"a-b-c.prt"_s, u"a_b.prt"_s});
    row("muster: a * takes as little as it can", u"muster|*_*|*+*"_s, {u"a_b_c"_s}, {u"a+b_c"_s});
    row("muster: ? is one character, case counts", u"muster|pumpe?|?-*"_s, {u"pumpe1"_s, u"Pumpe1"_s, u"pumpe12"_s},
        {u"1-"_s, u"Pumpe1"_s, u"pumpe12"_s});
    row("regex with \\1 and $1", u"regex|([a-z]+)_(\\d+)|$2_\\1"_s, {u"teil_42.prt"_s}, {u"42_teil.prt"_s});
    row("regex matching the empty text", u"regex|x*|-"_s, {u"ab.prt"_s}, {u"-a-b-.prt"_s});
    row("regex replaces without overlap", u"regex|aa|b"_s, {u"aaaaa"_s}, {u"bba"_s});
    row("regex ^ gives a prefix", u"regex|^|p_"_s, {u"teil.prt"_s}, {u"p_teil.prt"_s});
    row("regex \\12 with one group is \\1 and 2", u"regex|(a)|\\12"_s, {u"ab"_s}, {u"a2b"_s});
    row("regex \\\\ and $$ and a missing group", u"regex|a|\\\\$$\\7"_s, {u"a"_s}, {u"\\$"_s});
    row("einfuegen anfang and ende", u"einfuegen|neu_|anfang\neinfuegen|_v2|ende"_s, {u"motor.prt"_s, u"motor"_s},
        {u"neu_motor_v2.prt"_s, u"neu_motor_v2"_s});
    row("einfuegen position from the start", u"einfuegen|X|position|2"_s, {u"abcd"_s, u"a"_s}, {u"abXcd"_s, u"aX"_s});
    row("einfuegen position 0", u"einfuegen|X|position|0"_s, {u"ab"_s}, {u"Xab"_s});
    row("einfuegen position from the end", u"einfuegen|X|position|-1"_s, {u"abcd.prt"_s}, {u"abcXd.prt"_s});
    row("einfuegen position clamped", u"einfuegen|X|position|-9"_s, {u"abcd"_s}, {u"Xabcd"_s});
    row("nummerieren", u"nummerieren|pumpe_neu_###|1|1"_s, {u"a.prt"_s, u"b.asm"_s, u"c"_s},
        {u"pumpe_neu_001.prt"_s, u"pumpe_neu_002.asm"_s, u"pumpe_neu_003"_s});
    row("nummerieren past the width", u"nummerieren|n_#|8|1"_s, {u"a"_s, u"b"_s, u"c"_s},
        {u"n_8"_s, u"n_9"_s, u"n_10"_s});
    row("nummerieren with * and step", u"nummerieren|*_##|0|5"_s, {u"a.prt"_s, u"b.prt"_s},
        {u"a_00.prt"_s, u"b_05.prt"_s});
    row("nummerieren without #", u"nummerieren|*-|7|1"_s, {u"a"_s}, {u"a-7"_s});
    row("entfernen anfang", u"entfernen|anfang|2"_s, {u"abcd.prt"_s, u"a.prt"_s}, {u"cd.prt"_s, u".prt"_s});
    row("entfernen ende", u"entfernen|ende|3"_s, {u"abcd.prt"_s}, {u"a.prt"_s});
    row("entfernen text", u"entfernen|text|_x"_s, {u"a_x_b_x.prt"_s, u"A_X_x"_s}, {u"a_b.prt"_s, u"A_X"_s});
    row("schreibweise klein", u"schreibweise|klein"_s, {u"Pumpe_ÄB.PRT"_s}, {u"pumpe_äb.PRT"_s});
    row("schreibweise gross", u"schreibweise|gross"_s, {u"Maß.prt"_s}, {u"MASS.prt"_s});
    row("in order, off skipped", u"ersetzen|a|b|alle|gross-klein\naus|schreibweise|gross\neinfuegen|a|ende"_s,
        {u"aa"_s}, {u"bba"_s});
    row("an invalid step changes nothing", u"regex|(|x\nschreibweise|gross"_s, {u"ab"_s}, {u"AB"_s});
    row("every kind in turn", kAllKinds, {u"pumpe_alt_Ä_12.prt"_s}, {u"uneu-aev12x01.prt"_s});
}

void TestRules::newNames()
{
    QFETCH(QString, rules);
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, expected);
    const RuleList list(steps(rules));
    QCOMPARE(list.newNames(oldNames), expected);
    for (qsizetype row = 0; row < oldNames.size(); ++row)
        QCOMPARE(list.newName(oldNames.at(row), row), expected.at(row));
}

void TestRules::problems_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fine") << u"regex|a+|b\nnummerieren|##|1|1"_s << QString();
    QTest::newRow("parenthesis")
        << u"schreibweise|gross\nregex|(ab|x"_s
        << u"Schritt 2: Ungültiger regulärer Ausdruck an Stelle 4: eine schließende Klammer fehlt"_s;
    QTest::newRow("bracket") << u"regex|[ab|x"_s
                             << u"Schritt 1: Ungültiger regulärer Ausdruck an Stelle 4: die schließende ] der "
                                "Zeichenklasse fehlt"_s;
    QTest::newRow("nothing to repeat")
        << u"regex|*a|x"_s
        << u"Schritt 1: Ungültiger regulärer Ausdruck an Stelle 1: vor der Wiederholung steht nichts, was sich "
           "wiederholen lässt"_s;
    QTest::newRow("switched off") << u"aus|regex|(|x"_s << QString();
    QTest::newRow("two runs of #") << u"nummerieren|##_#|1|1"_s
                                   << u"Schritt 1: Das Muster hat mehr als eine Folge von #"_s;
}

void TestRules::problems()
{
    QFETCH(QString, rules);
    QFETCH(QString, expected);
    QCOMPARE(RuleList(steps(rules)).firstProblem(), expected);
}

// A file read gives its steps, written out again as the writer spells
// them; or the reason it is refused.
void TestRules::readFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    const QString canonical = QString(kAllKinds).replace(u'|', u'\t');
    QByteArray cp1252 = "# meine Regeln\r\n\r\n" + canonical.toLatin1().replace('\n', "\r\n") + "\r\n";
    QTest::newRow("every kind, Windows-1252") << cp1252 << canonical;
    QTest::newRow("UTF-8 with its mark, LF") << "\xEF\xBB\xBF" + canonical.toUtf8() + "\n  \n#x\n" << canonical;
    const auto refused = [](const char *name, const char *bytes, const QString &why) {
        QTest::newRow(name) << QByteArray(bytes) << why;
    };
    refused("unknown kind", "# x\r\nschreibweise\tklein\r\numbenennen\ta\r\n",
            u"Zeile 3: unbekannte Art „umbenennen“ (bekannt: ersetzen, muster, regex, einfuegen, nummerieren, "
            "entfernen, schreibweise)"_s);
    refused("fields missing", "ersetzen\ta\tb\talle",
            u"Zeile 1: ersetzen braucht die Felder: TEXT ERSATZ erstes|alle gross-klein|egal (durch Tabulatoren "
            "getrennt)"_s);
    refused("flag word", "schreibweise\tKlein", u"Zeile 1: „Klein“ ist keins von: klein, gross"_s);
    refused("start below 0", "nummerieren\tn_#\t-1\t1",
            u"Zeile 1: START muss eine ganze Zahl von 0 bis 999999999 sein, nicht „-1“"_s);
    refused("start with a plus", "nummerieren\tn_#\t+5\t1",
            u"Zeile 1: START muss eine ganze Zahl von 0 bis 999999999 sein, nicht „+5“"_s);
    refused("step 0", "nummerieren\tn_#\t1\t0",
            u"Zeile 1: SCHRITT muss eine ganze Zahl von 1 bis 999999999 sein, nicht „0“"_s);
    refused("position without N", "einfuegen\tx\tposition", u"Zeile 1: position braucht eine Zahl N"_s);
    refused("aus alone", "\r\naus\r\n", u"Zeile 2: nach „aus“ fehlt die Art des Schritts"_s);
}

void TestRules::readFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const QString path = m_dir.filePath(u"regeln.txt"_s);
    QVERIFY(TestSupport::writeBytes(path, bytes));
    const RuleFile::ReadResult read = RuleFile::read(path);
    if (expected.startsWith(u"Zeile"_s)) {
        QVERIFY(!read.ok);
        QCOMPARE(read.error, u"Fehler: Regeldatei "_s + path + u", "_s + expected);
    } else {
        QVERIFY2(read.ok, qPrintable(read.error));
        QCOMPARE(RuleFile::lines(read.steps).mid(1).join(u'\n'), expected);
    }
}

// Windows-1252 with CR LF behind a comment; a field with a tab is refused
// and the old file stays; a missing file is named.
void TestRules::writeFile()
{
    const QString path = m_dir.filePath(u"geschrieben.txt"_s);
    QList<RuleStep> written = steps(u"ersetzen|ä|ae|alle|egal\naus|schreibweise|gross"_s);
    QVERIFY(RuleFile::write(path, written).ok);
    QCOMPARE(TestSupport::readBytes(path),
             QByteArray("# Velmorant-Regeln: ein Schritt je Zeile, die Felder durch Tabulatoren getrennt\r\n"
                        "ersetzen\t\xE4\tae\talle\tegal\r\naus\tschreibweise\tgross\r\n"));
    QCOMPARE(RuleFile::read(path).steps, written);

    written[0].replacement = u"a\tb"_s;
    const WriteReport refused = RuleFile::write(path, written);
    QVERIFY(!refused.ok);
    QCOMPARE(refused.statusText,
             u"Fehler: Schritt 1 enthält einen Tabulator oder Zeilenumbruch; die Regeln sind nicht gespeichert"_s);
    QVERIFY(TestSupport::readBytes(path).startsWith("# Velmorant"));

    const QString missing = m_dir.filePath(u"fehlt.txt"_s);
    QCOMPARE(RuleFile::read(missing).error, u"Fehler: Regeldatei nicht gefunden: "_s + missing);
}

// What the dialog lists for each step, and its count of changed names.
void TestRules::texts()
{
    QStringList lines;
    for (const RuleStep &step : steps(kAllKinds))
        lines.append(RuleTexts::describe(step));
    QCOMPARE(lines,
             QStringList({u"Ersetzen: „alt“ → „neu“ (erstes, Groß/Klein beachtet)"_s,
                          u"Ersetzen: „Ä“ → „ae“ (alle, Groß/Klein egal)"_s, u"Muster: „pumpe_*_?*“ → „*-?*“"_s,
                          u"Regulärer Ausdruck: „(\\d+)$“ → „v\\1“"_s, u"Einfügen: „neu_“ am Anfang"_s,
                          u"Einfügen: „_x“ am Ende"_s, u"Einfügen: „-“ an Stelle -2"_s,
                          u"Nummerieren: „*_###“ ab 10, Schritt 5"_s, u"Entfernen: 2 Zeichen am Anfang"_s,
                          u"Entfernen: 1 Zeichen am Ende"_s, u"Entfernen: jedes „_“"_s, u"Schreibweise: groß"_s}));
    QCOMPARE(RuleTexts::previewSummary(1, 3), u"1 von 3 Namen ändern sich"_s);
}

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"

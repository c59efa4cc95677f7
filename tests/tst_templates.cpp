#include "TestSupport.h"
#include "common/Cp1252.h"
#include "generator/MapkeyGenerator.h"
#include "templates/RecordedTemplates.h"
#include "templates/TemplateExport.h"
#include "wayback/WayBack.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using RecordedTemplates::Choice;

namespace {

// A small recording; each row of the check changes one thing in it.
const QString kRecording = u"mapkey velmorant_umbenennen ~ Command `ProCmdModelOpen` ;\\\n"
                           "mapkey(continued) ~ Update `file_open` `Inputname` `velmorant_alt.prt`;\\\n"
                           "mapkey(continued) ~ Update `rename` `InputPanel2` `velmorant_neu`;\n"
                           "mapkey velmorant_speichern ~ Update `file_open` `Inputname` `velmorant_alt.prt`;\\\n"
                           "mapkey(continued) ~ Command `ProCmdModelSave` ;\n"
                           "mapkey velmorant_oeffnen ~ Update `file_open` `Inputname` `velmorant_alt.prt`;\n"_s;

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT

private slots:
    void builtInWrittenOut();
    void builtInReadBack_data();
    void builtInReadBack();
    void laterStyle_data();
    void laterStyle();
    void check_data();
    void check();
};

// The files under data/ are composed by hand: the built-in templates as a
// recording, rename.pro files, and a configuration file with three mapkeys
// recorded in the later style among other options and mapkeys, with the
// rename.pro its rules give.
void TestTemplates::builtInWrittenOut()
{
    COMPARE_BYTES(TemplateExport::recording(), TestSupport::readBytes(QFINDTESTDATA("data/builtin-templates.pro")));
}

// Read back as a recording, the built-in templates give rename.pro byte
// for byte as the built-in set does.
void TestTemplates::builtInReadBack_data()
{
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<QString>("golden");
    QTest::newRow("no pairs") << QStringList{} << QStringList{} << u"no-pairs.pro"_s;
    QTest::newRow("one pair") << QStringList{u"a.prt"_s} << QStringList{u"b.prt"_s} << u"one-pair.pro"_s;
    QTest::newRow("a chain") << QStringList{u"b.prt"_s, u"a.prt"_s} << QStringList{u"c.prt"_s, u"b.prt"_s}
                             << u"chain.pro"_s;
    QTest::newRow("assemblies, drawings, names like template text")
        << QStringList{u"C:\\cad\\motor.asm.3"_s, u"plan.drw"_s, u"MOTOR.ASM"_s, u"my.part.prt"_s, u"x.prt"_s}
        << QStringList{u"File"_s, QString(), u"NeuName123"_s, u"PlatzhalterName"_s, u"Gehäuse `a`;%b\\ €.asm"_s}
        << u"odd-names.pro"_s;
}

void TestTemplates::builtInReadBack()
{
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, newNames);
    QFETCH(QString, golden);
    Choice choice;
    choice.file = QFINDTESTDATA("data/builtin-templates.pro");
    const RecordedTemplates::Checked checked = RecordedTemplates::load(choice);
    QCOMPARE(checked.findingLines(), QString());
    QVERIFY(checked.usable());
    const QByteArray expected = TestSupport::readBytes(QFINDTESTDATA(u"data/"_s + golden));
    COMPARE_BYTES(MapkeyGenerator::generateFile(oldNames, newNames, *checked.set).fileBytes, expected);
    QByteArray shown;
    QVERIFY(Cp1252::encodeAppend(MapkeyGenerator::generate(oldNames, newNames, *checked.set).text, shown, nullptr));
    COMPARE_BYTES(shown + "\r\n", expected);
}

// The way back of the opposite pairs is the same file.
void TestTemplates::laterStyle_data()
{
    QTest::addColumn<bool>("wayBack");
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::newRow("rename.pro") << false << QStringList{u"motor.asm"_s, u"welle.prt"_s}
                                << QStringList{u"antrieb.asm"_s, u"achse.prt"_s};
    QTest::newRow("rename_zurueck.pro") << true << QStringList{u"achse.prt"_s, u"antrieb.asm"_s}
                                        << QStringList{u"welle.prt"_s, u"motor.asm"_s};
}

void TestTemplates::laterStyle()
{
    QFETCH(bool, wayBack);
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, newNames);
    Choice choice;
    choice.file = QFINDTESTDATA("data/later-style.pro");
    const RecordedTemplates::Checked checked = RecordedTemplates::load(choice);
    QCOMPARE(checked.findingLines(), QString());
    QVERIFY(checked.mapkeys.contains(u"velmorant_umbenennen_alt"_s));
    const QByteArray file = wayBack ? WayBack::generateFile(oldNames, newNames, *checked.set).fileBytes
                                    : MapkeyGenerator::generateFile(oldNames, newNames, *checked.set).fileBytes;
    COMPARE_BYTES(file, TestSupport::readBytes(QFINDTESTDATA("data/later-style-rename.pro")));
}

// One row per problem: `from` replaced by `to` in the small recording,
// which is then written to a file and read from there ("<missing>": no
// file; "<huge>": a file larger than any configuration), with other sample
// names where given; "@" in a finding stands for the file. Where given,
// `collective` is "CallALLNow" for a.prt and "saveALLNow" for b.prt as the
// set builds them.
void TestTemplates::check_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("samples");
    QTest::addColumn<QStringList>("findings");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QString>("collective");
    const QString rename = u"Mapkey velmorant_umbenennen (Umbenennen)"_s;
    const QString save = u"Mapkey velmorant_speichern (Speichern)"_s;
    const QString open = u"Mapkey velmorant_oeffnen (Öffnen)"_s;
    const auto row = [](const char *name, const QString &from, const QString &to, const QString &finding,
                        bool usable = false, const QStringList &samples = {}, const QString &collective = {}) {
        QTest::newRow(name) << from << to << samples << (finding.isEmpty() ? QStringList() : QStringList{finding})
                            << usable << collective;
    };
    row("no finding", {}, {}, {}, true);
    row("file cannot be read", u"<missing>"_s, {}, u"Vorlage: Fehler: Aufzeichnung nicht gefunden: @"_s);
    row("file larger than a configuration", u"<huge>"_s, {},
        u"Vorlage: Fehler: Aufzeichnung ist größer als 16 MiB, so groß ist keine Konfigurationsdatei: @"_s);
    row("a line longer than a configuration's", u"ProCmdModelSave"_s, QString(1024 * 1024, u'x'),
        u"Vorlage, Zeile 5: Fehler: Aufzeichnung hat eine Zeile über 1 MiB, so lang ist keine Zeile einer "
        u"Konfigurationsdatei: @"_s);
    row("named mapkey not in it", u"mapkey velmorant_oeffnen"_s, u"mapkey velmorant_offnen"_s,
        u"Vorlage: Fehler: "_s + open + u" fehlt in der Aufzeichnung"_s);
    const QString notClosed = u" nicht abgeschlossen: auf das \\ am Zeilenende folgt keine Zeile „mapkey(continued)“"_s;
    row("not closed", u"`velmorant_alt.prt`;\n"_s, u"`velmorant_alt.prt`;\\\n"_s,
        u"Vorlage, Zeile 6: Fehler: "_s + open + notClosed);
    row("not closed, told on its last line", u"`ProCmdModelSave` ;\n"_s, u"`ProCmdModelSave` ;\\\n"_s,
        u"Vorlage, Zeile 5: Fehler: "_s + save + notClosed);
    row("a continuation after a line without backslash", u"`velmorant_alt.prt`;\\\nmapkey(continued) ~ Command"_s,
        u"`velmorant_alt.prt`;\nmapkey(continued) ~ Command"_s,
        u"Vorlage, Zeile 5: Fehler: Zeile „mapkey(continued)“ gehört zu keinem Mapkey: die Zeile davor ist keine "
        u"Mapkey-Zeile, die mit \\ endet"_s);
    row("blanks after the backslash go on", u"`velmorant_alt.prt`;\\\nmapkey(continued) ~ Update `rename`"_s,
        u"`velmorant_alt.prt`;\\ \t\nmapkey(continued) ~ Update `rename`"_s,
        u"Vorlage, Zeile 2: Warnung: "_s + rename
            + u": Leerzeichen oder Tabulator nach dem \\ am Zeilenende, der Mapkey geht trotzdem in der nächsten "
              u"Zeile weiter"_s,
        true);
    row("CR, LF and CR LF end lines",
        u"` ;\\\nmapkey(continued) ~ Update `file_open` `Inputname` `velmorant_alt.prt`;\\\n"
        u"mapkey(continued) ~ Update `rename` `InputPanel2` `velmorant_neu`;\n"_s,
        u"` ;\\\rmapkey(continued) ~ Update `file_open` `Inputname` `velmorant_alt.prt`;\\\r\n"
        u"mapkey(continued) ~ Update `rename` `InputPanel2` `velmorant_neu`;%hilfe;\r"_s,
        u"Vorlage, Zeile 3: Warnung: "_s + rename + u" ruft Mapkey „hilfe“ auf, der dann auch geladen sein muss"_s,
        true);
    row("option names in any letter case", u"mapkey velmorant_speichern"_s, u"MAPKEY velmorant_speichern"_s, {}, true);
    const QString beforeRename = u"`velmorant_alt.prt`;\\\nmapkey(continued) ~ Update `rename`"_s;
    row("an update stays before a later typing of its field", beforeRename,
        u"`velmorant_alt.prt`;~ Input `file_open` `Inputname` `x`;\\\nmapkey(continued) ~ Update `rename`"_s, {}, true);
    row("a sample name ending at a line end", beforeRename,
        u"`velmorant_alt.prt\\\nmapkey(continued) `;\\\nmapkey(continued) ~ Update `rename`"_s, {}, true);
    row("sample missing", u"`velmorant_neu`"_s, u"`velmorant_nue`"_s,
        u"Vorlage, Zeile 1: Fehler: "_s + rename
            + u": neuer Beispielname velmorant_neu steht nirgends als ganzer Wert"_s);
    row("sample only the start of a value", {}, {},
        u"Vorlage, Zeile 1: Fehler: "_s + rename
            + u": neuer Beispielname velmorant_ne steht nirgends als ganzer Wert, nur als Teil von „velmorant_neu“ "
              u"(Zeile 3)"_s,
        false, {u"velmorant_alt.prt"_s, u"velmorant_ne"_s});
    row("sample only the end of a value", u"`velmorant_alt.prt`;\n"_s, u"`xvelmorant_alt.prt`;\n"_s,
        u"Vorlage, Zeile 6: Fehler: "_s + open
            + u": alter Beispielname velmorant_alt.prt steht nirgends als ganzer Wert, nur als Teil von "
              u"„xvelmorant_alt.prt“ (Zeile 6)"_s);
    row("sample twice", u"~ Command `ProCmdModelSave` ;"_s, u"~ Update `file_save` `Name` `velmorant_alt.prt`;"_s,
        u"Vorlage, Zeile 5: Fehler: "_s + save
            + u": alter Beispielname „velmorant_alt.prt“ steht zweimal darin (zuerst Zeile 4)"_s);
    row("new before old",
        u"`velmorant_alt.prt`;\\\nmapkey(continued) ~ Update `rename` `InputPanel2` `velmorant_neu`"_s,
        u"`velmorant_neu`;\\\nmapkey(continued) ~ Update `rename` `InputPanel2` `velmorant_alt.prt`"_s,
        u"Vorlage, Zeile 2: Fehler: "_s + rename
            + u": neuer Beispielname „velmorant_neu“ steht vor dem alten (Zeile 3)"_s);
    row("line end inside a sample", u"`velmorant_alt.prt`;\\\nmapkey(continued) ~ Update `rename`"_s,
        u"`velmorant_\\\nmapkey(continued) alt.prt`;\\\nmapkey(continued) ~ Update `rename`"_s,
        u"Vorlage, Zeile 2: Fehler: "_s + rename
            + u": alter Beispielname „velmorant_alt.prt“ ist am Zeilenende umbrochen"_s);
    row("character outside Windows-1252", u"ProCmdModelSave"_s, u"ProCmdΩSave"_s,
        u"Vorlage, Zeile 5: Fehler: "_s + save + u": Zeichen außerhalb von Windows-1252 („Ω“)"_s);
    row("new sample in an opening mapkey", u"`velmorant_alt.prt`;\n"_s,
        u"`velmorant_alt.prt`;~ Update `rename` `InputPanel2` `velmorant_neu`;\n"_s,
        u"Vorlage, Zeile 6: Fehler: "_s + open
            + u": neuer Beispielname „velmorant_neu“ darin, er gehört nur in den "
              u"Mapkey zum Umbenennen"_s);
    row("sample empty", {}, {}, u"Vorlage: Fehler: alter Beispielname leer"_s, false, {u" "_s, u"velmorant_neu"_s});
    row("sample no object name, refused before the file is read", u"<missing>"_s, {},
        u"Vorlage: Fehler: neuer Beispielname „velmorant`neu“ ist kein gültiger Objektname (Buchstaben, Ziffern, _ "
        u"und -, höchstens 31 Zeichen vor und zwischen den Punkten)"_s,
        false, {u"velmorant_alt.prt"_s, u"velmorant`neu"_s});
    row("warning: calls another mapkey", u"`ProCmdModelSave` ;"_s, u"`ProCmdModelSave` ;%hilfe;"_s,
        u"Vorlage, Zeile 5: Warnung: "_s + save + u" ruft Mapkey „hilfe“ auf, der dann auch geladen sein muss"_s, true);
    row("warning: old sample with a folder", u"`Inputname` `velmorant_alt.prt`;\\\n"_s,
        u"`Inputname` `C:\\arbeit\\velmorant_alt.prt`;\\\n"_s,
        u"Vorlage, Zeile 2: Warnung: "_s + rename
            + u": alter Beispielname mit Ordnerpfad aufgezeichnet („C:\\arbeit\\velmorant_alt.prt“), jedes Objekt wird "
              u"in diesem Ordner gesucht"_s,
        true);
    row("warning: samples equal", u"`velmorant_neu`"_s, u"`velmorant_alt.prt`"_s,
        u"Vorlage: Warnung: "_s + rename + u": alter und neuer Beispielname gleich („velmorant_alt.prt“)"_s, true,
        {u"velmorant_alt.prt"_s, u"velmorant_alt.prt"_s});
    row("warning: typed but never whole", u"`ProCmdModelOpen` ;"_s,
        u"`ProCmdModelOpen` ;~ Input `search` `Text` `v`;~ Input `search` `Text` `vel`;"_s,
        u"Vorlage, Zeile 1: Warnung: "_s + rename
            + u": ins Feld „search“ „Text“ getippt, es hält aber nie einen ganzen Beispielnamen (zuletzt „vel“)"_s,
        true);
    const QString callAll = u"\r\nmapkey CallALLNow ~ ;\\\r\n"
                            u"mapkey(continued) ~ Update `file_open` `Inputname` `a.prt`;\\\r\n"
                            u"mapkey(continued) ~ ;\r\n"_s;
    const QString saveAll = u"\r\nmapkey saveALLNow ~ ;\\\r\n"
                            u"mapkey(continued) ~ Update `file_open` `Inputname` `b.prt`;\\\r\n"
                            u"mapkey(continued) ~ Command `ProCmdModelSave` ;\\\r\n"
                            u"mapkey(continued) ~ ;\r\n"_s;
    row("a mapkey recorded twice, the later take counts", u"mapkey velmorant_speichern"_s,
        u"mapkey velmorant_speichern ~ Update `file_open` `Inputname` `velmorant_alt.prt`;\n"
        u"mapkey velmorant_speichern"_s,
        {}, true, {}, callAll + saveAll);
    row("a saving and an opening recording that open differently", u"mapkey velmorant_oeffnen"_s,
        u"mapkey velmorant_oeffnen ~ Command `ProCmdModelOpen` ;\\\nmapkey(continued)"_s, {}, true, {},
        QString(callAll).replace(u"~ Update"_s, u"~ Command `ProCmdModelOpen` ;\\\r\nmapkey(continued) ~ Update"_s)
            + saveAll);
}

void TestTemplates::check()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, samples);
    QFETCH(QStringList, findings);
    QFETCH(bool, usable);
    QFETCH(QString, collective);
    const QTemporaryDir dir;
    Choice choice;
    choice.file = dir.filePath(u"rec.pro"_s);
    if (!samples.isEmpty()) {
        choice.oldSample = samples.at(0);
        choice.newSample = samples.at(1);
    }
    QString text = kRecording;
    if (!from.isEmpty() && !from.startsWith(u'<')) {
        const qsizetype at = text.indexOf(from);
        QVERIFY(at >= 0);
        text.replace(at, from.size(), to);
    }
    if (from != u"<missing>") {
        QFile file(choice.file);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0);
        if (from == u"<huge>")
            QVERIFY(file.resize(Recording::kMaxFileBytes + 1));
    }
    const RecordedTemplates::Checked checked = RecordedTemplates::load(choice);
    QStringList texts;
    for (const RecordedTemplates::Finding &finding : checked.findings)
        texts << finding.text;
    QCOMPARE(texts, findings.replaceInStrings(u"@"_s, QDir::toNativeSeparators(choice.file)));
    QCOMPARE(checked.usable(), usable);
    if (!collective.isEmpty()) {
        QString built;
        MapkeyGenerator::CallALL(built, {u"a.prt"_s}, *checked.set);
        MapkeyGenerator::SaveALL(built, {u"b.prt"_s}, *checked.set);
        QCOMPARE(built, collective);
    }
}

QTEST_GUILESS_MAIN(TestTemplates)
#include "tst_templates.moc"

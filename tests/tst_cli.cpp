#include "TestSupport.h"
#include "UsageFixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tool with `input` through a pipe on standard input, optionally
// against a fault: "output full" sends standard output to /dev/full,
// "output closed" and "input and output closed" start it without them,
// "file size limit" lets it write files of 1 KiB at most, the signal for
// crossing the limit left as the system sets it.
Run runCli(const QStringList &arguments, const QString &fault = {}, const QByteArray &input = {})
{
    QProcess process;
#ifdef Q_OS_UNIX
    const bool closeInput = fault.startsWith(u"input");
    const bool closeOutput = fault.endsWith(u"output closed");
    const bool sizeLimit = fault == u"file size limit";
    process.setChildProcessModifier([closeInput, closeOutput, sizeLimit] {
        if (closeInput)
            ::close(STDIN_FILENO);
        if (closeOutput)
            ::close(STDOUT_FILENO);
        if (sizeLimit) {
            std::signal(SIGXFSZ, SIG_DFL);
            TestSupport::FileSizeLimit::set(1024, true);
        }
    });
    if (fault == u"output full")
        process.setStandardOutputFile(u"/dev/full"_s);
#else
    if (!fault.isEmpty())
        return {};
#endif
    process.start(QStringLiteral(VELMORANT_CLI), arguments);
    process.write(input);
    process.closeWriteChannel();
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QByteArray lines(const char *prefix, int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += prefix + QByteArray::number(i) + "\r\n";
    return text;
}

// The files a row names as "@name"; "@out" is the output folder.
const QHash<QString, QByteArray> kFiles{
    {u"two"_s, "a.prt\r\nb.prt\r\n"},
    {u"one"_s, "c.prt\r\n"},
    {u"paths"_s, "C:\\work\\Motor.prt.7\r\nGeh\xE4use.asm\r\n"},
    {u"pathsnew"_s, "Getriebe.prt\r\ngeh\xE4use_neu.asm\r\n"},
    {u"rule"_s, "C:\\cad\\motor_alt.asm.3\r\nwelle_alt.prt\r\n"},
    {u"clean"_s, "welle.prt\r\nmotor.asm\r\n"},
    {u"cleannew"_s, "welle_neu.prt\r\nmotor_neu.asm\r\n"},
    {u"warn"_s, "welle.prt\r\ngeh\xE4use_mit_einem_sehr_langen_namen.asm\r\n"},
    {u"chain"_s, "b.prt\r\nc.prt\r\n"},
    {u"pairs"_s, "alter Name;neuer Name\r\nwelle.prt;welle_neu.prt\r\nmotor.asm;motor_neu.asm\r\n"},
    {u"pairsbad"_s, "welle.prt;welle_neu.prt\r\nmotor.asm\r\n"},
    {u"worked"_s, "alt1.prt;neu1\r\nalt2.asm;neu2.asm\r\n"},
    {u"odd"_s, "x.prt;y.prt\r\na b.prt;c.prt\r\n"},
    {u"pairsmark"_s,
     "\xEF\xBB\xBF"
     "alter Name;neuer Name\r\nwelle.prt;welle_neu.prt\r\nmotor.asm;motor_neu.asm\r\n"},
    {u"utf"_s,
     "Stra\xC3\x9F"
     "e.prt\r\n"},
    {u"utfsixteen"_s, QByteArray("\xFF\xFEG\0r\0\xF6\0\xDF\0e\0.\0p\0r\0t\0\r\0\n\0", 24)},
    {u"tablesixteen"_s,
     QStringEncoder(QStringEncoder::Utf16LE,
                    QStringEncoder::Flag::WriteBom)(u"welle.prt\twelle_neu.prt\r\nmotor.asm\tmotor_neu.asm\r\n")},
    {u"omega"_s, "\xCE\xA9mega.prt\r\n"},
    {u"nul"_s, QByteArray("a.prt\0", 6)},
    {u"models"_s, "Welle.prt;w2.prt\r\nlager.asm;neu\r\n"},
    // Pairs after a run in "@arbeit".
    {u"done"_s, "alt.asm;neu.asm\r\nwelle_v1.prt;Welle.prt\r\n"},
    {u"half"_s, "C:\\cad\\alt.asm.3;neu.asm\r\nwelle.prt;welle_v2.prt\r\n"},
    {u"copy"_s, "welle.prt;welle_v2.prt\r\nlager.asm;neu.asm\r\n"},
    {u"twice"_s, "alt.asm;x.asm\r\nalt.asm;neu.asm\r\n"},
    {u"later"_s, "motor.asm;antrieb.asm\r\nwelle.prt;achse.prt\r\n"},
    {u"laterback"_s, "achse.prt;welle.prt\r\nantrieb.asm;motor.asm\r\n"},
    {u"wellepaar"_s, "welle.prt;alt1.prt\r\n"},
    {u"altpaare"_s, "alt1.prt;neu1.prt\r\nalt2.asm;neu2.asm\r\n"},
    {u"recorded"_s,
     "mapkey u ~ Update `file_open` `Inputname` `alt.prt`;~ Update `rename` `InputPanel2` `neu`;\r\n"
     "mapkey s ~ Update `file_open` `Inputname` `alt.prt`;%hilfe;\r\n"
     "mapkey o ~ Update `file_open` `Inputname` `alt.prt`;\r\n"},
    {u"rules"_s, "# neue Namen\r\n\r\nersetzen\t_alt\t_neu\terstes\tgross-klein\r\nnummerieren\t*_##\t1\t1\r\n"},
    {u"rulesbad"_s, "schreibweise\tklein\r\nregex\t(a\tb\r\n"},
    {u"full"_s, lines("n", 32767)},
    {u"huge"_s, lines("n", 32768)},
};

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void runs_data();
    void runs();
    void helpAndVersion_data();
    void helpAndVersion();
    void fileNamesNotUtf8();
    void earlierWayBackKept_data();
    void earlierWayBackKept();

private:
    QString withFiles(QString text);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCli::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkdir(u"out"_s));
    const QString file = m_dir->filePath(u"out/rename.pro"_s);
    QVERIFY(TestSupport::writeBytes(file, "alt\r\n"));
    // The working folder "@arbeit".
    QVERIFY(QDir(m_dir->path()).mkdir(u"arbeit"_s));
    for (const char *name : {"welle.prt.1", "WELLE.drw.3", "lager.asm", "neu.asm.2", "łódź.prt"})
        QVERIFY(TestSupport::writeBytes(m_dir->filePath(u"arbeit/"_s + QString::fromUtf8(name)), {}));
    // "@werk": object files as Creo 4 writes them, an assembly using alt1.prt
    // and welle.prt (renamed to alt1.prt), a drawing of alt2.asm.
    using UsageFixtures::creo4Object;
    QVERIFY(QDir(m_dir->path()).mkdir(u"werk"_s));
    for (const auto &[name, bytes] :
         {std::pair("baugruppe.asm.2", creo4Object({{"ALT1", "prt"}, {"WELLE", "prt"}})),
          std::pair("zeichnung.drw.1", creo4Object({{"ALT2", "asm", {}, 4}}, "DRAWING")),
          std::pair("alt1.prt.1", creo4Object({}, "PART")), std::pair("alt2.asm.1", creo4Object({}))})
        QVERIFY(TestSupport::writeBytes(m_dir->filePath(u"werk/"_s + QLatin1String(name)), bytes));
}

// Every "@name" replaced by the path of the file written for it; "@data"
// is the folder of the golden files.
QString TestCli::withFiles(QString text)
{
    static const QRegularExpression token(u"@([a-z]+)"_s);
    QRegularExpressionMatch match;
    while ((match = token.match(text)).hasMatch()) {
        const QString name = match.captured(1);
        const QString path = name == u"data"
            ? QFINDTESTDATA("data")
            : m_dir->filePath(name == u"out" || name == u"arbeit" || name == u"werk" ? name : name + u".txt"_s);
        if (kFiles.contains(name) && !QFile::exists(path))
            TestSupport::writeBytes(path, kFiles.value(name));
        text.replace(match.capturedStart(), match.capturedLength(), path);
    }
    return text;
}

// What a run writes (an argument "<name" feeds the file to standard input):
// the exit status, standard output (with --stdout the golden file it must
// equal, if any), the start of standard error (after "*": a part of it,
// after "=": all of it), and the pairs of rename.pro (rename_zurueck.pro with
// --reverse) as "old>new" in its order; no pairs when the old rename.pro
// must stay and nothing but a golden file may reach standard output.
void TestCli::runs_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QStringList>("pairs");
    QTest::addColumn<QString>("fault");
    const auto row = [](const char *name, const QString &arguments, int exitCode, const QString &out,
                        const QString &err, const QStringList &pairs = {}, const QString &fault = {}) {
        QTest::newRow(name) << arguments << exitCode << out << err << pairs << fault;
    };
    const QString saved = u"Datei rename.pro wurde gespeichert in @out\n"_s;
    const QString differ = u"Achtung: Listen ungleich lang: 2 alte, 1 neue Namen\n"_s;
    const QString lineBreak = u"Achtung: Ein Eintrag darf keinen Zeilenumbruch enthalten\n"_s;
    const QString warnings =
        u"Zeile 1: Warnung: neuer Name gleich dem alten: welle.prt\n"
        "Zeile 2: Fehler: neuer Name länger als 31 Zeichen (35): gehäuse_mit_einem_sehr_langen_namen.asm\n"_s;
    const QString notWritten = u"Fehler: Standardausgabe konnte nicht geschrieben werden: "_s;
    const QStringList clean{u"welle.prt>welle_neu.prt"_s, u"motor.asm>motor_neu.asm"_s};
    const QStringList paths{u"Motor.prt>Getriebe.prt"_s, u"Gehäuse.asm>gehäuse_neu.asm"_s};
    row("lists to a folder", u"--old @paths --new @pathsnew --out @out"_s, 0, saved, {}, paths);
    row("lists to standard output", u"--old @paths --new @pathsnew --stdout"_s, 0, {}, {}, paths);
    row("rule on the names as read", u"--old @rule --rule _alt _neu --stdout"_s, 0, {},
        u"Zeile 1: Fehler: neuer Name ist ein Pfad („:“), erlaubt ist nur ein Name: C:\\cad\\motor_neu.asm.3\n"_s,
        {u"motor_alt.asm>C:\\cad\\motor_neu.asm.3"_s, u"welle_alt.prt>welle_neu.prt"_s});
    row("rules from a file", u"--old @rule --rules @rules --stdout"_s, 0, {}, {},
        {u"motor_alt.asm>motor_neu_01.asm"_s, u"welle_alt.prt>welle_neu_02.prt"_s});
    row("rules with an invalid expression", u"--old @two --rules @rulesbad --stdout"_s, 2, {},
        u"=Fehler: Regeldatei @rulesbad, Zeile 2: Ungültiger regulärer Ausdruck an Stelle 3: eine schließende "
        "Klammer fehlt\n"_s);
    row("pairs file with a header", u"--pairs @pairs --out @out"_s, 0, saved, {}, clean);
    row("pairs file in UTF-8 with a mark", u"--pairs @pairsmark --out @out"_s, 0, saved, {}, clean);
    row("lists in UTF-8 and UTF-16", u"--old @utf --new @utfsixteen --stdout"_s, 0, {}, {},
        {u"Straße.prt>Größe.prt"_s});
    row("a list from standard input", u"--old - --rule .prt _neu.prt --stdout <utf"_s, 0, {}, {},
        {u"Straße.prt>Straße_neu.prt"_s});
    row("pairs from standard input in UTF-16", u"--pairs - --out @out <tablesixteen"_s, 0, saved, {}, clean);
    row("standard input no text", u"--old @one --new - --out @out <nul"_s, 2, {},
        u"Fehler: Listendatei ist keine Textdatei: Standardeingabe\n"_s);
    row("standard input closed", u"--check --old - --rule a b"_s, 2, {},
        u"Fehler: Liste konnte nicht gelesen werden: Standardeingabe\n"_s, {}, u"input and output closed"_s);
    row("too many entries on standard input", u"--old - --rule a b --stdout <huge"_s, 2, {},
        u"Fehler: Die Liste in der Standardeingabe hat 32768 Einträge, höchstens 32767 sind erlaubt\n"_s);
    row("usage error: the problem, then where help is", u"--old - --new - --stdout"_s, 2, {},
        u"=Fehler: --old und --new können nicht beide die Standardeingabe (-) lesen\nAufruf: velmorant-cli --help\n"_s);
    row("order resolves a chain", u"--order --old @two --new @chain --out @out"_s, 0, saved, {},
        {u"b.prt>c.prt"_s, u"a.prt>b.prt"_s});
    row("findings beside the file", u"--old @clean --new @warn --out @out"_s, 0, saved, warnings,
        {u"welle.prt>welle.prt"_s, u"motor.asm>gehäuse_mit_einem_sehr_langen_namen.asm"_s});
    row("reverse to a folder, chain ordered", u"--reverse --order --old @two --new @chain --out @out"_s, 0,
        u"Datei rename_zurueck.pro wurde gespeichert in @out\n"_s, {}, {u"b.prt>a.prt"_s, u"c.prt>b.prt"_s});
    row("reverse to standard output, the window's bytes", u"--reverse --pairs @worked --stdout"_s, 0,
        u"two-pairs-back.pro"_s, {}, {u"neu2.asm>alt2.asm"_s, u"neu1.prt>alt1.prt"_s});
    row("reverse, check: the way back's own finding", u"--check --reverse --pairs @odd"_s, 4,
        u"Rückweg: Zeile 2: Fehler: neuer Name enthält ein unzulässiges Zeichen (Leerzeichen): a b.prt\n"_s, {});
    row("check, no finding", u"--check --old @clean --new @cleannew"_s, 0, {}, {});
    row("check, a full list", u"--check --old @full --rule n m"_s, 0, {}, {});
    row("check, findings", u"--check --old @clean --new @warn"_s, 4, warnings, {});
    row("strict, findings", u"--strict --out @out --old @clean --new @warn"_s, 4, {}, warnings);
    row("strict, no finding", u"--strict --out @out --old @clean --new @cleannew"_s, 0, saved, {}, clean);
    row("scan a folder", u"--scan @arbeit --types ASM,drw,prt"_s, 0,
        u"welle.prt\r\nlager.asm\r\nneu.asm\r\nwelle.drw\r\n"_s,
        u"4 Objekte (1 Teil, 2 Baugruppen, 1 Zeichnung) aus @arbeit übernommen; 1 Name übersprungen"_s);
    row("scan with a filter", u"--scan @arbeit --filter ?e*"_s, 0, u"welle.prt\r\nneu.asm\r\nwelle.drw\r\n"_s,
        u"3 Objekte (1 Teil, 1 Baugruppe, 1 Zeichnung) aus @arbeit übernommen\n"_s);
    row("folder rules in the check", u"--check --pairs @models --folder @arbeit"_s, 4,
        u"Zeile 1: Warnung: Zeichnung welle.drw bleibt zurück, sie ist nicht in der Liste (--add-drawings): "
        "Welle.prt\nZeile 2: Fehler: neuer Name im Ordner schon vergeben (neu.asm): neu\n"_s,
        u"=5 Dateien: kein Objekt\n"_s);
    row("check, a chain names the option that orders it", u"--check --old @two --new @chain"_s, 4,
        u"Zeile 1: Warnung: Kette: neuer Name ist alter Name der späteren Zeile 2, die zuerst laufen muss (--order): "
        "b.prt\n"_s,
        {});
    row("drawings added before writing", u"--pairs @models --folder @arbeit --add-drawings --out @out"_s, 0, saved,
        u"1 Zeichnung ergänzt\nZeile 2: Fehler: neuer Name im Ordner schon vergeben"_s,
        {u"Welle.prt>w2.prt"_s, u"lager.asm>neu"_s, u"welle.drw>w2.drw"_s});
    const QString halfRun = u"Lauf: 1 von 2 Paaren erledigt, 1 offen, 0 unklar, 0 Abweichungen\n"_s;
    row("verify: every pair done", u"--pairs @done --folder @arbeit --verify"_s, 0,
        u"Zeile 1: erledigt: alt.asm -> neu.asm\nZeile 2: erledigt: welle_v1.prt -> Welle.prt\n"_s,
        u"=Lauf: 2 von 2 Paaren erledigt, 0 offen, 0 unklar, 0 Abweichungen\n"_s);
    row("verify: pairs open", u"--pairs @half --folder @arbeit --verify"_s, 5,
        u"Zeile 1: erledigt: alt.asm -> neu.asm\nZeile 2: offen: welle.prt -> welle_v2.prt\n"_s, u"="_s + halfRun);
    row("verify: an unclear pair beside an open one", u"--pairs @copy --folder @arbeit --verify"_s, 4,
        u"Zeile 1: offen: welle.prt -> welle_v2.prt\nZeile 2: unklar: lager.asm -> neu.asm\n"_s,
        u"=Zeile 2: Abweichung: nicht eindeutig, lager.asm und neu.asm sind beide da\n"
        u"Lauf: 0 von 2 Paaren erledigt, 1 offen, 1 unklar, 0 Abweichungen\n"_s);
    row("verify: an old name twice, neither pair judged", u"--pairs @twice --folder @arbeit --verify"_s, 4,
        u"Zeile 1: unklar: alt.asm -> x.asm\nZeile 2: unklar: alt.asm -> neu.asm\n"_s,
        u"=Zeile 1: Abweichung: nicht eindeutig, alter Name doppelt (auch Zeile 2): alt.asm\n"
        u"Zeile 2: Abweichung: nicht eindeutig, alter Name doppelt (auch Zeile 1): alt.asm\n"
        u"Lauf: 0 von 2 Paaren erledigt, 0 offen, 2 unklar, 0 Abweichungen\n"_s);
    row("only open: rename.pro for the rest, checked against the folder",
        u"--pairs @half --folder @arbeit --only-open --out @out"_s, 0, saved,
        halfRun + u"Zeile 1: Warnung: Zeichnung welle.drw bleibt zurück"_s, {u"welle.prt>welle_v2.prt"_s});
    row("only done: the way back of what ran, without the folder's rules",
        u"--pairs @half --folder @arbeit --only-done --reverse --out @out"_s, 0,
        u"Datei rename_zurueck.pro wurde gespeichert in @out\n"_s, u"="_s + halfRun, {u"neu.asm>alt.asm"_s});
    row("only open without a folder", u"--pairs @half --only-open --out @out"_s, 2, {},
        u"Fehler: --only-open braucht --folder\n"_s);
    row("verify and out", u"--pairs @half --folder @arbeit --verify --out @out"_s, 2, {},
        u"Fehler: --verify und --out schließen einander aus\n"_s);
    row("only open and only done", u"--pairs @half --folder @arbeit --only-open --only-done --out @out"_s, 2, {},
        u"Fehler: --only-open und --only-done schließen einander aus\n"_s);
    row("check folder missing", u"--pairs @models --folder @nowhere --stdout"_s, 2, {},
        u"Fehler: Ordner nicht gefunden: @nowhere\n"_s);
    row("scan a missing folder", u"--scan @nowhere"_s, 2, {}, u"=Fehler: Ordner nicht gefunden: @nowhere\n"_s);
    row("scan and a list", u"--old @two --scan @arbeit"_s, 2, {},
        u"Fehler: --scan und --old schließen einander aus\n"_s);
    row("scan, unknown type", u"--scan @arbeit --types prt,txt"_s, 2, {},
        u"Fehler: --types: unbekannter Typ „txt“ (bekannt: prt,asm,drw,frm,lay,sec,mfg)\n"_s);
    row("filter without scan", u"--pairs @models --stdout --filter x"_s, 2, {},
        u"Fehler: --filter gilt nur mit --scan\n"_s);
    row("drawings without a folder", u"--pairs @models --stdout --add-drawings"_s, 2, {},
        u"Fehler: --add-drawings braucht --folder\n"_s);
    row("users left without a folder", u"--pairs @models --stdout --no-users"_s, 2, {},
        u"Fehler: --no-users braucht --folder\n"_s);
    row("recorded templates", u"--pairs @later --templates @data/later-style.pro --stdout"_s, 0,
        u"later-style-rename.pro"_s, {});
    row("recorded templates, the way back",
        u"--pairs @laterback --templates @data/later-style.pro --reverse --stdout"_s, 0, u"later-style-rename.pro"_s,
        {});
    row("recorded templates named, a warning",
        u"--pairs @worked --templates @recorded --template-keys u,s,o "
        u"--samples alt.prt neu --out @out"_s,
        0, saved,
        u"=Vorlage, Zeile 2: Warnung: Mapkey s (Speichern) ruft Mapkey „hilfe“ auf, der dann auch geladen "
        u"sein muss\n"_s,
        {u"alt1.prt>neu1"_s, u"alt2.asm>neu2.asm"_s});
    row("templates that do not check", u"--pairs @later --templates @recorded --out @out"_s, 2, {},
        u"=Vorlage: Fehler: Mapkey velmorant_umbenennen (Umbenennen) fehlt in der Aufzeichnung\n"
        u"Vorlage: Fehler: Mapkey velmorant_speichern (Speichern) fehlt in der Aufzeichnung\n"
        u"Vorlage: Fehler: Mapkey velmorant_oeffnen (Öffnen) fehlt in der Aufzeichnung\n"_s);
    row("built-in templates written out", u"--export-templates"_s, 0, u"builtin-templates.pro"_s, {},
        {u"velmorant_alt.prt>velmorant_neu"_s});
    row("templates exported with another option", u"--export-templates --stdout"_s, 2, {},
        u"Fehler: --export-templates und --stdout schließen einander aus\n"_s);
    row("samples without templates", u"--pairs @later --samples a b --stdout"_s, 2, {},
        u"Fehler: --samples gilt nur mit --templates\n"_s);
    const QString threeKeys = u"Fehler: --template-keys braucht drei Mapkey-Namen: UMBENENNEN,SPEICHERN,OEFFNEN\n"_s;
    row("two template keys", u"--pairs @later --templates @recorded --template-keys u,s --stdout"_s, 2, {}, threeKeys);
    row("a template key empty", u"--pairs @later --templates @recorded --template-keys u,,o --stdout"_s, 2, {},
        threeKeys);
    row("counts differ", u"--old @two --new @one --out @out"_s, 1, {}, differ);
    row("counts differ, check only", u"--check --old @two --new @one"_s, 1, {}, differ);
    row("list missing", u"--old @missing --new @one --out @out"_s, 2, {},
        u"Fehler: Listendatei nicht gefunden: @missing\n"_s);
    row("list unreadable, even for root", u"--old @two --new /proc/sys/vm/drop_caches --stdout"_s, 2, {},
        u"Fehler: Liste konnte nicht gelesen werden: /proc/sys/vm/drop_caches\n"_s);
    row("list no text", u"--old @nul --new @one --out @out"_s, 2, {},
        u"Fehler: Listendatei ist keine Textdatei: @nul\n"_s);
    row("name outside Windows-1252 to a folder", u"--old @omega --new @one --out @out"_s, 2, {}, u"*Ω"_s);
    row("name outside Windows-1252 to standard output", u"--old @one --new @omega --stdout"_s, 2, {}, u"*Ω"_s);
    row("too many entries", u"--old @huge --rule a b --stdout"_s, 2, {},
        u"Fehler: Die Liste in @huge hat 32768 Einträge, höchstens 32767 sind erlaubt\n"_s);
    row("no arguments", {}, 2, {}, u"Fehler: --old fehlt\n"_s);
    row("no new list", u"--old @two --stdout"_s, 2, {}, u"Fehler: --new, --rule oder --rules fehlt\n"_s);
    row("no output", u"--old @two --new @two"_s, 2, {}, u"Fehler: --out oder --stdout fehlt\n"_s);
    row("unknown argument", u"--bogus"_s, 2, {}, u"Fehler: Unbekanntes Argument: --bogus\n"_s);
    row("empty folder name", u"--old @two --new @two --out ''"_s, 2, {}, u"Fehler: --out braucht ein Verzeichnis\n"_s);
    row("old without a file", u"--stdout --old"_s, 2, {}, u"Fehler: --old braucht den Namen einer Listendatei\n"_s);
    row("rule without replacement", u"--old @two --rule x"_s, 2, {},
        u"Fehler: --rule braucht einen Ausdruck und einen Ersatz\n"_s);
    row("an option where the replacement belongs", u"--old @two --rule bracket --stdout --out @out"_s, 2, {},
        u"=Fehler: --rule braucht einen Ausdruck und einen Ersatz (--stdout ist eine Option)\n"
        "Aufruf: velmorant-cli --help\n"_s);
    row("a value that merely starts with a dash", u"--old @two --rule -h _h --stdout"_s, 0, {},
        u"Zeile 1: Warnung: neuer Name gleich dem alten: a.prt\n"_s, {u"a.prt>a.prt"_s, u"b.prt>b.prt"_s});
    const QString emptyFile = u": Verwendung nicht lesbar (leere Datei)\n"_s;
    row("uses of a folder", u"--uses @arbeit"_s, 0,
        u"lager.asm"_s + emptyFile + u"neu.asm"_s + emptyFile + u"welle.drw"_s + emptyFile + u"welle.prt"_s + emptyFile
            + u"łódź.prt"_s + emptyFile,
        {});
    row("users read from the folder's files, opened first and saved last",
        u"--pairs @altpaare --folder @werk --stdout"_s, 0, u"two-pairs-users.pro"_s, u"=2 Verwender mitgenommen\n"_s,
        {u"alt1.prt>neu1.prt"_s, u"alt2.asm>neu2.asm"_s});
    row("verify: a user still naming the old name", u"--pairs @wellepaar --folder @werk --verify"_s, 4,
        u"Zeile 1: erledigt: welle.prt -> alt1.prt\n"_s,
        u"=Zeile 1: Abweichung: baugruppe.asm verweist noch auf welle.prt\n"
        u"Lauf: 1 von 1 Paar erledigt, 0 offen, 0 unklar, 1 Abweichung\n"_s);
    row("uses of no folder", u"--uses @fehlt"_s, 2, {}, u"=Fehler: Ordner nicht gefunden: @fehlt\n"_s);
    row("new and rule", u"--old @two --new @two --rule a b --stdout"_s, 2, {},
        u"Fehler: --new und --rule schließen einander aus\n"_s);
    row("out and stdout", u"--old @two --new @two --out @out --stdout"_s, 2, {},
        u"Fehler: --out und --stdout schließen einander aus\n"_s);
    row("stdout and out", u"--old @two --new @two --stdout --out @out"_s, 2, {},
        u"Fehler: --out und --stdout schließen einander aus\n"_s);
    row("check and out", u"--old @two --new @two --check --out @out"_s, 2, {},
        u"Fehler: --check und --out schließen einander aus\n"_s);
    row("check and strict", u"--check --old @two --new @two --strict"_s, 2, {},
        u"Fehler: --check und --strict schließen einander aus\n"_s);
    row("pairs and old", u"--pairs @pairs --old @two --stdout"_s, 2, {},
        u"Fehler: --pairs und --old schließen einander aus\n"_s);
    row("old twice", u"--old @two --old @one --new @one --stdout"_s, 2, {}, u"Fehler: --old ist doppelt angegeben\n"_s);
    row("rule outside Windows-1252", u"--old @two --rule a Ω --out @out"_s, 2, {},
        u"Fehler: Zeichen außerhalb von Windows-1252: Ω\n"_s);
    row("line break in the expression", u"--old @two --rule a\nb b --stdout"_s, 2, {}, lineBreak);
    row("line break in the replacement", u"--old @two --rule a b\u2029c --stdout"_s, 2, {}, lineBreak);
    row("pairs, a line of one column", u"--pairs @pairsbad --out @out"_s, 2, {},
        u"Achtung: Zeile 2 der Datei hat 1 statt 2 Spalten (getrennt durch Tabulator oder Semikolon), nichts "
        u"übernommen\n"_s);
    row("folder is a file, the findings first", u"--old @clean --new @warn --out @two"_s, 3, {},
        warnings + u"Fehler: Datei rename.pro konnte nicht gespeichert werden in @two: Ist kein Ordner\n"_s);
    row("file size limit: told, the old file kept", u"--old @clean --new @cleannew --out @out"_s, 3, {},
        u"=Fehler: Datei rename.pro konnte nicht gespeichert werden in @out: Datei zu groß (Grenze der Dateigröße "
        "erreicht)\n"_s,
        {}, u"file size limit"_s);
    const QString full = u"Kein freier Speicherplatz auf dem Datenträger\n"_s;
    row("standard output full", u"--old @clean --new @cleannew --stdout"_s, 3, {}, notWritten + full, {},
        u"output full"_s);
    // Less than the buffer of standard output, sent only at the end.
    row("findings to a full standard output", u"--check --old @clean --new @warn"_s, 3, {}, notWritten + full, {},
        u"output full"_s);
    row("standard output closed", u"--old @clean --new @cleannew --stdout"_s, 3, {},
        notWritten + u"Datei oder Ausgabe nicht geöffnet"_s, {}, u"output closed"_s);
}

void TestCli::runs()
{
    QFETCH(QString, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QStringList, pairs);
    QFETCH(QString, fault);
    if (arguments.contains(u"/proc/") && !QFile::exists(u"/proc/sys/vm/drop_caches"_s))
        QSKIP("this system has no file that even root may not read");
    QStringList args = arguments.split(u' ', Qt::SkipEmptyParts);
    const QByteArray input = !args.isEmpty() && args.last().startsWith(u'<') ? kFiles.value(args.takeLast().mid(1))
                                                                             : QByteArray();
    for (QString &a : args)
        a = a == u"''" ? QString() : withFiles(a); // '' is an empty argument
    const Run run = runCli(args, fault, input);
    if (run.exitCode == -1 && !fault.isEmpty())
        QSKIP("this system cannot set up the fault");
    QCOMPARE(run.exitCode, exitCode);
    const bool toStdout = args.contains(u"--stdout"_s) || args.contains(u"--export-templates"_s);
    if (!toStdout)
        QCOMPARE(QString::fromUtf8(run.out), withFiles(out));
    else if (!out.isEmpty())
        COMPARE_BYTES(run.out, TestSupport::readBytes(QFINDTESTDATA(u"data/"_s + out)));
    const QString errText = QString::fromUtf8(run.err);
    const QString expectedErr = withFiles(err);
    QVERIFY2(err.isEmpty()                     ? errText.isEmpty()
                 : expectedErr.front() == u'*' ? errText.contains(expectedErr.mid(1))
                 : expectedErr.front() == u'=' ? errText == expectedErr.mid(1)
                                               : errText.startsWith(expectedErr),
             qPrintable(errText));
    const QString written = args.contains(u"--reverse"_s) ? u"out/rename_zurueck.pro"_s : u"out/rename.pro"_s;
    const QByteArray file = TestSupport::readBytes(m_dir->filePath(written));
    static const QRegularExpression pair(u"`Inputname` `([^`]*)`;[^%]*?`InputPanel2` `([^`]*)`"_s);
    QStringList found;
    for (const QRegularExpressionMatch &m : pair.globalMatch(QString::fromLatin1(toStdout ? run.out : file)))
        found << m.captured(1) + u'>' + m.captured(2);
    QCOMPARE(found, pairs);
    if (pairs.isEmpty()) {
        COMPARE_BYTES(TestSupport::readBytes(m_dir->filePath(u"out/rename.pro"_s)), "alt\r\n");
        QVERIFY(!toStdout || run.out.isEmpty() || !out.isEmpty());
    }
}

void TestCli::helpAndVersion_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("velmorant-cli") << QStringLiteral(VELMORANT_CLI);
    QTest::newRow("velmorant") << QStringLiteral(VELMORANT_WINDOW);
}

// Both programs answer with no display to be found, a usage error too.
// The manual page names the options that --help names, no other, and the
// same exit statuses: a new option or status without its page fails here.
void TestCli::helpAndVersion()
{
    QFETCH(QString, program);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    int exitCode = -1;
    const auto run = [&](const QString &argument) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, {argument});
        process.waitForFinished(60000);
        exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        const bool clean = process.exitCode() == 0 && process.readAllStandardError().isEmpty();
        return clean ? QString::fromUtf8(process.readAllStandardOutput()) : u"<failed>"_s;
    };
    run(u"--bogus"_s);
    QCOMPARE(exitCode, 2); // a usage error, as with a display
    QVERIFY(QRegularExpression(u"^Velmorant \\d+\\.\\d+(\\.\\d+)?\n$"_s).match(run(u"--version"_s)).hasMatch());
    const QString help = run(u"--help"_s);
    QString page = QString::fromUtf8(TestSupport::readBytes(QStringLiteral(VELMORANT_PAGES) + u'/'
                                                            + QFileInfo(program).completeBaseName() + u".1"_s));
    page.remove(QRegularExpression(u"\\\\f[BIRP]"_s)).replace(u"\\-"_s, u"-"_s);
    const auto found = [](const QString &text, const QString &pattern) {
        QStringList all;
        for (const QRegularExpressionMatch &m : QRegularExpression(pattern).globalMatch(text))
            all << m.captured(1);
        all.sort();
        all.removeDuplicates();
        return all.join(u' ');
    };
    const QString option = u"(?<![\\w-])(--?[a-zA-Z][\\w-]*)"_s;
    QCOMPARE(found(page, option), found(help, option));
    QCOMPARE(found(page.section(u".SH RÜCKGABEWERT"_s, 1).section(u".SH"_s, 0, 0), u"\\.TP\n\\.B (\\d+)\n"_s),
             found(help.section(u"Rückgabewerte:"_s, 1), u"(\\d+) \\w"_s));
}

// File and folder names that are not UTF-8 reach their files and folders;
// messages show them as a terminal would, the findings before the result.
// A scanned list keeps its bytes.
void TestCli::fileNamesNotUtf8()
{
#ifndef Q_OS_LINUX
    QSKIP("such names are opened by their bytes on Linux only");
#else
    const QByteArray dir = QFile::encodeName(m_dir->path());
    QVERIFY(::mkdir(dir + "/d\xE9", 0700) == 0);
    QVERIFY(TestSupport::writeBytes(m_dir->filePath(u"p.csv"_s), "a.prt;a.prt\r\n"));
    QVERIFY(::rename(dir + "/p.csv", dir + "/p\xE9.csv") == 0);
    const char *const unreadable = "/d\xE9/caf\xE9.prt";
    const char *const umlaut = "/d\xE9/\xC3\xBC"
                               "ber.prt.2";
    // Qt cannot name these to remove them.
    const auto removed = qScopeGuard([&dir, unreadable, umlaut] {
        for (const char *name : {"/d\xE9/rename.pro", unreadable, umlaut, "/p\xE9.csv"})
            ::unlink(dir + name);
        ::rmdir(dir + "/d\xE9");
    });
    for (const char *name : {unreadable, umlaut})
        QVERIFY(TestSupport::makeFileNamed(dir + name));
    const QByteArray finding = "Zeile 1: Warnung: neuer Name gleich dem alten: a.prt\n";
    const QByteArray notSaved = "Fehler: Datei rename.pro konnte nicht gespeichert werden in p\xEF\xBF\xBD.csv: ";
    const QByteArray folder = "d\xEF\xBF\xBD";
    for (const auto &[arguments, exitCode, result] :
         {std::tuple{u"--pairs p\\351.csv --out d\\351"_s, 0,
                     finding + "Datei rename.pro wurde gespeichert in " + folder + '\n'},
          std::tuple{u"--pairs p\\351.csv --out p\\351.csv"_s, 3, finding + notSaved + "Ist kein Ordner\n"},
          std::tuple{u"--scan d\\351"_s, 0,
                     "1 Objekt (1 Teil) aus " + folder
                         + " übernommen; 1 Name übersprungen (kein zulässiger Objektname oder nicht in "
                           "Windows-1252), davon 1 nicht lesbar\n\xFC"
                           "ber.prt\r\n"},
          std::tuple{u"--check --pairs p\\351.csv --folder d\\351"_s, 4,
                     "Prüfordner " + folder + " gelesen: 1 Objekt; 1 Dateiname nicht lesbar\n2 Dateien: kein Objekt\n"
                         + finding + "Zeile 1: Warnung: alter Name ist kein Objekt des Ordners: a.prt\n"}}) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setWorkingDirectory(m_dir->path());
        QString command = u"exec \"$0\""_s;
        for (const QString &argument : arguments.split(u' '))
            command += argument.startsWith(u'-') ? u' ' + argument : u" \"$(printf '%1')\""_s.arg(argument);
        process.start(u"/bin/sh"_s, {u"-c"_s, command, QStringLiteral(VELMORANT_CLI)});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), exitCode);
        COMPARE_BYTES(process.readAll(), result);
    }
#endif
}

// --out keeps an earlier way back under its date before rename.pro, or
// with --reverse the new way back, is written, and says so.
void TestCli::earlierWayBackKept_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("out");
    QTest::newRow("rename.pro") << u"--pairs @worked --out @out"_s << u"Datei rename.pro wurde gespeichert in @out\n"_s;
    QTest::newRow("the way back") << u"--reverse --pairs @worked --out @out"_s
                                  << u"Datei rename_zurueck.pro wurde gespeichert in @out\n"_s;
}

void TestCli::earlierWayBackKept()
{
    QFETCH(QString, arguments);
    QFETCH(QString, out);
    const QString earlier = m_dir->filePath(u"out/rename_zurueck.pro"_s);
    QVERIFY(TestSupport::writeDated(earlier, "alt\r\n", {QDate(2023, 4, 5), QTime(6, 7, 8)}));
    QStringList args = arguments.split(u' ');
    for (QString &a : args)
        a = withFiles(a);
    const Run run = runCli(args);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out), withFiles(out));
    QCOMPARE(run.err, "frühere Rückweg-Datei aufbewahrt als rename_zurueck_2023-04-05_06-07-08.pro\n");
    COMPARE_BYTES(TestSupport::readBytes(m_dir->filePath(u"out/rename_zurueck_2023-04-05_06-07-08.pro"_s)), "alt\r\n");
    const QString written = args.contains(u"--reverse"_s) ? earlier : m_dir->filePath(u"out/rename.pro"_s);
    QVERIFY(TestSupport::readBytes(written).startsWith("save_objects all"));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

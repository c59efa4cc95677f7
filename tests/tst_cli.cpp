#include "TestSupport.h"
#include "generator/MapkeyGenerator.h"
#include "lists/ListFile.h"
#include "lists/ReplacementRule.h"

#include "VelmorantVersion.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tool, optionally against a fault: "disk full" leaves 4 KiB for
// every file it writes, "output full" sends standard output to /dev/full,
// "output closed" starts it without standard output.
Run runCli(const QStringList &arguments, const QString &fault = {})
{
    QProcess process;
#ifdef Q_OS_UNIX
    if (fault == u"disk full")
        process.setChildProcessModifier([] { TestSupport::FileSizeLimit::set(4096); });
    if (fault == u"output closed")
        process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    if (fault == u"output full")
        process.setStandardOutputFile(u"/dev/full"_s);
#else
    if (!fault.isEmpty())
        return {};
#endif
    process.start(QStringLiteral(VELMORANT_CLI), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

const QByteArray kCountsDiffer = "Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !\n";

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void roundTrip_data();
    void roundTrip();
    void ruleDerivesFromNamesAsRead();
    void refusals_data();
    void refusals();
    void nameCheck_data();
    void nameCheck();
    void writeFailures_data();
    void writeFailures();
    void helpAndVersion();

private:
    QString write(const QString &name, const QStringList &entries);
    QStringList withFiles(QStringList arguments);
    QString m_old;
    QString m_new;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCli::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkdir(u"out"_s));
}

QString TestCli::write(const QString &name, const QStringList &entries)
{
    const QString path = m_dir->filePath(name);
    if (!ListFile::write(path, entries).ok)
        return {};
    return path;
}

// The arguments with every "@name" replaced by the path of a file written
// for it, "@out" by the output folder.
QStringList TestCli::withFiles(QStringList arguments)
{
    QStringList huge;
    for (int i = 0; i < 32768; ++i)
        huge << u"n%1"_s.arg(i);
    const QString clean = write(u"clean-old.txt"_s, {u"welle.prt"_s, u"motor.asm"_s});
    const QHash<QString, QString> files{
        {u"@two"_s, write(u"two.txt"_s, {u"a.prt"_s, u"b.prt"_s})},
        {u"@one"_s, write(u"one.txt"_s, {u"c.prt"_s})},
        {u"@empty"_s, write(u"empty.txt"_s, {})},
        {u"@huge"_s, write(u"huge.txt"_s, huge)},
        {u"@missing"_s, m_dir->filePath(u"missing.txt"_s)},
        {u"@out"_s, m_dir->filePath(u"out"_s)},
        {u"@clean-old"_s, clean},
        {u"@clean-new"_s, write(u"clean-new.txt"_s, {u"welle_neu.prt"_s, u"motor_neu.asm"_s})},
        {u"@warn-new"_s, write(u"warn-new.txt"_s, {u"welle.prt"_s, u"gehäuse_mit_einem_sehr_langen_namen.asm"_s})},
        {u"@chain-new"_s, write(u"chain-new.txt"_s, {u"b.prt"_s, u"c.prt"_s})},
        {u"@reordered-old"_s, write(u"reordered-old.txt"_s, {u"b.prt"_s, u"a.prt"_s})},
        {u"@reordered-new"_s, write(u"reordered-new.txt"_s, {u"c.prt"_s, u"b.prt"_s})},
    };
    const QHash<QString, QByteArray> pairs{
        {u"@pairs-semicolon"_s, "alter Name;neuer Name\r\nwelle.prt;welle_neu.prt\r\nmotor.asm;motor_neu.asm\r\n"},
        {u"@pairs-tab"_s, "welle.prt\twelle_neu.prt\nmotor.asm\tmotor_neu.asm\n"},
        {u"@pairs-bad"_s, "welle.prt;welle_neu.prt\r\nmotor.asm\r\n"},
    };
    for (QString &a : arguments) {
        if (pairs.contains(a)) {
            const QString path = m_dir->filePath(a.mid(1) + u".txt"_s);
            a = TestSupport::writeBytes(path, pairs.value(a)) ? path : QString();
        }
        a = files.value(a, a);
    }
    return arguments;
}

void TestCli::roundTrip_data()
{
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::newRow("paths and versions") << QStringList{u"C:\\work\\Motor.prt.7u"_s, u"_splan.drw"_s, u"x.asm.2"_s}
                                        << QStringList{u"Getriebe.prt"_s, u"plan2.drw"_s, u"y.asm"_s};
    QTest::newRow("empty lists") << QStringList{} << QStringList{};
    QTest::newRow("umlauts and empty names") << QStringList{u"Gehäuse.prt"_s, u""_s} << QStringList{u"u"_s, u"_sGröße.prt"_s};
}

void TestCli::roundTrip()
{
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, newNames);
    const QString oldFile = write(u"old.txt"_s, oldNames);
    const QString newFile = write(u"new.txt"_s, newNames);
    const QString folder = QDir::toNativeSeparators(m_dir->filePath(u"out"_s));
    const QByteArray expected = MapkeyGenerator::generate(oldNames, newNames).text.toLatin1() + "\r\n";

    const Run toFile = runCli({u"--old"_s, oldFile, u"--new"_s, newFile, u"--out"_s, folder});
    QCOMPARE(toFile.exitCode, 0);
    QCOMPARE(QString::fromUtf8(toFile.out), u"Datei rename.pro wurde gespeichert in "_s + folder + u'\n');
    COMPARE_BYTES(TestSupport::readBytes(folder + QDir::separator() + u"rename.pro"_s), expected);

    const Run toStdout = runCli({u"--old"_s, oldFile, u"--new"_s, newFile, u"--stdout"_s});
    QCOMPARE(toStdout.exitCode, 0);
    COMPARE_BYTES(toStdout.out, expected);
}

void TestCli::ruleDerivesFromNamesAsRead()
{
    const QStringList oldNames{u"C:\\cad\\motor_alt.asm.3"_s, u"welle_alt.prt"_s};
    const QString oldFile = write(u"old.txt"_s, oldNames);
    const Run run = runCli({u"--old"_s, oldFile, u"--rule"_s, u"_alt"_s, u"_neu"_s, u"--stdout"_s});
    QCOMPARE(run.exitCode, 0);
    const QStringList newNames = ReplacementRule::apply(oldNames, u"_alt"_s, u"_neu"_s);
    QCOMPARE(newNames.first(), u"C:\\cad\\motor_neu.asm.3"_s);
    COMPARE_BYTES(run.out, MapkeyGenerator::generate(oldNames, newNames).text.toLatin1() + "\r\n");
}

void TestCli::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("new list empty") << QStringList{u"--old"_s, u"@two"_s, u"--new"_s, u"@empty"_s, u"--out"_s, u"@out"_s} << 1
                                    << QString::fromLatin1(kCountsDiffer);
    QTest::newRow("counts differ") << QStringList{u"--old"_s, u"@two"_s, u"--new"_s, u"@one"_s, u"--out"_s, u"@out"_s} << 1
                                   << QString::fromLatin1(kCountsDiffer);
    QTest::newRow("missing list file") << QStringList{u"--old"_s, u"@missing"_s, u"--new"_s, u"@one"_s, u"--out"_s, u"@out"_s} << 2
                                       << u"Fehler: Listendatei nicht gefunden: "_s;
    QTest::newRow("too many entries") << QStringList{u"--old"_s, u"@huge"_s, u"--new"_s, u"@one"_s, u"--out"_s, u"@out"_s} << 2
                                      << u"Fehler: Die Liste in "_s;
    QTest::newRow("no arguments") << QStringList{} << 2 << u"Fehler: --old fehlt"_s;
    QTest::newRow("unknown argument") << QStringList{u"--bogus"_s} << 2 << u"Fehler: Unbekanntes Argument: --bogus"_s;
    QTest::newRow("rule without replacement") << QStringList{u"--old"_s, u"@two"_s, u"--rule"_s, u"x"_s} << 2
                                              << u"Fehler: --rule braucht"_s;
    QTest::newRow("new and rule") << QStringList{u"--old"_s, u"@two"_s, u"--new"_s, u"@two"_s, u"--rule"_s, u"a"_s, u"b"_s, u"--stdout"_s}
                                  << 2 << u"Fehler: --new und --rule"_s;
    QTest::newRow("no output") << QStringList{u"--old"_s, u"@two"_s, u"--new"_s, u"@two"_s} << 2
                               << u"Fehler: --out oder --stdout fehlt"_s;
    QTest::newRow("out and stdout") << QStringList{u"--old"_s, u"@two"_s, u"--new"_s, u"@two"_s, u"--out"_s, u"@out"_s, u"--stdout"_s} << 2
                                    << u"Fehler: --out und --stdout"_s;
    QTest::newRow("list is a folder") << QStringList{u"--old"_s, u"@out"_s, u"--new"_s, u"@one"_s, u"--out"_s, u"@out"_s} << 2
                                      << u"Fehler: Listendatei ist keine Datei: "_s;
    QTest::newRow("empty folder") << QStringList{u"--old"_s, u"@two"_s, u"--new"_s, u"@two"_s, u"--out"_s, u""_s} << 2
                                  << u"Fehler: --out braucht ein Verzeichnis"_s;
    QTest::newRow("old twice") << QStringList{u"--old"_s, u"@two"_s, u"--old"_s, u"@one"_s, u"--new"_s, u"@one"_s, u"--stdout"_s} << 2
                               << u"Fehler: --old ist doppelt angegeben"_s;
    QTest::newRow("new twice") << QStringList{u"--old"_s, u"@one"_s, u"--new"_s, u"@one"_s, u"--new"_s, u"@one"_s, u"--stdout"_s} << 2
                               << u"Fehler: --new ist doppelt angegeben"_s;
    QTest::newRow("out twice") << QStringList{u"--old"_s, u"@one"_s, u"--new"_s, u"@one"_s, u"--out"_s, u"@out"_s, u"--out"_s, u"@out"_s} << 2
                               << u"Fehler: --out ist doppelt angegeben"_s;
    QTest::newRow("rule outside Windows-1252") << QStringList{u"--old"_s, u"@two"_s, u"--rule"_s, u"a"_s, u"Ω"_s, u"--out"_s, u"@out"_s} << 2
                                               << u"Fehler: Zeichen außerhalb von Windows-1252: Ω"_s;
    QTest::newRow("line break in the replacement") << QStringList{u"--old"_s, u"@two"_s, u"--rule"_s, u"a.prt"_s, u"x.prt\r\nmapkey evil ~ ;"_s, u"--stdout"_s}
                                                   << 2 << u"Achtung: Ein Eintrag darf keinen Zeilenumbruch enthalten"_s;
    QTest::newRow("counts differ, check only") << QStringList{u"--check"_s, u"--old"_s, u"@two"_s, u"--new"_s, u"@one"_s} << 1
                                               << QString::fromLatin1(kCountsDiffer);
    QTest::newRow("check and out") << QStringList{u"--old"_s, u"@two"_s, u"--new"_s, u"@two"_s, u"--check"_s, u"--out"_s, u"@out"_s} << 2
                                   << u"Fehler: --check und --out schließen einander aus"_s;
    QTest::newRow("strict twice") << QStringList{u"--strict"_s, u"--old"_s, u"@two"_s, u"--new"_s, u"@two"_s, u"--strict"_s, u"--stdout"_s}
                                  << 2 << u"Fehler: --strict ist doppelt angegeben"_s;
    QTest::newRow("pairs and old") << QStringList{u"--pairs"_s, u"@pairs-semicolon"_s, u"--old"_s, u"@two"_s, u"--stdout"_s} << 2
                                   << u"Fehler: --pairs und --old schließen einander aus"_s;
    QTest::newRow("pairs, line of one column") << QStringList{u"--pairs"_s, u"@pairs-bad"_s, u"--out"_s, u"@out"_s} << 2
                                               << u"Achtung: Zeile 2 hat 1 statt 2 Spalten"_s;
    QTest::newRow("paragraph separator in the expression") << QStringList{u"--old"_s, u"@two"_s, u"--rule"_s, u"a\u2029"_s, u"b"_s, u"--stdout"_s}
                                                           << 2 << u"Achtung: Ein Eintrag darf keinen Zeilenumbruch enthalten"_s;
}

// Every refusal writes nothing and says why on standard error.
void TestCli::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const Run run = runCli(withFiles(arguments));
    QCOMPARE(run.exitCode, exitCode);
    const QString err = QString::fromLocal8Bit(run.err);
    QVERIFY2(err.startsWith(message), qPrintable(err));
    if (QByteArray(QTest::currentDataTag()) == "too many entries")
        QVERIFY2(err.contains(m_dir->filePath(u"huge.txt"_s)), qPrintable(err));
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(m_dir->filePath(u"out/rename.pro"_s)));
}

void TestCli::nameCheck_data()
{
    const QString saved = u"Datei rename.pro wurde gespeichert in %1\n"_s;
    const QString warnings = u"Zeile 1: Warnung: neuer Name gleich dem alten: welle.prt\n"
                             "Zeile 2: Warnung: neuer Name länger als 31 Zeichen (35): gehäuse_mit_einem_sehr_langen_namen.asm\n"_s;
    const QStringList clean{u"--old"_s, u"@clean-old"_s, u"--new"_s, u"@clean-new"_s};
    const QStringList warned{u"--old"_s, u"@clean-old"_s, u"--new"_s, u"@warn-new"_s};
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    // Without --stdout, a run whose output rename.pro must equal; none when
    // the old rename.pro must stay.
    QTest::addColumn<QStringList>("reference");
    QTest::newRow("check, no finding") << QStringList{u"--check"_s} + clean << 0 << QString() << QString() << QStringList{};
    QTest::newRow("check, findings") << QStringList{u"--check"_s} + warned << 4 << warnings << QString() << QStringList{};
    QTest::newRow("strict, findings") << QStringList{u"--strict"_s, u"--out"_s, u"@out"_s} + warned << 4 << QString() << warnings
                                      << QStringList{};
    QTest::newRow("strict, no finding") << QStringList{u"--strict"_s, u"--out"_s, u"@out"_s} + clean << 0 << saved << QString()
                                        << clean;
    QTest::newRow("warnings, written") << warned + QStringList{u"--out"_s, u"@out"_s} << 0 << saved << warnings << warned;
    QTest::newRow("order resolves a chain") << QStringList{u"--order"_s, u"--old"_s, u"@two"_s, u"--new"_s, u"@chain-new"_s, u"--out"_s, u"@out"_s}
                                            << 0 << saved << QString()
                                            << QStringList{u"--old"_s, u"@reordered-old"_s, u"--new"_s, u"@reordered-new"_s};
    QTest::newRow("pairs, semicolons and header") << QStringList{u"--pairs"_s, u"@pairs-semicolon"_s, u"--out"_s, u"@out"_s} << 0
                                                  << saved << QString() << clean;
    QTest::newRow("pairs, tabs") << QStringList{u"--pairs"_s, u"@pairs-tab"_s, u"--out"_s, u"@out"_s} << 0 << saved << QString()
                                 << clean;
}

// The findings of the name check: on standard error beside a written file,
// on standard output with --check, and with --strict in place of the file.
void TestCli::nameCheck()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QStringList, reference);
    const QString folder = m_dir->filePath(u"out"_s);
    const QString file = folder + u"/rename.pro"_s;
    QVERIFY(TestSupport::writeBytes(file, "alt\r\n"));
    const Run run = runCli(withFiles(arguments));
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(QString::fromUtf8(run.out), out.arg(folder));
    QCOMPARE(QString::fromLocal8Bit(run.err), err);
    QByteArray expected = "alt\r\n";
    if (!reference.isEmpty()) {
        const Run plain = runCli(withFiles(reference) << u"--stdout"_s);
        QCOMPARE(plain.exitCode, 0);
        expected = plain.out;
    }
    COMPARE_BYTES(TestSupport::readBytes(file), expected);
}

void TestCli::writeFailures_data()
{
    const QString notSaved = u"Fehler: Datei rename.pro konnte nicht gespeichert werden in %1: "_s;
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("pairs");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder is a file") << QString() << 2 << u"file"_s << notSaved + QString::fromLocal8Bit(std::strerror(ENOTDIR));
    QTest::newRow("small file, disk full") << u"disk full"_s << 5 << u"out"_s
                                           << notSaved + QString::fromLocal8Bit(std::strerror(EFBIG));
    QTest::newRow("large file, disk full") << u"disk full"_s << 300 << u"out"_s
                                           << notSaved + QString::fromLocal8Bit(std::strerror(EFBIG));
    QTest::newRow("standard output full") << u"output full"_s << 2 << u"stdout"_s
                                          << u"Fehler: Standardausgabe konnte nicht geschrieben werden: "_s + QString::fromLocal8Bit(std::strerror(ENOSPC));
    QTest::newRow("standard output closed") << u"output closed"_s << 2 << u"stdout"_s
                                            << u"Fehler: Standardausgabe konnte nicht geschrieben werden: "_s + QString::fromLocal8Bit(std::strerror(EBADF));
}

// A write that fails is exit 3 with the system's reason, never success, and
// an old rename.pro stays whole with no temporary file beside it.
void TestCli::writeFailures()
{
    QFETCH(QString, fault);
    QFETCH(int, pairs);
    QFETCH(QString, output);
    QFETCH(QString, message);
    QStringList names;
    for (int i = 0; i < pairs; ++i)
        names << u"teil%1.prt"_s.arg(i);
    const QString list = write(u"list.txt"_s, names);
    const QString target = m_dir->filePath(output == u"file" ? output : u"out"_s);
    const QString old = output == u"file" ? target : target + u"/rename.pro"_s;
    QVERIFY(TestSupport::writeBytes(old, "alt\r\n"));
    // New names of their own, so that no finding of the name check joins
    // the failure on standard error.
    const QStringList arguments = QStringList{u"--old"_s, list, u"--rule"_s, u".prt"_s, u"_neu.prt"_s}
        + (output == u"stdout" ? QStringList{u"--stdout"_s} : QStringList{u"--out"_s, target});
    const Run run = runCli(arguments, fault);
    if (run.exitCode == -1 && !fault.isEmpty())
        QSKIP("this system cannot set up the fault");
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(QString::fromLocal8Bit(run.err), QString(message).replace(u"%1"_s, target) + u'\n');
    COMPARE_BYTES(TestSupport::readBytes(old), "alt\r\n");
    const QStringList files = output == u"file" ? QStringList{u"file"_s, u"list.txt"_s} : QStringList{u"rename.pro"_s};
    QCOMPARE(QDir(QFileInfo(old).path()).entryList(QDir::Files | QDir::Hidden), files);
}

void TestCli::helpAndVersion()
{
    const Run version = runCli({u"--version"_s});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QByteArray("Velmorant " VELMORANT_VERSION "\n"));
    const Run help = runCli({u"--help"_s});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(QString::fromUtf8(help.out).contains(u"Rückgabewerte"_s));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

#include "TestSupport.h"
#include "generator/MapkeyGenerator.h"
#include "lists/ListFile.h"
#include "lists/ReplacementRule.h"

#include "VelmorantVersion.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runCli(const QStringList &arguments)
{
    QProcess process;
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
    void failedWriteKeepsOldFile();
    void helpAndVersion();

private:
    QString write(const QString &name, const QStringList &entries);
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

void TestCli::roundTrip_data()
{
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::newRow("paths and versions") << QStringList{u"C:\\work\\Motor.prt.7"_s, u"plan.drw"_s, u"x.asm.2"_s}
                                        << QStringList{u"Getriebe.prt"_s, u"plan2.drw"_s, u"y.asm"_s};
    QTest::newRow("empty lists") << QStringList{} << QStringList{};
    QTest::newRow("umlauts and empty names") << QStringList{u"Gehäuse.prt"_s, u""_s} << QStringList{u""_s, u"Größe.prt"_s};
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
    QTest::newRow("unrepresentable name") << QStringList{u"--old"_s, u"@two"_s, u"--rule"_s, u"a"_s, u"Ω"_s, u"--out"_s, u"@out"_s} << 3
                                          << u"Fehler: Zeichen außerhalb von Windows-1252: Ω"_s;
}

// Every refusal writes nothing and says why on standard error.
void TestCli::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QStringList huge;
    for (int i = 0; i < 32768; ++i)
        huge << u"n%1"_s.arg(i);
    const QHash<QString, QString> files{
        {u"@two"_s, write(u"two.txt"_s, {u"a.prt"_s, u"b.prt"_s})},
        {u"@one"_s, write(u"one.txt"_s, {u"c.prt"_s})},
        {u"@empty"_s, write(u"empty.txt"_s, {})},
        {u"@huge"_s, write(u"huge.txt"_s, huge)},
        {u"@missing"_s, m_dir->filePath(u"missing.txt"_s)},
        {u"@out"_s, m_dir->filePath(u"out"_s)},
    };
    for (QString &a : arguments)
        a = files.value(a, a);
    const Run run = runCli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    const QString err = QString::fromLocal8Bit(run.err);
    QVERIFY2(err.startsWith(message), qPrintable(err));
    if (QByteArray(QTest::currentDataTag()) == "too many entries")
        QVERIFY2(err.contains(files.value(u"@huge"_s)), qPrintable(err));
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(m_dir->filePath(u"out/rename.pro"_s)));
}

void TestCli::failedWriteKeepsOldFile()
{
    const QString list = write(u"two.txt"_s, {u"a.prt"_s, u"b.prt"_s});
    const QString blocked = m_dir->filePath(u"blocked"_s);
    QVERIFY(TestSupport::writeBytes(blocked, "a file, not a folder"));
    const Run run = runCli({u"--old"_s, list, u"--new"_s, list, u"--out"_s, blocked});
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(QString::fromLocal8Bit(run.err),
             u"Fehler: Datei rename.pro konnte nicht gespeichert werden in "_s + blocked + u'\n');
    COMPARE_BYTES(TestSupport::readBytes(blocked), "a file, not a folder");
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

#include "TestSupport.h"
#include "lists/ListFile.h"
#include "lists/NameListOps.h"
#include "lists/PairsFile.h"
#include "lists/TwoColumns.h"
#include "common/Cp1252.h"
#include "lists/ReplacementRule.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ListFile::ReadResult::Status)

class TestLists : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void rule_data();
    void rule();
    void ruleGivesOneNewNamePerOldName();
    void splitLines_data();
    void splitLines();
    void clipboardLines_data();
    void clipboardLines();
    void deleteMarked_data();
    void deleteMarked();
    void fitInto_data();
    void fitInto();
    void fileRoundTrip_data();
    void fileRoundTrip();
    void readsFilesFromOtherEditors_data();
    void readsFilesFromOtherEditors();
    void readRefusals_data();
    void readRefusals();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void fileNamesBesideTheProgram();
    void pairs_data();
    void pairs();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLists::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestLists::rule_data()
{
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("newName");
    QTest::newRow("suffix") << "motor_alt.prt" << "_alt" << "_neu" << "motor_neu.prt";
    QTest::newRow("first occurrence only") << "a1_a1.asm" << "a1" << "b2" << "b2_a1.asm";
    QTest::newRow("case-sensitive") << "Motor.prt" << "motor" << "welle" << "Motor.prt";
    QTest::newRow("no match copies") << "motor.prt" << "xyz" << "abc" << "motor.prt";
    QTest::newRow("empty expression prefixes") << "motor.prt" << "" << "v2_" << "v2_motor.prt";
    QTest::newRow("empty replacement deletes") << "motor_alt.prt" << "_alt" << "" << "motor.prt";
    QTest::newRow("empty old name stays empty") << "" << "a" << "b" << "";
    QTest::newRow("empty old name, empty expression") << "" << "" << "b" << "";
}

void TestLists::rule()
{
    QFETCH(QString, oldName);
    QFETCH(QString, expression);
    QFETCH(QString, replacement);
    QFETCH(QString, newName);
    QCOMPARE(ReplacementRule::apply({oldName}, expression, replacement), QStringList{newName});
}

void TestLists::ruleGivesOneNewNamePerOldName()
{
    const QStringList oldNames{u"a_alt"_s, u"b"_s, u"c_alt_alt"_s};
    QCOMPARE(ReplacementRule::apply(oldNames, u"_alt"_s, u"_neu"_s),
             (QStringList{u"a_neu"_s, u"b"_s, u"c_neu_alt"_s}));
    QVERIFY(ReplacementRule::apply({}, u"x"_s, u"y"_s).isEmpty());
}

void TestLists::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone CR") << "a\rb\r" << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone LF") << "a\nb\n" << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("mixed") << "a\r\nb\rc\nd" << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("last line without end") << "a\r\nb" << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("empty lines kept") << "a\r\n\r\nb\r\n" << QStringList{u"a"_s, u""_s, u"b"_s};
    QTest::newRow("LF CR is two line ends") << "a\n\rb" << QStringList{u"a"_s, u""_s, u"b"_s};
    QTest::newRow("only a line end") << "\r\n" << QStringList{u""_s};
    QTest::newRow("nothing") << "" << QStringList{};
    QTest::newRow("blanks and tabs kept") << "  \r\na\tb\r\n" << QStringList{u"  "_s, u"a\tb"_s};
    QTest::newRow("unicode line ends") << u"a\u2028b\u2029c\u0085d\r\u2029"_s << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u""_s};
}

void TestLists::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(NameListOps::splitLines(text), lines);
}

void TestLists::clipboardLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("heading skipped") << "Name\r\nmotor.prt\r\nwelle.prt" << QStringList{u"motor.prt"_s, u"welle.prt"_s};
    QTest::newRow("empty lines dropped") << "a\r\n\r\n\nb\r\n" << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("blank line kept") << "a\r\n   \r\nb" << QStringList{u"a"_s, u"   "_s, u"b"_s};
    QTest::newRow("lower-case name kept") << "name\r\nName \r\n" << QStringList{u"name"_s, u"Name "_s};
    QTest::newRow("tab stays inside") << "a.prt\tb.prt\n" << QStringList{u"a.prt\tb.prt"_s};
    QTest::newRow("no text") << "" << QStringList{};
}

void TestLists::clipboardLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(NameListOps::clipboardLines(text), lines);
}

void TestLists::deleteMarked_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("marked entry") << QStringList{u"a"_s, u"b"_s, u"c"_s} << 1 << QStringList{u"a"_s, u"c"_s};
    QTest::newRow("nothing marked drops empties") << QStringList{u"a"_s, u""_s, u"c"_s, u""_s} << -1 << QStringList{u"a"_s, u"c"_s};
    QTest::newRow("only empties") << QStringList{u""_s, u""_s} << -1 << QStringList{};
    QTest::newRow("blank entry is not empty") << QStringList{u" "_s, u"b"_s} << 1 << QStringList{u" "_s};
    QTest::newRow("duplicates: only the marked one") << QStringList{u"a"_s, u"a"_s, u"a"_s} << 0 << QStringList{u"a"_s, u"a"_s};
}

void TestLists::deleteMarked()
{
    QFETCH(QStringList, entries);
    QFETCH(int, selected);
    QFETCH(QStringList, kept);
    QCOMPARE(NameListOps::withoutMarkedAndEmpty(entries, selected), kept);
}

void TestLists::fitInto_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("taken");
    QTest::addColumn<int>("leftOut");
    QTest::newRow("room enough") << 10 << 0 << 10 << 0;
    QTest::newRow("exactly full") << 32767 << 0 << 32767 << 0;
    QTest::newRow("one too many") << 32768 << 0 << 32767 << 1;
    QTest::newRow("appending onto entries") << 5 << 32765 << 2 << 3;
    QTest::newRow("list already full") << 4 << 32767 << 0 << 4;
}

void TestLists::fitInto()
{
    QFETCH(int, lines);
    QFETCH(int, held);
    QFETCH(int, taken);
    QFETCH(int, leftOut);
    QStringList input;
    for (int i = 0; i < lines; ++i)
        input << QString::number(i);
    const NameListOps::Fitted fitted = NameListOps::fitInto(input, held);
    QCOMPARE(fitted.taken.size(), taken);
    QCOMPARE(fitted.leftOut, leftOut);
    if (taken > 0)
        QCOMPARE(fitted.taken.last(), QString::number(taken - 1));
}

void TestLists::fileRoundTrip_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty entry in the middle") << QStringList{u"a.prt"_s, u""_s, u"c.asm"_s} << QByteArray("a.prt\r\n\r\nc.asm\r\n");
    QTest::newRow("empty list") << QStringList{} << QByteArray();
    QTest::newRow("one empty entry") << QStringList{u""_s} << QByteArray("\r\n");
    QTest::newRow("umlauts") << QStringList{u"Gehäuse.prt"_s} << QByteArray("Geh\xE4use.prt\r\n");
    QTest::newRow("blanks and tabs") << QStringList{u" a "_s, u"b\tc"_s} << QByteArray(" a \r\nb\tc\r\n");
}

void TestLists::fileRoundTrip()
{
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, bytes);
    const QString path = m_dir->filePath(u"list.txt"_s);
    QVERIFY(ListFile::write(path, entries).ok);
    COMPARE_BYTES(TestSupport::readBytes(path), bytes);
    const ListFile::ReadResult read = ListFile::read(path);
    QCOMPARE(read.status, ListFile::ReadResult::Status::Read);
    QCOMPARE(read.lines, entries);
}

void TestLists::readsFilesFromOtherEditors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("last line without line end") << QByteArray("a\r\nb") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("unix line ends") << QByteArray("a\nb\n") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("old mac line ends") << QByteArray("a\rb\r") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("windows-1252 bytes") << QByteArray("\x80\xFC\x85\r\n") << QStringList{u"€ü…"_s};
    QTest::newRow("CR LF across a megabyte") << QByteArray((1 << 20) - 1, 'a') + "\r\nb"
                                             << QStringList{QString((1 << 20) - 1, u'a'), u"b"_s};
}

void TestLists::readsFilesFromOtherEditors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const QString path = m_dir->filePath(u"list.txt"_s);
    QVERIFY(TestSupport::writeBytes(path, bytes));
    QCOMPARE(ListFile::read(path).lines, lines);
}

void TestLists::readRefusals_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<ListFile::ReadResult::Status>("status");
    QTest::addColumn<QString>("message");
    using Status = ListFile::ReadResult::Status;
    QTest::newRow("missing") << u"missing.txt"_s << Status::Missing << u"Fehler: Listendatei nicht gefunden: "_s;
    QTest::newRow("folder") << u"folder"_s << Status::NotAFile << u"Fehler: Listendatei ist keine Datei: "_s;
    QTest::newRow("named pipe") << u"pipe"_s << Status::NotAFile << u"Fehler: Listendatei ist keine Datei: "_s;
    QTest::newRow("endless device") << u"/dev/zero"_s << Status::NotAFile << u"Fehler: Listendatei ist keine Datei: "_s;
    QTest::newRow("over 256 MiB") << u"huge.txt"_s << Status::TooLarge << u"Fehler: Listendatei ist größer als 256 MiB: "_s;
}

// Refused before anything is read: a pipe would wait for a writer forever,
// a device or a huge file would fill the memory.
void TestLists::readRefusals()
{
    QFETCH(QString, path);
    QFETCH(ListFile::ReadResult::Status, status);
    QFETCH(QString, message);
    QVERIFY(QDir(m_dir->path()).mkdir(u"folder"_s));
    if (QFile huge(m_dir->filePath(u"huge.txt"_s)); !huge.open(QIODevice::WriteOnly) || !huge.resize(256 * 1024 * 1024 + 1))
        QFAIL("cannot make a large sparse file");
    if (!TestSupport::makeFifo(m_dir->filePath(u"pipe"_s)) && path == u"pipe")
        QSKIP("this system has no named pipes");
    const QString full = QDir::isAbsolutePath(path) ? path : m_dir->filePath(path);
    if (QDir::isAbsolutePath(path) && !QFileInfo::exists(path))
        QSKIP("this system has no such device");
    const ListFile::ReadResult read = ListFile::read(full);
    QCOMPARE(read.status, status);
    QVERIFY(read.lines.isEmpty());
    QCOMPARE(ListFile::failureMessage(read.status, full), message + full);
}

void TestLists::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("status");
    QTest::newRow("folder missing") << u"gone/list.txt"_s << QStringList{u"a"_s}
                                    << u"Fehler: Liste konnte nicht gespeichert werden: "_s;
    QTest::newRow("folder is a file") << u"file.txt/list.txt"_s << QStringList{u"a"_s}
                                      << u"Fehler: Liste konnte nicht gespeichert werden: "_s;
    QTest::newRow("unrepresentable") << u"list.txt"_s << QStringList{u"a"_s, u"Ωb"_s}
                                     << u"Fehler: Zeichen außerhalb von Windows-1252: Ω"_s;
}

void TestLists::failedSaveKeepsOldFile()
{
    QFETCH(QString, path);
    QFETCH(QStringList, entries);
    QFETCH(QString, status);
    QVERIFY(TestSupport::writeBytes(m_dir->filePath(u"list.txt"_s), "old\r\n"));
    QVERIFY(TestSupport::writeBytes(m_dir->filePath(u"file.txt"_s), "file"));
    const QString full = m_dir->filePath(path);
    const WriteReport report = ListFile::write(full, entries);
    QVERIFY(!report.ok);
    QVERIFY2(report.statusText.startsWith(status), qPrintable(report.statusText));
    if (!status.contains(u"Zeichen"_s))
        QCOMPARE(report.statusText, status + full);
    COMPARE_BYTES(TestSupport::readBytes(m_dir->filePath(u"list.txt"_s)), "old\r\n");
}

void TestLists::fileNamesBesideTheProgram()
{
    const QString sep = QDir::separator();
    QCOMPARE(ListFile::path(u"prog"_s, ListFile::Kind::OldNames), u"prog"_s + sep + u"Velmorant_renOLD.txt"_s);
    QCOMPARE(ListFile::path(u"prog"_s, ListFile::Kind::NewNames), u"prog"_s + sep + u"Velmorant_renNEW.txt"_s);
}

// Pairs files read and written, and two-column text pasted onto lists
// already holding `held` pairs (-1: lists of different length).
void TestLists::pairs_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("held");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<QString>("error");
    const QString full = u"Achtung: Die Liste ist voll (32767 Einträge), nichts übernommen"_s;
    QTest::newRow("as written: header, semicolon, CR LF, umlaut and euro")
        << u"read+write"_s << 0 << QByteArray("alter Name;neuer Name\r\na.prt;b.prt\r\nGeh\xE4use.prt;Gr\xF6\xDF" "e\x80.prt\r\n")
        << QStringList{u"a.prt"_s, u"Gehäuse.prt"_s} << QStringList{u"b.prt"_s, u"Größe€.prt"_s} << QString();
    QTest::newRow("empty lists: the header alone") << u"read+write"_s << 0 << QByteArray("alter Name;neuer Name\r\n")
                                                   << QStringList{} << QStringList{} << QString();
    QTest::newRow("tab, no header, LF, empty cell, semicolon inside")
        << u"read"_s << 0 << QByteArray("a;x\tb\n\tc\n") << QStringList{u"a;x"_s, QString()}
        << QStringList{u"b"_s, u"c"_s} << QString();
    QTest::newRow("tab header, lone CR, empty lines, last line open")
        << u"read"_s << 0 << QByteArray("\ralter Name\tneuer Name\r\ra;b\r\rc;d") << QStringList{u"a"_s, u"c"_s}
        << QStringList{u"b"_s, u"d"_s} << QString();
    QTest::newRow("header later is a pair") << u"read"_s << 0 << QByteArray("a;b\r\nalter Name;neuer Name\r\n")
                                            << QStringList{u"a"_s, u"alter Name"_s} << QStringList{u"b"_s, u"neuer Name"_s} << QString();
    QTest::newRow("one column") << u"read"_s << 0 << QByteArray("a;b\r\n\r\nc\r\n") << QStringList{} << QStringList{}
                                << u"Achtung: Zeile 3 hat 1 statt 2 Spalten (getrennt durch Tabulator oder Semikolon), nichts übernommen"_s;
    QTest::newRow("three columns") << u"read"_s << 0 << QByteArray("a\tb\tc\r\n") << QStringList{} << QStringList{}
                                   << u"Achtung: Zeile 1 hat 3 statt 2 Spalten (getrennt durch Tabulator oder Semikolon), nichts übernommen"_s;
    QByteArray limit("alter Name;neuer Name\r\n");
    QStringList numbers;
    for (int i = 0; i < 32767; ++i) {
        numbers << QString::number(i);
        limit += QByteArray::number(i) + ';' + QByteArray::number(i) + "\r\n";
    }
    QTest::newRow("32,767 pairs") << u"read+write"_s << 0 << limit << numbers << numbers << QString();
    QTest::newRow("32,768 pairs") << u"read"_s << 0 << (limit + "x;y\r\n") << QStringList{} << QStringList{} << full;
    QTest::newRow("pasted: the last pair that fits") << u"paste"_s << 32766 << QByteArray("Name\tx\r\n")
                                                     << QStringList{u"Name"_s} << QStringList{u"x"_s} << QString();
    QTest::newRow("pasted: one pair too many") << u"paste"_s << 32766 << QByteArray("a;b\r\nc;d") << QStringList{}
                                               << QStringList{} << full;
    QTest::newRow("pasted onto lists of different length") << u"paste"_s << -1 << QByteArray("a;b") << QStringList{} << QStringList{}
                                                           << u"Achtung: Die Listen sind verschieden lang, Tabelle nicht übernommen"_s;
    QTest::newRow("saved: a name with a semicolon") << u"write"_s << 0 << QByteArray() << QStringList{u"a"_s, u"b"_s}
                                                    << QStringList{u"c"_s, u"d;e"_s}
                                                    << u"Fehler: Zeile 2 enthält ein Semikolon oder einen Tabulator in einem Namen, Paare nicht gespeichert"_s;
    QTest::newRow("saved: a name with a tab") << u"write"_s << 0 << QByteArray() << QStringList{u"a\tb"_s} << QStringList{u"c"_s}
                                              << u"Fehler: Zeile 1 enthält ein Semikolon oder einen Tabulator in einem Namen, Paare nicht gespeichert"_s;
    QTest::newRow("saved: lists of different length") << u"write"_s << 0 << QByteArray() << QStringList{u"a"_s} << QStringList{}
                                                      << u"Achtung: Die Listen sind verschieden lang, Paare nicht gespeichert"_s;
}

void TestLists::pairs()
{
    QFETCH(QString, mode);
    QFETCH(int, held);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, newNames);
    QFETCH(QString, error);
    const QString path = m_dir->filePath(u"pairs.csv"_s);
    if (mode.startsWith(u"read")) {
        QVERIFY(TestSupport::writeBytes(path, bytes));
        const PairsFile::ReadResult read = PairsFile::read(path);
        QCOMPARE(read.statusText, error);
        QCOMPARE(read.ok, error.isEmpty());
        QCOMPARE(read.oldNames, oldNames);
        QCOMPARE(read.newNames, newNames);
    }
    if (mode.endsWith(u"write")) {
        QVERIFY(TestSupport::writeBytes(path, "old\r\n"));
        const WriteReport report = PairsFile::write(path, oldNames, newNames);
        QCOMPARE(report.statusText, error);
        QCOMPARE(report.ok, error.isEmpty());
        COMPARE_BYTES(TestSupport::readBytes(path), error.isEmpty() ? bytes : QByteArray("old\r\n"));
    }
    if (mode == u"paste") {
        const QStringList before(std::max(held, 1), u"v"_s);
        const TwoColumns::Table table = TwoColumns::appended(before, before.mid(held < 0 ? 1 : 0),
                                                             NameListOps::splitLines(Cp1252::decode(bytes)));
        QCOMPARE(table.error, error);
        QCOMPARE(table.first, error.isEmpty() ? before + oldNames : QStringList{});
        QCOMPARE(table.second, error.isEmpty() ? before + newNames : QStringList{});
    }
}

QTEST_GUILESS_MAIN(TestLists)
#include "tst_lists.moc"

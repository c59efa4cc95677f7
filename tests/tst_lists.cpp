#include "TestSupport.h"
#include "lists/ListFile.h"
#include "lists/NameListOps.h"
#include "lists/ReplacementRule.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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
    void missingAndUnreadableFiles();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void fileNamesBesideTheProgram();

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
    QTest::newRow("windows-1252 bytes") << QByteArray("\x80\xFC\r\n") << QStringList{u"€ü"_s};
}

void TestLists::readsFilesFromOtherEditors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const QString path = m_dir->filePath(u"list.txt"_s);
    QVERIFY(TestSupport::writeBytes(path, bytes));
    QCOMPARE(ListFile::read(path).lines, lines);
}

void TestLists::missingAndUnreadableFiles()
{
    QCOMPARE(ListFile::read(m_dir->filePath(u"missing.txt"_s)).status, ListFile::ReadResult::Status::Missing);
    const QString path = m_dir->filePath(u"locked.txt"_s);
    QVERIFY(TestSupport::writeBytes(path, "a\r\n"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    if (QFile probe(path); probe.open(QIODevice::ReadOnly))
        QSKIP("this user reads files without read permission (root)");
    QCOMPARE(ListFile::read(path).status, ListFile::ReadResult::Status::Unreadable);
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

QTEST_GUILESS_MAIN(TestLists)
#include "tst_lists.moc"

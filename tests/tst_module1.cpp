#include "TestSupport.h"
#include "common/Module1.h"
#include "lists/ReplacementRule.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestModule1 : public QObject
{
    Q_OBJECT

private slots:
    void replaceFirst_data();
    void replaceFirst();
    void splitName_data();
    void splitName();
    void fileSystemChecks_data();
    void fileSystemChecks();
    void pathInFolder_data();
    void pathInFolder();

private:
    QTemporaryDir m_dir;
};

// The replacement rule: each old name gets its first match replaced.
void TestModule1::replaceFirst_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first occurrence only") << "a1_a1.asm" << "a1" << "b2" << "b2_a1.asm";
    QTest::newRow("case-sensitive") << "Motor.prt" << "motor" << "welle" << "Motor.prt";
    QTest::newRow("empty replacement deletes") << "motor_alt.prt" << "_alt" << "" << "motor.prt";
    QTest::newRow("match at the end") << "abc" << "c" << "X" << "abX";
    QTest::newRow("empty search prefixes") << "motor.prt" << "" << "v2_" << "v2_motor.prt";
    QTest::newRow("empty text stays empty, even for an empty search") << "" << "" << "X" << "";
    QTest::newRow("search longer than text") << "ab" << "abc" << "X" << "ab";
    QTest::newRow("umlauts") << u"Gehäuse_alt.prt"_s << "_alt" << u"_über"_s << u"Gehäuse_über.prt"_s;
}

void TestModule1::replaceFirst()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    QCOMPARE(Module1::ReplaceFirst(text, search, replacement), expected);
    QCOMPARE(ReplacementRule::apply({text, text}, search, replacement), QStringList(2, expected));
}

void TestModule1::splitName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("extension");
    QTest::newRow("drive, folder, version") << "C:\\work\\motor.prt.12" << "motor" << ".prt";
    QTest::newRow("no extension") << "motor" << "motor" << "";
    QTest::newRow("dotted name keeps its first extension") << "my.part.prt" << "my" << ".part";
    QTest::newRow("dot in folder only") << "C:\\my.dir\\part" << "part" << "";
    QTest::newRow("trailing dot") << "motor." << "motor" << "";
    QTest::newRow("double dot") << "motor..prt" << "motor" << ".prt";
    QTest::newRow("only extension") << ".prt" << "" << ".prt";
    QTest::newRow("drive without backslash") << "x:motor.asm" << "motor" << ".asm";
    QTest::newRow("forward slash is no separator") << "dir/motor.prt" << "dir/motor" << ".prt";
    QTest::newRow("trailing backslash stays") << "C:\\dir\\" << "dir\\" << "";
    QTest::newRow("single character") << "m" << "m" << "";
    QTest::newRow("drive only") << "C:" << "" << "";
    QTest::newRow("umlaut") << u"D:\\Bäume\\Gehäuse.prt.2"_s << u"Gehäuse"_s << ".prt";
}

void TestModule1::splitName()
{
    QFETCH(QString, path);
    QFETCH(QString, base);
    QFETCH(QString, extension);
    QCOMPARE(Module1::FileBaseName(path), base);
    QCOMPARE(Module1::FileExtension(path), extension);
    QCOMPARE(Module1::NormalisedName(path), base + extension);
}

void TestModule1::fileSystemChecks_data()
{
    QVERIFY(m_dir.isValid());
    const QString dir = m_dir.path();
    QVERIFY(TestSupport::writeBytes(dir + "/empty.txt", {}));
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("file");
    QTest::newRow("folder") << dir << true << false;
    QTest::newRow("folder with trailing separator") << dir + "/" << true << false;
    QTest::newRow("root") << QDir::rootPath() << true << false;
    QTest::newRow("file of length zero") << dir + "/empty.txt" << false << true;
    QTest::newRow("missing") << dir + "/missing" << false << false;
    QTest::newRow("in a missing folder") << dir + "/missing/file.txt" << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestModule1::fileSystemChecks()
{
    QFETCH(QString, path);
    QTEST(Module1::FolderExists(path), "folder");
    QTEST(Module1::FileExists(path), "file");
}

void TestModule1::pathInFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder") << "C:\\temp" << "C:\\temp\\rename.pro";
    QTest::newRow("drive root") << "C:\\" << "C:\\rename.pro";
    QTest::newRow("not trimmed") << "C:\\temp " << "C:\\temp \\rename.pro";
}

void TestModule1::pathInFolder()
{
    QFETCH(QString, folder);
    QTEST(Module1::PathInFolder(folder, "rename.pro", u'\\'), "expected");
}

QTEST_GUILESS_MAIN(TestModule1)
#include "tst_module1.moc"

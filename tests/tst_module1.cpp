#include "common/Module1.h"
#include "TestSupport.h"

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
    void replaceFirstBeyond16BitLengths();
    void splitName_data();
    void splitName();
    void folderExists_data();
    void folderExists();
    void fileExists_data();
    void fileExists();
    void pathInFolder_data();
    void pathInFolder();

private:
    QTemporaryDir m_dir;
};

void TestModule1::replaceFirst_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first occurrence only") << "NeuName123 und NeuName123" << "NeuName123" << "b.prt"
                                           << "b.prt und NeuName123";
    QTest::newRow("case-sensitive") << "Abc" << "abc" << "x" << "Abc";
    QTest::newRow("empty replacement deletes") << "abc" << "a" << "" << "bc";
    QTest::newRow("match at the end") << "abc" << "c" << "X" << "abX";
    QTest::newRow("whole text") << "abc" << "abc" << "X" << "X";
    QTest::newRow("empty search prefixes") << "abc" << "" << "X" << "Xabc";
    QTest::newRow("empty text, empty search") << "" << "" << "X" << "";
    QTest::newRow("empty text") << "" << "a" << "X" << "";
    QTest::newRow("no match") << "motor.prt" << "xyz" << "abc" << "motor.prt";
    QTest::newRow("search longer than text") << "ab" << "abc" << "X" << "ab";
    QTest::newRow("umlauts") << u"Gehäuse_alt.prt"_s << "_alt" << u"_über"_s << u"Gehäuse_über.prt"_s;
}

void TestModule1::replaceFirst()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    const QString before = text;
    QCOMPARE(Module1::ReplaceFirst(text, search, replacement), expected);
    QCOMPARE(text, before);
}

void TestModule1::replaceFirstBeyond16BitLengths()
{
    const QString filler(40000, u'x');
    const QString text = filler + u"NeuName123"_s + filler + u"NeuName123"_s;
    const QString result = Module1::ReplaceFirst(text, u"NeuName123"_s, u"b.prt"_s);
    QCOMPARE(result, filler + u"b.prt"_s + filler + u"NeuName123"_s);
    const QString longName = QString(33000, u'y') + u".prt.3"_s;
    QCOMPARE(Module1::FileBaseName(longName), QString(33000, u'y'));
    QCOMPARE(Module1::FileExtension(longName), u".prt"_s);
}

void TestModule1::splitName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("extension");
    QTest::newRow("drive, folder, version") << "C:\\work\\motor.prt.12" << "motor" << ".prt";
    QTest::newRow("plain") << "motor.prt" << "motor" << ".prt";
    QTest::newRow("no extension") << "motor" << "motor" << "";
    QTest::newRow("three segments") << "a.b.c" << "a" << ".b";
    QTest::newRow("dotted name") << "my.part.prt" << "my" << ".part";
    QTest::newRow("dot in folder only") << "C:\\my.dir\\part" << "part" << "";
    QTest::newRow("trailing dot") << "motor." << "motor" << "";
    QTest::newRow("double dot") << "motor..prt" << "motor" << ".prt";
    QTest::newRow("only extension") << ".prt" << "" << ".prt";
    QTest::newRow("drive without backslash") << "x:motor.asm" << "motor" << ".asm";
    QTest::newRow("forward slash is no separator") << "dir/motor.prt" << "dir/motor" << ".prt";
    QTest::newRow("trailing backslash stays") << "C:\\dir\\" << "dir\\" << "";
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("single character") << "m" << "m" << "";
    QTest::newRow("drive only") << "C:" << "" << "";
    QTest::newRow("version of assembly") << "C:\\cad\\motor.asm.3" << "motor" << ".asm";
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

void TestModule1::folderExists_data()
{
    QVERIFY(m_dir.isValid());
    const QString dir = m_dir.path();
    QVERIFY(TestSupport::writeBytes(dir + u"/file.txt"_s, {}));
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("exists");
    QTest::newRow("folder") << dir << true;
    QTest::newRow("folder with trailing separator") << dir + u"/"_s << true;
    QTest::newRow("root") << QDir::rootPath() << true;
    QTest::newRow("file") << dir + u"/file.txt"_s << false;
    QTest::newRow("missing") << dir + u"/missing"_s << false;
    QTest::newRow("empty") << "" << false;
}

void TestModule1::folderExists()
{
    QFETCH(QString, path);
    QFETCH(bool, exists);
    QCOMPARE(Module1::FolderExists(path), exists);
}

void TestModule1::fileExists_data()
{
    const QString dir = m_dir.path();
    QVERIFY(TestSupport::writeBytes(dir + u"/empty.txt"_s, {}));
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("exists");
    QTest::newRow("file of length zero") << dir + u"/empty.txt"_s << true;
    QTest::newRow("missing file") << dir + u"/missing.txt"_s << false;
    QTest::newRow("file in missing folder") << dir + u"/missing/file.txt"_s << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("folder") << dir << false;
}

void TestModule1::fileExists()
{
    QFETCH(QString, path);
    QFETCH(bool, exists);
    QCOMPARE(Module1::FileExists(path), exists);
}

void TestModule1::pathInFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder") << "C:\\temp" << "C:\\temp\\rename.pro";
    QTest::newRow("drive root") << "C:\\" << "C:\\rename.pro";
    QTest::newRow("trailing separator") << "C:\\temp\\" << "C:\\temp\\rename.pro";
    QTest::newRow("not trimmed") << "C:\\temp " << "C:\\temp \\rename.pro";
}

void TestModule1::pathInFolder()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(Module1::PathInFolder(folder, u"rename.pro"_s, u'\\'), expected);
}

QTEST_GUILESS_MAIN(TestModule1)
#include "tst_module1.moc"

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
    QTest::newRow("first occurrence only") << "a1_a1.asm"
                                           << "a1"
                                           << "b2"
                                           << "b2_a1.asm";
    QTest::newRow("case-sensitive") << "Motor.prt"
                                    << "motor"
                                    << "welle"
                                    << "Motor.prt";
    QTest::newRow("empty replacement deletes") << "motor_alt.prt"
                                               << "_alt"
                                               << ""
                                               << "motor.prt";
    QTest::newRow("empty search prefixes") << "motor.prt"
                                           << ""
                                           << "v2_"
                                           << "v2_motor.prt";
    QTest::newRow("empty text stays empty, even for an empty search") << ""
                                                                      << ""
                                                                      << "X"
                                                                      << "";
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
    QTest::newRow("drive, folder, version") << "C:\\work\\motor.prt.12"
                                            << "motor"
                                            << ".prt";
    QTest::newRow("no extension") << "motor"
                                  << "motor"
                                  << "";
    QTest::newRow("dotted name keeps its first extension") << "my.part.prt"
                                                           << "my"
                                                           << ".part";
    QTest::newRow("dot in folder only") << "C:\\my.dir\\part"
                                        << "part"
                                        << "";
    QTest::newRow("trailing dot") << "motor."
                                  << "motor"
                                  << "";
    QTest::newRow("drive without backslash") << "x:motor.asm"
                                             << "motor"
                                             << ".asm";
    QTest::newRow("forward slash is no separator") << "dir/motor.prt"
                                                   << "dir/motor"
                                                   << ".prt";
    QTest::newRow("trailing backslash stays") << "C:\\dir\\"
                                              << "dir\\"
                                              << "";
    QTest::newRow("drive only") << "C:"
                                << ""
                                << "";
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
    QVERIFY(TestSupport::writeBytes(dir + u"/empty.txt"_s, {}));
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("file");
    QTest::newRow("folder") << dir << true << false;
    QTest::newRow("folder with trailing separator") << dir + u"/"_s << true << false;
    QTest::newRow("file of length zero") << dir + u"/empty.txt"_s << false << true;
    QTest::newRow("missing") << dir + u"/missing"_s << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestModule1::fileSystemChecks()
{
    QFETCH(QString, path);
    QTEST(Module1::FolderExists(path), "folder");
    QTEST(Module1::FileExists(path), "file");
}

QTEST_GUILESS_MAIN(TestModule1)
#include "tst_module1.moc"

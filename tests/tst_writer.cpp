#include "TestSupport.h"
#include "common/Cp1252.h"
#include "generator/MapkeyGenerator.h"
#include "generator/RenameProWriter.h"
#include "lists/ListFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using namespace Qt::StringLiterals;

class TestWriter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void filePath_data();
    void filePath();
    void writesOutputTextPlusOneLineEnd();
    void replacesLongerFileCompletely();
    void encodesAsWindows1252_data();
    void encodesAsWindows1252();
    void refusesUnrepresentableCharacters_data();
    void refusesUnrepresentableCharacters();
    void reportsFailedWrites_data();
    void reportsFailedWrites();
    void nearlyFullDiskKeepsOldFile_data();
    void nearlyFullDiskKeepsOldFile();
    void everyByteSurvivesDecodeAndEncode();
    void paragraphsBecomeCrLfLines_data();
    void paragraphsBecomeCrLfLines();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestWriter::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestWriter::filePath_data()
{
    const QString sep = QDir::separator();
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("path");
    QTest::newRow("folder") << u"base"_s + sep + u"temp"_s << u"base"_s + sep + u"temp"_s + sep + u"rename.pro"_s;
    QTest::newRow("root") << sep << sep + u"rename.pro"_s;
    QTest::newRow("trailing separator") << u"temp"_s + sep << u"temp"_s + sep + u"rename.pro"_s;
}

void TestWriter::filePath()
{
    QFETCH(QString, folder);
    QFETCH(QString, path);
    QCOMPARE(RenameProWriter::filePath(folder), path);
}

void TestWriter::writesOutputTextPlusOneLineEnd()
{
    const auto g = MapkeyGenerator::generate({u"C:\\w\\a.asm.2"_s}, {u"b.asm"_s});
    const QString folder = QDir::toNativeSeparators(m_dir->path());
    const WriteReport report = RenameProWriter::write(folder, g.text);
    QVERIFY(report.ok);
    QCOMPARE(report.statusText, u"Datei rename.pro wurde gespeichert in "_s + folder);
    const QByteArray bytes = TestSupport::readBytes(RenameProWriter::filePath(folder));
    COMPARE_BYTES(bytes, g.text.toLatin1() + "\r\n");
    QVERIFY(bytes.endsWith("mapkey(continued) ~ ;\r\n\r\n"));
}

void TestWriter::replacesLongerFileCompletely()
{
    const QString path = RenameProWriter::filePath(m_dir->path());
    QVERIFY(TestSupport::writeBytes(path, QByteArray(100000, 'x')));
    QVERIFY(RenameProWriter::write(m_dir->path(), u"kurz\r\n"_s).ok);
    COMPARE_BYTES(TestSupport::readBytes(path), "kurz\r\n\r\n");
}

void TestWriter::encodesAsWindows1252_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("umlauts") << u"Gehäuse_Größe"_s << QByteArray("Geh\xE4use_Gr\xF6\xDF" "e");
    QTest::newRow("euro and dashes") << u"€–—"_s << QByteArray("\x80\x96\x97");
    QTest::newRow("no-break space") << u"a\u00A0b"_s << QByteArray("a\xA0" "b");
    QTest::newRow("undefined byte kept") << u"\u0081"_s << QByteArray("\x81");
}

void TestWriter::encodesAsWindows1252()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QVERIFY(RenameProWriter::write(m_dir->path(), name).ok);
    COMPARE_BYTES(TestSupport::readBytes(RenameProWriter::filePath(m_dir->path())), bytes + "\r\n");
}

void TestWriter::refusesUnrepresentableCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("character");
    QTest::newRow("greek") << u"a.prt\r\nΩmega.prt"_s << u"Ω"_s;
    QTest::newRow("outside the basic plane") << u"x😀y"_s << u"😀"_s;
    QTest::newRow("control character without byte") << u"a\u0080"_s << u"\u0080"_s;
    QTest::newRow("late in a long text") << QString(50000, u'a') + u"č"_s << u"č"_s;
}

void TestWriter::refusesUnrepresentableCharacters()
{
    QFETCH(QString, text);
    QFETCH(QString, character);
    const QString path = RenameProWriter::filePath(m_dir->path());
    QVERIFY(TestSupport::writeBytes(path, "alt\r\n"));
    const WriteReport report = RenameProWriter::write(m_dir->path(), text);
    QVERIFY(!report.ok);
    QCOMPARE(report.statusText, u"Fehler: Zeichen außerhalb von Windows-1252: "_s + character);
    COMPARE_BYTES(TestSupport::readBytes(path), "alt\r\n");
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"rename.pro"_s});
}

void TestWriter::reportsFailedWrites_data()
{
    QTest::addColumn<QString>("subPath");
    QTest::newRow("folder text names a file") << u"file.txt"_s;
    QTest::newRow("folder removed") << u"gone"_s;
    QTest::newRow("rename.pro is a folder") << u"blocked"_s;
}

void TestWriter::reportsFailedWrites()
{
    QFETCH(QString, subPath);
    QVERIFY(TestSupport::writeBytes(m_dir->filePath(u"file.txt"_s), "data"));
    QVERIFY(QDir(m_dir->path()).mkpath(u"blocked/rename.pro"_s));
    const QString folder = m_dir->filePath(subPath);
    const WriteReport report = RenameProWriter::write(folder, u"text\r\n"_s);
    QVERIFY(!report.ok);
    QCOMPARE(report.statusText, u"Fehler: Datei rename.pro konnte nicht gespeichert werden in "_s + folder);
    COMPARE_BYTES(TestSupport::readBytes(m_dir->filePath(u"file.txt"_s)), "data");
    QVERIFY(QFileInfo(m_dir->filePath(u"blocked/rename.pro"_s)).isDir());
}

void TestWriter::nearlyFullDiskKeepsOldFile_data()
{
    QTest::addColumn<bool>("listFile");
    QTest::addColumn<int>("size");
    QTest::newRow("small rename.pro") << false << 3000;
    QTest::newRow("large rename.pro") << false << 100000;
    QTest::newRow("small list file") << true << 3000;
    QTest::newRow("large list file") << true << 100000;
}

// Both writers of the window on a disk with 1 KiB left: a file that the
// write buffer holds whole fails as a large one does, the old file stays,
// no temporary file is left, and the file system's reason comes along.
void TestWriter::nearlyFullDiskKeepsOldFile()
{
    QFETCH(bool, listFile);
    QFETCH(int, size);
    const QString path = listFile ? m_dir->filePath(u"list.txt"_s) : RenameProWriter::filePath(m_dir->path());
    QVERIFY(TestSupport::writeBytes(path, "alt\r\n"));
    WriteReport report;
    {
        const TestSupport::FileSizeLimit disk(1024);
        if (!disk.active())
            QSKIP("this system sets no file size limit");
        report = listFile ? ListFile::write(path, {QString(size, u'n')})
                          : RenameProWriter::write(m_dir->path(), QString(size, u'n'));
    }
    QVERIFY(!report.ok);
    QCOMPARE(report.statusText, listFile ? u"Fehler: Liste konnte nicht gespeichert werden: "_s + path
                                         : u"Fehler: Datei rename.pro konnte nicht gespeichert werden in "_s + m_dir->path());
    QCOMPARE(report.reason, QString::fromLocal8Bit(std::strerror(EFBIG)));
    COMPARE_BYTES(TestSupport::readBytes(path), "alt\r\n");
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(path).fileName()});
}

void TestWriter::everyByteSurvivesDecodeAndEncode()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Cp1252::decode(all);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0xE4), QChar(0xE4));
    QByteArray again;
    QVERIFY(Cp1252::encodeAppend(text, again, nullptr));
    QCOMPARE(again, all);
}

void TestWriter::paragraphsBecomeCrLfLines_data()
{
    QTest::addColumn<QString>("paragraphs");
    QTest::addColumn<QString>("lines");
    QTest::newRow("lines") << u"a\u2029b\u2029"_s << u"a\r\nb\r\n"_s;
    QTest::newRow("empty lines") << u"\u2029\u2029"_s << u"\r\n\r\n"_s;
    QTest::newRow("no-break space and tab untouched") << u"a\u00A0\tb"_s << u"a\u00A0\tb"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestWriter::paragraphsBecomeCrLfLines()
{
    QFETCH(QString, paragraphs);
    QFETCH(QString, lines);
    QCOMPARE(RenameProWriter::withCrLf(paragraphs), lines);
}

QTEST_GUILESS_MAIN(TestWriter)
#include "tst_writer.moc"

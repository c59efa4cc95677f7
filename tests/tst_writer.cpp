#include "TestSupport.h"
#include "common/Cp1252.h"
#include "generator/OutputParagraphs.h"
#include "generator/RenameProWriter.h"
#include "lists/ListFile.h"
#include "lists/PairsFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <optional>

using namespace Qt::StringLiterals;

class TestWriter : public QObject
{
    Q_OBJECT

private slots:
    void windows1252_data();
    void windows1252();
    void writers_data();
    void writers();
    void outputParagraphs_data();
    void outputParagraphs();
};

// Encoding and decoding as one table: a text with a byte for every
// character goes both ways; otherwise the first character without one is
// named.
void TestWriter::windows1252_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("unrepresentable");
    QTest::newRow("ASCII and Latin-1, no-break space") << u"a\u007F\u00A0Gehäuse_Größe\u00FF"_s
                                                       << QByteArray("a\x7F\xA0Geh\xE4use_Gr\xF6\xDF"
                                                                     "e\xFF")
                                                       << QString();
    QTest::newRow("0x80 to 0x9F, the undefined five as controls")
        << u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"_s
        << QByteArray("\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E\x8F"
                      "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9D\x9E\x9F")
        << QString();
    QTest::newRow("the first of two is named") << u"a.prt\r\nΩmega\u0080.prt"_s << QByteArray() << u"Ω"_s;
    QTest::newRow("a control without byte") << u"a\u0080"_s << QByteArray() << u"\u0080"_s;
    QTest::newRow("outside the basic plane, both halves") << u"x😀y"_s << QByteArray() << u"😀"_s;
    QTest::newRow("after the first 4096 characters") << QString(5000, u'a') + u"č"_s << QByteArray() << u"č"_s;
    QTest::newRow("inside a chunk that ends in ASCII") << u"aΩ"_s + QString(5000, u'a') << QByteArray() << u"Ω"_s;
}

void TestWriter::windows1252()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, unrepresentable);
    QByteArray encoded("kept");
    QString bad;
    QCOMPARE(Cp1252::encodeAppend(text, encoded, &bad), unrepresentable.isEmpty());
    QCOMPARE(bad, unrepresentable);
    if (unrepresentable.isEmpty()) {
        QCOMPARE(encoded, "kept" + bytes);
        QCOMPARE(Cp1252::decode(bytes), text);
    }
}

// The three writers: rename.pro (from the output field's lines, as the
// window writes it), a list file and a pairs file. Each writes
// all or nothing: on any failure the old file keeps its bytes, no temporary
// file stays, and the status text says why, with the file system's reason.
// "%1" in a status text stands for the folder (rename.pro) or the path.
void TestWriter::writers_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("error");
    const QString notSaved = u"Fehler: Datei rename.pro konnte nicht gespeichert werden in %1"_s;
    QTest::newRow("rename.pro: lines of the output field with CR LF and one more, Windows-1252")
        << u"rename.pro"_s << QString() << QStringList{u"Gehäuse\u00A0€\t"_s, QString(), QString()}
        << QByteArray("Geh\xE4use\xA0\x80\t\r\n\r\n\r\n") << u"Datei rename.pro wurde gespeichert in %1"_s << 0;
    QTest::newRow("list file: CR LF after every entry, empty ones too")
        << u"list.txt"_s << QString() << QStringList{u"a.prt"_s, QString(), u"Gehäuse.asm"_s}
        << QByteArray("a.prt\r\n\r\nGeh\xE4use.asm\r\n") << QString() << 0;
    const QList<std::pair<QString, QString>> writers{{u"rename.pro"_s, notSaved},
                                                     {u"list.txt"_s,
                                                      u"Fehler: Liste konnte nicht gespeichert werden: %1"_s},
                                                     {u"pairs.csv"_s,
                                                      u"Fehler: Paare konnten nicht gespeichert werden: %1"_s}};
    for (const auto &[writer, failed] : writers) {
        const QByteArray w = writer.toLatin1();
        QTest::addRow("%s: unrepresentable", w.data())
            << writer << QString() << QStringList{u"a"_s, u"Ωb"_s} << QByteArray()
            << u"Fehler: Zeichen außerhalb von Windows-1252: Ω"_s << 0;
        QTest::addRow("%s: folder missing", w.data())
            << writer << u"missing folder"_s << QStringList{u"a"_s} << QByteArray() << failed << ENOENT;
        for (const int size : {3000, 100000})
            QTest::addRow("%s: disk full, %d bytes", w.data(), size)
                << writer << u"disk full"_s << QStringList{QString(size, u'n')} << QByteArray() << failed << EFBIG;
    }
    QTest::newRow("rename.pro: the pair of a hidden character without byte")
        << u"rename.pro"_s << QString()
        << u"save_objects all|mapkey umb0 ~ ;\\|a|mapkey umb1 ~ ;\\|b\u202E|mapkey umb2 ~ ;\\"_s.split(u'|')
        << QByteArray() << u"Zeile 2: Fehler: Zeichen außerhalb von Windows-1252: U+202E"_s << 0;
    QTest::newRow("rename.pro: folder text names a file")
        << u"rename.pro"_s << u"folder is a file"_s << QStringList{u"a"_s} << QByteArray() << notSaved << ENOTDIR;
    QTest::newRow("list file: a folder of that name")
        << u"list.txt"_s << u"file is a folder"_s << QStringList{u"a"_s} << QByteArray() << writers[1].second << 0;
    QTest::newRow("rename.pro: the final rename fails")
        << u"rename.pro"_s << u"rename fails"_s << QStringList{u"a"_s} << QByteArray() << notSaved << EISDIR;
}

void TestWriter::writers()
{
    QFETCH(QString, writer);
    QFETCH(QString, fault);
    QFETCH(QStringList, names);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, status);
    QFETCH(int, error);
    const QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString old = dir.filePath(writer);
    if (fault == u"file is a folder") {
        QVERIFY(QDir(dir.path()).mkdir(writer));
    } else if (fault == u"rename fails") {
        // Behind 41 links, one more than the system follows, the folder at
        // the end shows only when the new file is renamed onto it.
        QVERIFY(QDir(dir.path()).mkdir(u"target"_s));
        for (int i = 0; i <= 40; ++i)
            QVERIFY(QFile::link(i == 40 ? u"target"_s : u"link%1"_s.arg(i + 1),
                                i == 0 ? old : dir.filePath(u"link%1"_s.arg(i))));
    } else {
        QVERIFY(TestSupport::writeBytes(old, "alt\r\n"));
    }
    const QString folder = fault == u"missing folder" ? dir.filePath(u"gone"_s)
        : fault == u"folder is a file"                ? old
                                                      : dir.path();
    const QString path = folder + u'/' + writer;
    WriteReport report;
    {
        std::optional<TestSupport::FileSizeLimit> disk;
        if (fault == u"disk full" && !disk.emplace(1024).active())
            QSKIP("this system sets no file size limit");
        if (writer == u"rename.pro")
            report = RenameProWriter::write(folder, RenameProWriter::withCrLf(names.join(QChar::ParagraphSeparator)));
        else if (writer == u"list.txt")
            report = ListFile::write(path, names);
        else
            report = PairsFile::write(path, names, names);
    }
    QCOMPARE(report.ok, !bytes.isEmpty());
    QCOMPARE(report.statusText, status.replace(u"%1"_s, writer == u"rename.pro" ? folder : path));
    if (error)
        QCOMPARE(report.reason, QString::fromLocal8Bit(std::strerror(error)));
    if (QFileInfo(old).isFile())
        COMPARE_BYTES(TestSupport::readBytes(old), report.ok ? bytes : "alt\r\n");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QFileInfo(old).isFile() ? QStringList{writer} : QStringList{});
}

// Both ways between the lines of a file and the paragraphs the output field
// is given (several lines to a paragraph, joined by line separators).
void TestWriter::outputParagraphs_data()
{
    QTest::addColumn<QString>("paragraphs");
    QTest::addColumn<int>("linesPerParagraph");
    QTest::addColumn<QString>("lines");
    QTest::newRow("a line to a paragraph") << u"a\u2029\u2029b\u2029"_s << 1 << u"a\r\n\r\nb\r\n"_s;
    QTest::newRow("no-break space, tab, euro sign untouched") << u"a\u00A0\t\u20ACb"_s << 1 << u"a\u00A0\t\u20ACb"_s;
    QTest::newRow("three lines to a paragraph") << u"a\u2028\u2028b\u2029c\u2028"_s << 3 << u"a\r\n\r\nb\r\nc\r\n"_s;
}

void TestWriter::outputParagraphs()
{
    QFETCH(QString, paragraphs);
    QFETCH(int, linesPerParagraph);
    QFETCH(QString, lines);
    QCOMPARE(RenameProWriter::withCrLf(paragraphs), lines);
    QCOMPARE(OutputParagraphs::fromText(lines, linesPerParagraph), paragraphs);
    QByteArray fileBytes;
    QVERIFY(Cp1252::encodeAppend(lines, fileBytes, nullptr));
    QCOMPARE(OutputParagraphs::fromFileBytes(fileBytes + "\r\n", linesPerParagraph), paragraphs);
}

QTEST_GUILESS_MAIN(TestWriter)
#include "tst_writer.moc"

#include "TestSupport.h"
#include "common/Cp1252.h"
#include "common/WriteFailure.h"
#include "generator/RenameProWriter.h"
#include "lists/ListFile.h"
#include "lists/PairsFile.h"
#include "ui/output/OutputParagraphs.h"
#include "write/MapkeyFiles.h"

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
    void reasons_data();
    void reasons();
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
// file stays, and the status text says why, with a reason in German. "%1"
// in a status text stands for the folder (rename.pro) or the path; "mode
// 0444" makes the old file so.
void TestWriter::writers_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("reason");
    const auto row = [](const QString &writer, const QString &name, const QString &fault, const QString &status,
                        const QString &reason, const QStringList &names = {u"a"_s}, const QByteArray &bytes = {}) {
        QTest::addRow("%s: %s", qPrintable(writer), qPrintable(name))
            << writer << fault << names << bytes << status << reason;
    };
    const QString pro = u"rename.pro"_s;
    const QString list = u"list.txt"_s;
    const QString saved = u"Datei rename.pro wurde gespeichert in %1"_s;
    const QString notSaved = u"Fehler: Datei rename.pro konnte nicht gespeichert werden in %1"_s;
    row(pro, u"lines of the output field with CR LF and one more, Windows-1252"_s, {}, saved, {},
        {u"Gehäuse\u00A0€\t"_s, QString(), QString()}, "Geh\xE4use\xA0\x80\t\r\n\r\n\r\n");
    row(list, u"CR LF after every entry, empty ones too"_s, {}, {}, {}, {u"a.prt"_s, QString(), u"Gehäuse.asm"_s},
        "a.prt\r\n\r\nGeh\xE4use.asm\r\n");
    row(list, u"a new one as the umask leaves it"_s, u"new file"_s, {}, {}, {u"a"_s}, "a\r\n");
    row(pro, u"root replaces a read-only one, which stays so"_s, u"mode 0444, as root"_s, saved, {}, {u"a"_s}, "a\r\n");
    const QString listFailed = u"Fehler: Liste konnte nicht gespeichert werden: %1"_s;
    const std::pair<QString, QString> writers[]{
        {pro, notSaved}, {list, listFailed}, {u"pairs.csv"_s, u"Fehler: Paare konnten nicht gespeichert werden: %1"_s}};
    for (const auto &[writer, failed] : writers) {
        row(writer, u"unrepresentable"_s, {}, u"Fehler: Zeichen außerhalb von Windows-1252: Ω"_s, {},
            {u"a"_s, u"Ωb"_s});
        row(writer, u"folder missing"_s, u"missing folder"_s, failed, u"Ordner nicht gefunden"_s);
        for (const int size : {3000, 100000})
            row(writer, u"file size limit, %1 bytes"_s.arg(size), u"disk full"_s, failed,
                u"Datei zu groß (Grenze der Dateigröße erreicht)"_s, {QString(size, u'n')});
    }
    row(pro, u"the pair of a hidden character without byte"_s, {},
        u"Zeile 2: Fehler: Zeichen außerhalb von Windows-1252: U+202E"_s, {},
        u"save_objects all|mapkey umb0 ~ ;\\|a|mapkey umb1 ~ ;\\|b\u202E|mapkey umb2 ~ ;\\"_s.split(u'|'));
    row(pro, u"read-only, for anyone but root"_s, u"mode 0444, as nobody"_s, notSaved,
        u"Keine Schreibberechtigung für die vorhandene Datei"_s);
    row(pro, u"read-only file system, not read-only file"_s, u"read-only file system"_s, notSaved,
        u"Schreibgeschütztes Dateisystem"_s);
    row(pro, u"folder text names a file"_s, u"folder is a file"_s, notSaved, u"Ist kein Ordner"_s);
    row(list, u"a folder of that name"_s, u"file is a folder"_s, listFailed, u"Ist ein Ordner"_s);
    row(list, u"the final rename fails"_s, u"rename fails"_s, listFailed, u"Ist ein Ordner"_s);
}

void TestWriter::writers()
{
    QFETCH(QString, writer);
    QFETCH(QString, fault);
    QFETCH(QStringList, names);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, status);
    const QTemporaryDir dir;
    QVERIFY(dir.isValid());
    std::optional<TestSupport::ReadOnlyMount> readOnly;
    if (fault == u"read-only file system" && !readOnly.emplace(dir.path()).m_mounted)
        QSKIP("only root mounts a file system of its own");
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
    } else if (fault != u"new file") {
        QVERIFY(TestSupport::writeBytes(old, "alt\r\n"));
    }
    const QFileDevice::Permissions mode = TestSupport::mode(fault == u"new file" ? 0666 & ~TestSupport::umask()
                                                                : fault.startsWith(u"mode 0444") ? 0444
                                                                                                 : 0644);
    QVERIFY(!QFileInfo(old).isFile() || QFile::setPermissions(old, mode));
    QVERIFY(!readOnly || readOnly->seal());
    if (fault == u"mode 0444, as root" && !TestSupport::AsNobody::root())
        QSKIP("only root replaces a file that nobody may write");
    const QString folder = fault == u"missing folder" ? dir.filePath(u"gone"_s)
        : fault == u"folder is a file"                ? old
                                                      : dir.path();
    const QString path = folder + u'/' + writer;
    WriteReport report;
    QString told;
    {
        std::optional<TestSupport::FileSizeLimit> disk;
        if (fault == u"disk full" && !disk.emplace(1024).active())
            QSKIP("this system sets no file size limit");
        std::optional<TestSupport::AsNobody> nobody;
        if (fault == u"mode 0444, as nobody" && TestSupport::AsNobody::root()
            && !(QFile::setPermissions(dir.path(), TestSupport::mode(0777)) && nobody.emplace().m_nobody
                 && QFileInfo::exists(old)))
            QSKIP("nobody cannot reach the temporary folder");
        if (writer == u"rename.pro") {
            MapkeyFiles::Request request;
            request.folder = folder;
            request.renamePro = MapkeyFiles::outputText(
                RenameProWriter::withCrLf(names.join(QChar::ParagraphSeparator)));
            const MapkeyFiles::Result result = MapkeyFiles::write(request);
            report.ok = result.written();
            told = result.statusText();
        } else {
            report = writer == u"list.txt" ? ListFile::write(path, names) : PairsFile::write(path, names, names);
            told = report.toldText();
        }
    }
    QFETCH(QString, reason);
    QCOMPARE(report.ok, !bytes.isEmpty());
    QCOMPARE(told,
             status.replace(u"%1"_s, writer == u"rename.pro" ? folder : path)
                 + (reason.isEmpty() ? QString() : u": "_s + reason));
    if (QFileInfo(old).isFile()) {
        COMPARE_BYTES(TestSupport::readBytes(old), report.ok ? bytes : "alt\r\n");
        QCOMPARE(QFileInfo(old).permissions() & TestSupport::mode(0777), mode);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QFileInfo(old).isFile() ? QStringList{writer} : QStringList{});
}

// The reasons a failed write, rename or read is told with: German for
// every cause the system gives for these, whether Qt gives the system's
// words for them or fixed English ones (`qtWords`, else the system's), or
// std::filesystem its error code; the system's words for any other cause.
void TestWriter::reasons_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("qtWords");
    QTest::addColumn<QString>("told"); // null: the system's words
    const auto row = [](const char *name, int error, const QString &told, const QString &qtWords = {}) {
        QTest::newRow(name) << error << qtWords << told;
    };
    row("folder missing, in Qt's English", ENOENT, u"Ordner nicht gefunden"_s, u"No such file or directory"_s);
    row("not a folder", ENOTDIR, u"Ist kein Ordner"_s);
    row("a folder", EISDIR, u"Ist ein Ordner"_s);
    row("no permission, in Qt's English", EACCES, u"Keine Schreibberechtigung für den Ordner"_s,
        u"Permission denied"_s);
    row("not permitted, a sticky folder of another owner", EPERM, u"Vorgang nicht zulässig"_s);
    row("read-only file system", EROFS, u"Schreibgeschütztes Dateisystem"_s);
    row("disk full, in Qt's English", ENOSPC, u"Kein freier Speicherplatz auf dem Datenträger"_s,
        u"No space left on device"_s);
#ifdef EDQUOT
    row("quota", EDQUOT, u"Speicherkontingent (Quota) erschöpft"_s);
#endif
    row("file too large", EFBIG, u"Datei zu groß (Grenze der Dateigröße erreicht)"_s);
    row("too many open files, in Qt's English", EMFILE, u"Zu viele offene Dateien"_s, u"Too many open files"_s);
    row("too many open files in the system", ENFILE, u"Zu viele offene Dateien im System"_s);
    row("renamed onto another file system", EXDEV,
        u"Umbenennen über die Grenze eines Dateisystems hinweg nicht möglich"_s);
    row("busy", EBUSY, u"Datei oder Gerät wird gerade benutzt"_s);
    row("a program running", ETXTBSY, u"Datei wird gerade als Programm ausgeführt"_s);
    row("name too long", ENAMETOOLONG, u"Dateiname oder Pfad zu lang"_s);
    row("links in a ring", ELOOP, u"Zu viele Ebenen symbolischer Verknüpfungen"_s);
    row("disk error", EIO, u"Ein-/Ausgabefehler des Datenträgers"_s);
    row("not for this file system", EINVAL, u"Ungültiger Vorgang für dieses Dateisystem"_s);
    row("exists", EEXIST, u"Datei existiert bereits"_s);
    row("folder not empty", ENOTEMPTY, u"Ordner ist nicht leer"_s);
    row("too many links", EMLINK, u"Zu viele Verknüpfungen"_s);
    row("try again", EAGAIN, u"Vorübergehend nicht verfügbar, bitte erneut versuchen"_s);
    row("interrupted", EINTR, u"Unterbrochen, bitte erneut versuchen"_s);
    row("out of memory", ENOMEM, u"Nicht genügend Arbeitsspeicher"_s);
    row("not open", EBADF, u"Datei oder Ausgabe nicht geöffnet"_s);
    row("no such device", ENXIO, u"Gerät nicht vorhanden"_s);
    row("not supported", EOPNOTSUPP, u"Vom Dateisystem nicht unterstützt"_s);
    row("too large to read", EOVERFLOW, u"Datei zu groß für diesen Zugriff"_s);
    row("output closed", EPIPE, u"Empfänger der Ausgabe beendet"_s);
    row("stale network file", ESTALE, u"Verbindung zur Netzwerkdatei veraltet"_s);
    row("another cause", ECHILD, QString());
}

void TestWriter::reasons()
{
    QFETCH(int, error);
    QFETCH(QString, qtWords);
    QFETCH(QString, told);
    const QString system = QString::fromLocal8Bit(std::strerror(error));
    const QString expected = told.isNull() ? system : told;
    QCOMPARE(WriteFailure::toldFromQt(qtWords.isNull() ? system : qtWords), expected);
    QCOMPARE(WriteFailure::told(std::make_error_code(std::errc(error))), expected);
}

// Both ways between the lines of a file and the paragraphs the output field
// is given (several lines to a paragraph, joined by line separators).
void TestWriter::outputParagraphs_data()
{
    QTest::addColumn<QString>("paragraphs");
    QTest::addColumn<int>("linesPerParagraph");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<bool>("crLfOnly");
    QTest::newRow("a line to a paragraph") << u"a\u2029\u2029b\u2029"_s << 1 << u"a\r\n\r\nb\r\n"_s << true;
    QTest::newRow("no-break space, tab, euro sign untouched")
        << u"a\u00A0\t\u20ACb"_s << 1 << u"a\u00A0\t\u20ACb"_s << true;
    QTest::newRow("three lines to a paragraph")
        << u"a\u2028\u2028b\u2029c\u2028"_s << 3 << u"a\r\n\r\nb\r\nc\r\n"_s << true;
    QTest::newRow("a lone CR and a lone LF end a line each")
        << u"\u00E4\u2028b\u2029\u2028c"_s << 2 << u"\u00E4\rb\n\rc"_s << false;
}

void TestWriter::outputParagraphs()
{
    QFETCH(QString, paragraphs);
    QFETCH(int, linesPerParagraph);
    QFETCH(QString, lines);
    QFETCH(bool, crLfOnly);
    if (crLfOnly)
        QCOMPARE(RenameProWriter::withCrLf(paragraphs), lines);
    QCOMPARE(OutputParagraphs::fromText(lines, linesPerParagraph), paragraphs);
    QByteArray fileBytes;
    QVERIFY(Cp1252::encodeAppend(lines, fileBytes, nullptr));
    QCOMPARE(OutputParagraphs::fromFileBytes(fileBytes + "\r\n", linesPerParagraph), paragraphs);
    for (const qsizetype pieceBytes : {1, 2, 5}) { // the lines counted on from one piece to the next
        QString joined;
        OutputParagraphs::fromFileBytesInPieces(fileBytes + "\r\n", linesPerParagraph, pieceBytes,
                                                [&joined](const QString &piece) { joined += piece; });
        QCOMPARE(joined, paragraphs);
    }
}

QTEST_GUILESS_MAIN(TestWriter)
#include "tst_writer.moc"

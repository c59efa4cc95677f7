#include "TestSupport.h"
#include "common/Cp1252.h"
#include "lists/ListFile.h"
#include "lists/NameListOps.h"
#include "lists/PairsFile.h"
#include "lists/TwoColumns.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLists : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void deleteMarked_data();
    void deleteMarked();
    void fitInto_data();
    void fitInto();
    void readListFile_data();
    void readListFile();
    void fileNamesBesideTheProgram();
    void pairs_data();
    void pairs();

private:
    QTemporaryDir m_dir;
};

// One line rule for every text that becomes entries (typed, pasted, read):
// the lines, the lines worth keeping from the clipboard, whether a typed
// name is refused for holding a line break, and what a one-line field takes
// of it pasted ("-": refused; a cell copied from a spreadsheet brings one
// line end).
void TestLists::lines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("pasted");
    QTest::addColumn<bool>("breaks");
    QTest::addColumn<QString>("field");
    const QStringList ab{u"a"_s, u"b"_s};
    QTest::newRow("CR LF") << "a\r\nb\r\n" << ab << ab << true << "-";
    QTest::newRow("lone CR") << "a\rb" << ab << ab << true << "-";
    QTest::newRow("LF CR is two line ends") << "a\n\rb" << QStringList{u"a"_s, u""_s, u"b"_s} << ab << true << "-";
    QTest::newRow("blanks, tabs and empty lines kept; empty ones not pasted")
        << "\r\n a\t\r\n\r\nb" << QStringList{u""_s, u" a\t"_s, u""_s, u"b"_s} << QStringList{u" a\t"_s, u"b"_s} << true
        << "-";
    QTest::newRow("only a line end") << "\r\n" << QStringList{u""_s} << QStringList{} << true << "";
    QTest::newRow("one name") << "motor.prt" << QStringList{u"motor.prt"_s} << QStringList{u"motor.prt"_s} << false
                              << "motor.prt";
    QTest::newRow("Unicode line ends") << u"a\u2028b\u2029c\u0085d"_s << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}
                                       << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s} << true << "-";
    QTest::newRow("heading \"Name\" not pasted, other spellings are")
        << "Name\r\nname\r\nName " << QStringList{u"Name"_s, u"name"_s, u"Name "_s}
        << QStringList{u"name"_s, u"Name "_s} << true << "-";
    QTest::newRow("heading \"Alter Name\" in any letter case not pasted")
        << "ALTER name\r\nAlter Name.prt" << QStringList{u"ALTER name"_s, u"Alter Name.prt"_s}
        << QStringList{u"Alter Name.prt"_s} << true << "-";
    QTest::newRow("heading \"Neuer Name\" in any letter case not pasted")
        << "neuer NAME\r\nNeuer  Name" << QStringList{u"neuer NAME"_s, u"Neuer  Name"_s}
        << QStringList{u"Neuer  Name"_s} << true << "-";
    QTest::newRow("a cell, LF") << "a\n" << QStringList{u"a"_s} << QStringList{u"a"_s} << true << "a";
    QTest::newRow("a cell, CR LF") << "a\r\n" << QStringList{u"a"_s} << QStringList{u"a"_s} << true << "a";
    QTest::newRow("a cell, paragraph separator")
        << u"a\u2029"_s << QStringList{u"a"_s} << QStringList{u"a"_s} << true << "a";
    QTest::newRow("a cell, two line ends") << "a\r\n\r\n"
                                           << QStringList{u"a"_s, u""_s} << QStringList{u"a"_s} << true << "-";
}

void TestLists::lines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(NameListOps::splitLines(text), lines);
    QTEST(NameListOps::clipboardLines(text), "pasted");
    QTEST(NameListOps::holdsLineBreak(text), "breaks");
    QTEST(NameListOps::pastedIntoLine(text).value_or(u"-"_s), "field");
    // A file is read in pieces; a piece may end anywhere, even inside CR LF.
    NameListOps::LineSplitter pieces;
    for (const QChar &c : text)
        pieces.feed(QStringView(&c, 1));
    pieces.finish();
    QCOMPARE(pieces.takeLines(), lines);
}

void TestLists::deleteMarked_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("marked entry") << QStringList{u"a"_s, u"b"_s, u"c"_s} << 1 << QStringList{u"a"_s, u"c"_s};
    QTest::newRow("nothing marked drops empties")
        << QStringList{u"a"_s, u""_s, u"c"_s, u""_s} << -1 << QStringList{u"a"_s, u"c"_s};
    QTest::newRow("blank entry is not empty") << QStringList{u" "_s, u"b"_s} << 1 << QStringList{u" "_s};
    QTest::newRow("duplicates: only the marked one")
        << QStringList{u"a"_s, u"a"_s, u"a"_s} << 0 << QStringList{u"a"_s, u"a"_s};
}

void TestLists::deleteMarked()
{
    QFETCH(QStringList, entries);
    QFETCH(int, selected);
    QTEST(NameListOps::withoutMarkedAndEmpty(entries, selected), "kept");
}

void TestLists::fitInto_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("taken");
    QTest::newRow("room enough") << 10 << 0 << 10;
    QTest::newRow("exactly full") << 32767 << 0 << 32767;
    QTest::newRow("one too many") << 32768 << 0 << 32767;
    QTest::newRow("appending onto entries") << 5 << 32765 << 2;
    QTest::newRow("list already full") << 4 << 32767 << 0;
}

void TestLists::fitInto()
{
    QFETCH(int, lines);
    QFETCH(int, held);
    QFETCH(int, taken);
    QStringList input;
    for (int i = 0; i < lines; ++i)
        input << QString::number(i);
    const NameListOps::Fitted fitted = NameListOps::fitInto(input, held);
    QCOMPARE(fitted.taken, input.mid(0, taken));
    QCOMPARE(fitted.leftOut, lines - taken);
    QCOMPARE(NameListOps::linesLeftOutMessage(fitted.leftOut),
             u"Achtung: Die Liste ist voll (32767 Einträge), %1 Zeilen nicht übernommen"_s.arg(lines - taken));
}

// A list file's lines, or why it was not read ("%1" is its path). Nothing
// that is no plain file is opened: a pipe would wait for a writer forever,
// a huge file would fill the memory.
void TestLists::readListFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("leftOut");
    QTest::addColumn<QString>("message");
    const QStringList full(32767, u"x"_s);
    const QByteArray fullBytes = QByteArray("x\r\n").repeated(32767);
    const QString notAFile = u"Fehler: Listendatei ist keine Datei: %1"_s;
    const QString unreadable = u"Fehler: Liste konnte nicht gelesen werden: %1"_s;
    QTest::newRow("Windows-1252, last line open")
        << u"list.txt"_s << QByteArray("\x80\xFC\x85\r\nb") << QStringList{u"€ü…"_s, u"b"_s} << 0 << QString();
    QTest::newRow("CR LF across a megabyte") << u"list.txt"_s << QByteArray((1 << 20) - 1, 'a') + "\r\nb"
                                             << QStringList{QString((1 << 20) - 1, u'a'), u"b"_s} << 0 << QString();
    QTest::newRow("UTF-8 cut by the megabyte")
        << u"list.txt"_s << QByteArray((1 << 20) - 1, 'a') + "\xC3\x9F\r\nb"
        << QStringList{QString((1 << 20) - 1, u'a') + u'ß', u"b"_s} << 0 << QString();
    QTest::newRow("NUL bytes") << u"list.txt"_s << QByteArray("a\r\n\0", 4) << QStringList{} << 0
                               << u"Fehler: Listendatei ist keine Textdatei: %1"_s;
    QTest::newRow("a full list") << u"list.txt"_s << fullBytes << full << 0 << QString();
    QTest::newRow("two lines too many") << u"list.txt"_s << fullBytes + "y\r\nz" << full << 2 << QString();
    QTest::newRow("missing") << u"missing.txt"_s << QByteArray() << QStringList{} << 0
                             << u"Fehler: Listendatei nicht gefunden: %1"_s;
    QTest::newRow("folder") << u"folder"_s << QByteArray() << QStringList{} << 0 << notAFile;
    QTest::newRow("named pipe") << u"pipe"_s << QByteArray() << QStringList{} << 0 << notAFile;
    QTest::newRow("over 256 MiB") << u"huge.txt"_s << QByteArray() << QStringList{} << 0
                                  << u"Fehler: Listendatei ist größer als 256 MiB: %1"_s;
    // A full list, then one line that fills the file to the byte.
    QTest::newRow("exactly 256 MiB") << u"limit.txt"_s << fullBytes << full << 1 << QString();
    QTest::newRow("no right to read, not even for root")
        << u"/proc/sys/vm/drop_caches"_s << QByteArray() << QStringList{} << 0 << unreadable;
    QTest::newRow("reading fails") << u"/proc/self/mem"_s << QByteArray() << QStringList{} << 0 << unreadable;
}

void TestLists::readListFile()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = QDir::isAbsolutePath(file) ? file : m_dir.filePath(file);
    if (QDir::isAbsolutePath(file) && !QFileInfo::exists(file))
        QSKIP("this system has no such file");
    if (!bytes.isEmpty())
        QVERIFY(TestSupport::writeBytes(path, bytes));
    if (file == u"folder")
        QVERIFY(QDir(m_dir.path()).mkdir(file));
    if (file == u"pipe" && !TestSupport::makeFifo(path))
        QSKIP("this system has no named pipes");
    if (QFile huge(path);
        file == u"huge.txt" && !(huge.open(QIODevice::WriteOnly) && huge.resize(256 * 1024 * 1024 + 1)))
        QFAIL("cannot make a large sparse file");
    if (QFile limit(path); file == u"limit.txt")
        QVERIFY(limit.open(QIODevice::Append) && limit.write(QByteArray((256 << 20) - bytes.size(), 'y')) > 0);
    const ListFile::ReadResult read = ListFile::read(path);
    QCOMPARE(read.status == ListFile::ReadResult::Status::Read, message.isEmpty());
    QCOMPARE(message.isEmpty() ? QString() : ListFile::failureMessage(read.status, path),
             QString(message).replace(u"%1"_s, path));
    QTEST(read.lines, "lines");
    QTEST(int(read.linesLeftOut), "leftOut");
}

void TestLists::fileNamesBesideTheProgram()
{
    const QString root = QDir::separator();
    QCOMPARE(ListFile::path(u"p"_s, ListFile::Kind::OldNames), u"p"_s + root + u"Velmorant_renOLD.txt"_s);
    QCOMPARE(ListFile::path(root, ListFile::Kind::NewNames), root + u"Velmorant_renNEW.txt"_s);
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
    const QString columns =
        u"Achtung: Zeile %1 der %2 hat %3 statt 2 Spalten (getrennt durch Tabulator oder Semikolon), nichts übernommen"_s;
    const QString separator =
        u"Fehler: Zeile %1 enthält ein Semikolon oder einen Tabulator in einem Namen, Paare nicht gespeichert"_s;
    QTest::newRow("as written: header, semicolon, CR LF, umlaut and euro")
        << "read+write" << 0
        << QByteArray("alter Name;neuer Name\r\na.prt;b.prt\r\nGeh\xE4use.prt;Gr\xF6\xDF"
                      "e\x80.prt\r\n")
        << QStringList{u"a.prt"_s, u"Gehäuse.prt"_s} << QStringList{u"b.prt"_s, u"Größe€.prt"_s} << QString();
    QTest::newRow("empty lists: the header alone")
        << "read+write" << 0 << QByteArray("alter Name;neuer Name\r\n") << QStringList{} << QStringList{} << QString();
    QTest::newRow("tab header, LF, semicolon inside a cell, empty cell")
        << "read" << 0 << QByteArray("alter Name\tneuer Name\na;x\tb\n\tc\n") << QStringList{u"a;x"_s, u""_s}
        << QStringList{u"b"_s, u"c"_s} << QString();
    QTest::newRow("missing file") << "read" << 0 << QByteArray() << QStringList{} << QStringList{}
                                  << "Fehler: Paardatei nicht gefunden: %1";
    QTest::newRow("no text") << "read" << 0 << QByteArray("a;b\0", 4) << QStringList{} << QStringList{}
                             << "Fehler: Paardatei ist keine Textdatei: %1";
    QTest::newRow("UTF-8 mark, then the header") << "read" << 0
                                                 << QByteArray("\xEF\xBB\xBF"
                                                               "alter Name;neuer Name\r\nStra\xC3\x9F"
                                                               "e.prt;b\r\n")
                                                 << QStringList{u"Straße.prt"_s} << QStringList{u"b"_s} << QString();
    QTest::newRow("a spreadsheet's Unicode text: UTF-16 LE with mark, tabs")
        << "read" << 0
        << QByteArray(QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)(u"a\tb\r\nŁ\tc\r\n"))
        << QStringList{u"a"_s, u"Ł"_s} << QStringList{u"b"_s, u"c"_s} << QString();
    QTest::newRow("header later is a pair")
        << "read" << 0 << QByteArray("a;b\r\nalter Name;neuer Name\r\n") << QStringList{u"a"_s, u"alter Name"_s}
        << QStringList{u"b"_s, u"neuer Name"_s} << QString();
    QTest::newRow("one column, counted in lines of the file")
        << "read" << 0 << QByteArray("a;b\r\n\r\nc\r\n") << QStringList{} << QStringList{}
        << columns.arg(3).arg(u"Datei"_s).arg(1);
    QTest::newRow("pasted: a spreadsheet's header in its own letter case")
        << "paste" << 0 << QByteArray("ALTER NAME\tNeuer name\r\na\tb\r\n") << QStringList{u"a"_s}
        << QStringList{u"b"_s} << QString();
    QTest::newRow("pasted: three columns") << "paste" << 0 << QByteArray("\r\na\tb\tc\r\n") << QStringList{}
                                           << QStringList{} << columns.arg(2).arg(u"Tabelle"_s).arg(3);
    QByteArray limit("alter Name;neuer Name\r\n");
    QStringList numbers;
    for (int i = 0; i < 32767; ++i) {
        numbers << QString::number(i);
        limit += QByteArray::number(i) + ';' + QByteArray::number(i) + "\r\n";
    }
    QTest::newRow("32,767 pairs") << "read+write" << 0 << limit << numbers << numbers << QString();
    QTest::newRow("32,768 pairs") << "read" << 0 << (limit + "x;y\r\n") << QStringList{} << QStringList{} << full;
    QTest::newRow("32,767 pairs and 70,000 blank lines")
        << "read" << 0 << limit + QByteArray("\r\n").repeated(69998) + " ;\t\r\n;" << numbers << numbers << QString();
    QTest::newRow("pasted: the last pair that fits")
        << "paste" << 32766 << QByteArray("Name\tx\r\n") << QStringList{u"Name"_s} << QStringList{u"x"_s} << QString();
    QTest::newRow("pasted: one pair too many")
        << "paste" << 32766 << QByteArray("a;b\r\nc;d") << QStringList{} << QStringList{} << full;
    QTest::newRow("pasted onto lists of different length")
        << "paste" << -1 << QByteArray("a;b") << QStringList{} << QStringList{}
        << "Achtung: Die Listen sind verschieden lang, Tabelle nicht übernommen";
    QTest::newRow("saved: a name with a semicolon") << "write" << 0 << QByteArray() << QStringList{u"a"_s, u"b"_s}
                                                    << QStringList{u"c"_s, u"d;e"_s} << separator.arg(2);
    QTest::newRow("saved: a name with a tab")
        << "write" << 0 << QByteArray() << QStringList{u"a\tb"_s} << QStringList{u"c"_s} << separator.arg(1);
    QTest::newRow("saved: lists of different length")
        << "write" << 0 << QByteArray() << QStringList{u"a"_s} << QStringList{}
        << "Achtung: Die Listen sind verschieden lang, Paare nicht gespeichert";
}

void TestLists::pairs()
{
    QFETCH(QString, mode);
    QFETCH(int, held);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, newNames);
    QFETCH(QString, error);
    const QString path = m_dir.filePath(bytes.isNull() ? u"missing.csv"_s : u"pairs.csv"_s);
    if (mode.startsWith(u"read")) {
        QVERIFY(bytes.isNull() || TestSupport::writeBytes(path, bytes));
        const PairsFile::ReadResult read = PairsFile::read(path);
        QCOMPARE(read.statusText, QString(error).replace(u"%1"_s, path));
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

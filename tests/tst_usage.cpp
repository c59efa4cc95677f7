#include "TestSupport.h"
#include "UsageFixtures.h"
#include "check/UseIndex.h"
#include "usage/FolderUsage.h"
#include "usage/LzwExpand.h"
#include "usage/ObjectUse.h"
#include "usage/UsageTexts.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;
using namespace UsageFixtures;
using ObjectUse::FileKind;

class TestUsage : public QObject
{
    Q_OBJECT

private slots:
    void expand_data();
    void expand();
    void read_data();
    void read();
    void folder_data();
    void folder();
    void readAgainOnlyWhenChanged();
};

namespace {

QByteArray repeated(const QByteArray &pattern, qsizetype size)
{
    QByteArray out;
    while (out.size() < size)
        out += pattern;
    return out.left(size);
}

// Bytes that no dictionary shrinks much: every code width is reached.
QByteArray varied(qsizetype size)
{
    QByteArray out;
    quint32 state = 12345;
    while (out.size() < size) {
        state = state * 1103515245u + 12345u;
        out += char('a' + (state >> 16) % (out.size() % 4096 < 2048 ? 3 : 26));
    }
    return out;
}

} // namespace

// The stream as `compress` writes it, expanded within a limit; what is
// expected is the input the stream was made from.
void TestUsage::expand_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<qsizetype>("limit");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("expanded");
    const int ok = int(LzwExpand::Status::Expanded);
    const int garbled = int(LzwExpand::Status::Garbled);
    const QByteArray tobe = "TOBEORNOTTOBEORTOBEORNOT#TOBEORNOTTOBEORTOBEORNOT";
    // Made by ncompress 5.0: `compress -c`, and `compress -c -b 12`.
    QTest::newRow("bytes of compress(1)")
        << QByteArray::fromHex("1f9d90549e0829f2448a932754020e2ca890a04184231a163c9850a043890fa900") << qsizetype(100)
        << ok << tobe;
    QTest::newRow("a code met before its entry, 12 bits") << QByteArray::fromHex("1f9d8c61c4041c28b0204182")
                                                          << qsizetype(100) << ok << QByteArray("abababababababababab");
    QTest::newRow("nothing") << compress({}) << qsizetype(10) << ok << QByteArray();
    const QByteArray large = varied(300000);
    QTest::newRow("every width to 16 bits") << compress(large) << qsizetype(300000) << ok << large;
    QTest::newRow("a full table cleared, 12 bits") << compress(large, 12) << qsizetype(300000) << ok << large;
    QTest::newRow("a full table kept, no block mode") << compress(large, 12, false) << qsizetype(300000) << ok << large;
    QTest::newRow("a full table cleared, 9 bits") << compress(large, 9) << qsizetype(300000) << ok << large;
    const QByteArray runs = repeated("x", 100000);
    QTest::newRow("one byte repeated") << compress(runs) << qsizetype(100000) << ok << runs;
    QTest::newRow("one byte more than the limit")
        << compress(runs) << qsizetype(99999) << int(LzwExpand::Status::TooLarge) << QByteArray();
    QTest::newRow("not compressed") << QByteArray("plain text") << qsizetype(100)
                                    << int(LzwExpand::Status::NotCompressed) << QByteArray();
    QTest::newRow("widest code 17") << QByteArray("\x1f\x9d\x91\x41\x00", 5) << qsizetype(100) << garbled
                                    << QByteArray();
    QTest::newRow("widest code 8") << QByteArray("\x1f\x9d\x88\x41\x00", 5) << qsizetype(100) << garbled
                                   << QByteArray();
    QTest::newRow("flags not known") << QByteArray("\x1f\x9d\xf0\x41\x00", 5) << qsizetype(100) << garbled
                                     << QByteArray();
    // 9-bit codes 0x41, then 0x1ff: far beyond the next free entry (258).
    QTest::newRow("a code before its entry")
        << QByteArray("\x1f\x9d\x90\x41\xfe\x07", 6) << qsizetype(100) << garbled << QByteArray();
    QTest::newRow("a first code that is no byte")
        << QByteArray("\x1f\x9d\x90\x02\x03", 5) << qsizetype(100) << garbled << QByteArray();
}

void TestUsage::expand()
{
    QFETCH(QByteArray, stream);
    QFETCH(qsizetype, limit);
    QFETCH(int, status);
    QFETCH(QByteArray, expanded);
    QByteArray out("left over");
    QCOMPARE(int(LzwExpand::expand(stream, limit, out)), status);
    QVERIFY(out == expanded);
}

namespace {

// The used objects as "name:kind": c component, m drawing model, f format,
// g generic, o other.
QString usesText(const QList<ObjectUse::Used> &uses)
{
    QStringList parts;
    for (const ObjectUse::Used &used : uses)
        parts << used.name + u':' + QChar(u"cmfgo"[int(used.kind)]);
    return parts.join(u',');
}

const QList<Dep> kParts{{"WELLE", "prt", {}, 2}, {"LAGER", "prt", {}, 2}, {"DECKEL", "asm", {}, 32768}};
const QString kPartsText = u"deckel.asm:c,lager.prt:c,welle.prt:c"_s;

// A Creo 4 assembly: its list in tokens, among other sections, over two
// chained tables.
ObjectFile creo4()
{
    ObjectFile file;
    file.rowsPerTable = 2;
    file.sections = {{"ND:0:Model_L05_PX:1", tokens(kParts, true), true},
                     {"ND:0:Model_L05_PX:1Cfg0", tokens({{"ANDERES", "prt"}}), true},
                     {"SolidPersistTable", QByteArray(300, 'p')},
                     {"ModelView#0", "view"}};
    return file;
}

// Replaces the first `from` after `after` in `bytes`.
QByteArray replaced(QByteArray bytes, const QByteArray &after, const QByteArray &from, const QByteArray &to)
{
    const qsizetype at = bytes.indexOf(from, bytes.indexOf(after));
    return bytes.replace(at, from.size(), to);
}

// The table row of `section` with its cell `cell` (1 the offset, 2 the
// stored length) made by `change` from the old value, the row's length kept.
QByteArray withCell(QByteArray bytes, const QByteArray &section, int cell,
                    const std::function<QByteArray(qint64)> &change)
{
    const qsizetype start = bytes.indexOf('\n' + section + ' ') + 1;
    const qsizetype end = bytes.indexOf('\n', start);
    QByteArray row = bytes.mid(start, end - start);
    while (row.endsWith('#'))
        row.chop(1);
    QList<QByteArray> cells = row.split(' ');
    cells[cell] = change(cells.at(cell).toLongLong(nullptr, 16));
    return bytes.replace(start, end - start, padded(cells.join(' '), end - start + 1).chopped(1));
}

} // namespace

// Each generation's file, made here, and files damaged in each part: the
// kind from the header, the list or why it is not known.
void TestUsage::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("uses");   // when known
    QTest::addColumn<QString>("reason"); // when not
    const auto known = [](const char *name, const ObjectFile &file, FileKind kind, const QString &uses) {
        QTest::newRow(name) << write(file) << int(kind) << uses << QString();
    };
    const auto unknown = [](const char *name, const QByteArray &bytes, FileKind kind, const QString &reason) {
        QTest::newRow(name) << bytes << int(kind) << QString() << reason;
    };

    ObjectFile proe2001;
    proe2001.revision = 1116;
    proe2001.legacyToc = true;
    proe2001.pObject = pObject({{"WELLE", "prt"}, {"BOLT_5", "prt", "BOLT"}, {"DECKEL", "asm"}});
    proe2001.sections = {{"BasicData", "data"}};
    known("Pro/E 2001: the ASCII block, the table as text", proe2001, FileKind::Assembly,
          u"bolt.prt:g,bolt_5.prt:c,deckel.asm:c,welle.prt:c"_s);
    ObjectFile proe2001Drawing = proe2001;
    proe2001Drawing.type = "DRAWING";
    proe2001Drawing.pObject = pObject({{"WELLE", "prt", {}, 4}, {"A4", "frm", {}, 16}});
    known("Pro/E 2001 drawing: its format", proe2001Drawing, FileKind::Drawing, u"a4.frm:f,welle.prt:m"_s);

    ObjectFile wildfire3;
    wildfire3.type = "DRAWING";
    wildfire3.revision = 1362;
    wildfire3.pObject = pObject({{"WELLE", "prt"}});
    wildfire3.sections = {{"ND:0:Model_J03", xml({{"WELLE", "prt", {}, 4}, {"A3", "frm", {}, 16}}), true, 1},
                          {"Dwg_Models", drawingModels({"WELLE.PRT", "LAGER.ASM"}), false, 1}};
    known("Wildfire 3 drawing: XML of no stated length, its models", wildfire3, FileKind::Drawing,
          u"a3.frm:f,lager.asm:m,welle.prt:m"_s);
    ObjectFile repeatedModel = wildfire3;
    repeatedModel.sections[1].payload = drawingModels(
        {"WELLE.PRT", "WELLE.PRT", "WELLE.PRT", "WELLE.PRT", "LAGER.ASM"});
    known("a drawing's model four times, then another", repeatedModel, FileKind::Drawing,
          u"a3.frm:f,lager.asm:m,welle.prt:m"_s);

    ObjectFile wildfire4;
    wildfire4.type = "ASSEMBLY/ASSEM_MFG";
    wildfire4.revision = 1420;
    wildfire4.pObject = pObject({{"ALT", "prt"}});
    wildfire4.sections = {{"ND:0:Model_L01", xml(kParts), true}};
    known("Wildfire 4: XML before the ASCII block", wildfire4, FileKind::Assembly, kPartsText);

    ObjectFile wildfire5;
    wildfire5.revision = 1458;
    wildfire5.sections = {{"DEPDB_DATA", depDb(kParts + QList<Dep>{{"UNTERDRUECKT", "prt"}})},
                          {"ND:0:Model_L03_D", xml(kParts + QList<Dep>{{"REL", "prt", {}, 2048}}), true}};
    known("Wildfire 5: XML and DEPDB_DATA together", wildfire5, FileKind::Assembly,
          u"deckel.asm:c,lager.prt:c,rel.prt:o,unterdrueckt.prt:c,welle.prt:c"_s);
    ObjectFile suppressedFirst = wildfire5;
    suppressedFirst.sections[0].payload = depDb(QList<Dep>{{"UNTERDRUECKT", "prt"}} + kParts);
    known("DEPDB_DATA: the first model only there", suppressedFirst, FileKind::Assembly,
          u"deckel.asm:c,lager.prt:c,rel.prt:o,unterdrueckt.prt:c,welle.prt:c"_s);
    ObjectFile fourByteSelf = wildfire5;
    fourByteSelf.sections[0].payload.replace(QByteArray("to_model_id\0\xf5\x03", 14),
                                             QByteArray("to_model_id\0\xeb\xff\xff\xff\xfd", 17));
    known("DEPDB_DATA: the object itself as four bytes", fourByteSelf, FileKind::Assembly,
          u"deckel.asm:c,lager.prt:c,rel.prt:o,unterdrueckt.prt:c,welle.prt:c"_s);

    ObjectFile creo1;
    creo1.type = "PART";
    creo1.revision = 1541;
    creo1.sections = {{"DEPDB_DATA", depDb({})}, {"ND:0:Model_L05P:1", tokens({{"BASIS", "prt", {}, 128}}), true}};
    known("Creo 1 part: tokens, DEPDB_DATA naming nothing", creo1, FileKind::Part, u"basis.prt:o"_s);

    ObjectFile creo4Names = creo4();
    creo4Names.sections[0].payload = tokens(
        {{"PRT0006#AF1", "prt", "PRT0006"}, {"\xe6\xb3\x95\xe5\x85\xb0X.", "SLDASM"}, {"M", "prt", {}, -1}});
    known("Creo 4: names with '#', non-ASCII names, chained tables", creo4Names, FileKind::Assembly,
          u"m.prt:o,prt0006.prt:g,法兰x..sldasm:c"_s);
    known("Creo 4: only the model's own list", creo4(), FileKind::Assembly, kPartsText);
    ObjectFile nestedPlain = creo4();
    nestedPlain.sections[0].payload.replace(QByteArray("Dependencies_P\0", 15), QByteArray("Dependencies\0", 13));
    known("Creo 4: the list as Dependencies in Dependencies", nestedPlain, FileKind::Assembly, kPartsText);
    ObjectFile storedGeneric = creo4();
    storedGeneric.sections[0].payload = tokens({{"BOLT_5", "prt", "BOLT"}}, false, true);
    known("Creo 4: a generic only as stored", storedGeneric, FileKind::Assembly, u"bolt.prt:g,bolt_5.prt:c"_s);

    ObjectFile creo4Drawing;
    creo4Drawing.type = "DRAWING";
    creo4Drawing.sections = {{"ND:0:Model_L05_PX:1", tokens({{"WELLE", "prt", {}, 4}, {"A4", "frm", {}, 16}}), true}};
    known("Creo 4 drawing", creo4Drawing, FileKind::Drawing, u"a4.frm:f,welle.prt:m"_s);

    ObjectFile format;
    format.type = "DWGFORM";
    format.sections = {{"ND:0:Model_L05_PX:1", tokens({}), true}};
    known("a format naming nothing", format, FileKind::Other, {});
    // Its list N in place of "P <count> R", the count dropped.
    ObjectFile noList = format;
    noList.sections[0].payload = tokens({})
                                     .replace("OPRC", "ONCC")
                                     .replace(QByteArray("\xf8\x07\0\x01\x02\x03\x04\x03\0", 9),
                                              QByteArray("\xf8\x06\0\x01\x02\x03\x04\x03", 8));
    known("a format whose list is empty", noList, FileKind::Other, {});

    const QByteArray whole = write(creo4());
    const QString cut = u"Datei abgeschnitten"_s;
    const QString toc = u"Inhaltsverzeichnis beschädigt"_s;
    const QString section = u"Abschnitt beschädigt"_s;
    unknown("empty", {}, FileKind::NotAnObject, u"leere Datei"_s);
    unknown("a text file", "motor.prt\r\n", FileKind::NotAnObject, u"keine Objektdatei"_s);
    unknown("damaged at its start", "#UGX" + whole.mid(4), FileKind::NotAnObject, u"keine Objektdatei"_s);
    unknown("cut in the header", whole.left(40), FileKind::NotAnObject, u"keine Objektdatei"_s);
    unknown("cut in the table", whole.left(whole.indexOf("#UGC_TOC") + 100), FileKind::Assembly, cut);
    unknown("cut in the list", whole.left(whole.indexOf("#ND:0:Model_L05_PX:1\n") + 40), FileKind::Assembly, cut);
    unknown("cut before the end mark", whole.chopped(1), FileKind::Assembly, cut);
    const QByteArray list = "ND:0:Model_L05_PX:1";
    unknown("banner offset past the end", replaced(whole, "", " 00000", " 7fff0"), FileKind::Assembly, toc);
    unknown("a row's offset garbled", withCell(whole, list, 1, [](qint64) { return "z1"; }), FileKind::Assembly, toc);
    unknown("a row's offset one off", withCell(whole, list, 1, [](qint64 v) { return hex(v + 1); }), FileKind::Assembly,
            toc);
    unknown("a length past the end", withCell(whole, "SolidPersistTable", 2, [](qint64) { return "fffff"; }),
            FileKind::Assembly, toc);
    const qint64 firstTable = whole.indexOf("#UGC_TOC") - whole.indexOf("#Creo");
    unknown("chained tables in a loop", withCell(whole, "NEXT_TOC_ENTRY", 1, [&](qint64) { return hex(firstTable); }),
            FileKind::Assembly, toc);

    ObjectFile huge = creo4();
    huge.sections[0].expandedColumn = 0x7fffffff;
    unknown("a huge expanded length", write(huge), FileKind::Assembly, u"Abschnitt zu groß"_s);
    ObjectFile longer = creo4();
    longer.sections[0].expandedColumn = longer.sections[0].payload.size() - 1;
    unknown("expanding past the stated length", write(longer), FileKind::Assembly, section);
    ObjectFile shorter = creo4();
    shorter.sections[0].expandedColumn = shorter.sections[0].payload.size() + 1;
    unknown("expanding short of the stated length", write(shorter), FileKind::Assembly, section);
    const QByteArray stored = compress(creo4().sections[0].payload);
    unknown("a byte of the list changed",
            replaced(whole, "#ND:0:Model_L05_PX:1\n", stored.mid(40, 1), QByteArray(1, char(stored.at(40) ^ 1))),
            FileKind::Assembly, section);
    ObjectFile badLzw = creo4();
    badLzw.sections[0].storedAsIs = QByteArray("\x1f\x9d\x90\x41\xfe\x07", 6);
    unknown("garbled LZW under a right byte sum", write(badLzw), FileKind::Assembly, section);

    ObjectFile cutTokens = creo4();
    cutTokens.sections[0].payload.chop(3);
    unknown("token data cut short", write(cutTokens), FileKind::Assembly, u"Abschnitt nicht lesbar"_s);
    ObjectFile doctype = wildfire4;
    doctype.sections[0].payload.replace("<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                                        "<!DOCTYPE x [<!ENTITY e \"WELLE\">]>");
    unknown("XML with a document type", write(doctype), FileKind::Assembly, u"Abschnitt nicht lesbar"_s);
    ObjectFile namelessItem = wildfire4;
    namelessItem.sections[0].payload = xml(kParts + QList<Dep>{{"", "prt"}});
    unknown("XML: an item without a name", write(namelessItem), FileKind::Assembly, u"Abschnitt nicht lesbar"_s);
    ObjectFile cutXml = wildfire4;
    cutXml.sections[0].payload.truncate(cutXml.sections[0].payload.indexOf("</Dependencies>"));
    unknown("XML cut after its items", write(cutXml), FileKind::Assembly, u"Abschnitt nicht lesbar"_s);
    ObjectFile pastModels = wildfire5;
    pastModels.sections[0].payload.replace(QByteArray("\xf7\x02\xe3\x02\x02", 5),
                                           QByteArray("\xf7\x02\xe3\x05\x02", 5));
    unknown("DEPDB_DATA: a use past model_db", write(pastModels), FileKind::Assembly, u"Abschnitt nicht lesbar"_s);
    ObjectFile namelessRecord = proe2001;
    namelessRecord.pObject = pObject({{"WELLE", "prt"}, {"", "prt"}});
    unknown("the ASCII block: a use without a name", write(namelessRecord), FileKind::Assembly,
            u"Abschnitt nicht lesbar"_s);
    ObjectFile cutNote = wildfire5;
    cutNote.sections[0].payload = QByteArray("\xe0\x00p_dep_db\0\xe3\xe0\x00"
                                             "dep_db\0\xf8\x01\xf7\xfb\xf7",
                                             26);
    unknown("DEPDB_DATA with a note garbled", write(cutNote), FileKind::Assembly, u"Abschnitt nicht lesbar"_s);
    ObjectFile later = creo4();
    later.revision = 2149;
    unknown("a later Creo", write(later), FileKind::Assembly, u"Creo-Version nicht lesbar"_s);
    ObjectFile onlyDepDb;
    onlyDepDb.revision = 1458;
    onlyDepDb.sections = {{"DEPDB_DATA", depDb(kParts)}};
    unknown("DEPDB_DATA alone holds part of the list", write(onlyDepDb), FileKind::Assembly,
            u"keine Verwendungsliste"_s);
}

void TestUsage::read()
{
    QFETCH(QByteArray, file);
    QFETCH(int, kind);
    QFETCH(QString, uses);
    QFETCH(QString, reason);
    QBuffer buffer(&file);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const ObjectUse::Reading reading = ObjectUse::read(buffer);
    QCOMPARE(int(reading.fileKind), kind);
    QCOMPARE(reading.reason, reason);
    QCOMPARE(reading.known, reason.isEmpty());
    QCOMPARE(usesText(reading.uses), uses);
}

namespace {

// The files of a folder: "name=a,b" an assembly using a and b (stored
// names), "name=" one using nothing, "name|" a pipe, "name" an empty file.
bool writeFolder(const QString &dir, const QStringList &files)
{
    for (const QString &file : files) {
        if (file.endsWith(u'|')) {
            TestSupport::makeFifo(dir + u'/' + file.chopped(1)); // where the system has pipes
            continue;
        }
        const qsizetype equals = file.indexOf(u'=');
        QByteArray bytes;
        if (equals >= 0) {
            QList<Dep> deps;
            for (const QString &name : file.mid(equals + 1).split(u',', Qt::SkipEmptyParts))
                deps.append({name.toUtf8(), "prt"});
            ObjectFile object;
            // Stored plainly: names of one length give files of one size.
            object.sections = {{"ND:0:Model_L05_PX:1", tokens(deps)}};
            bytes = write(object);
        }
        if (!TestSupport::writeBytes(dir + u'/' + file.left(equals), bytes))
            return false;
    }
    return true;
}

} // namespace

// The newest version of each object file is read; what --uses prints.
void TestUsage::folder_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("listing");
    QTest::addColumn<QStringList>("usersOfWelle");
    QTest::newRow("versions: the newest counts")
        << QStringList{u"motor.asm.2=WELLE"_s, u"motor.asm.10=WELLE,LAGER"_s, u"motor.asm=ALT"_s}
        << u"motor.asm: lager.prt, welle.prt\n"_s << QStringList{u"motor.asm"_s};
    QTest::newRow("users sorted, other files left alone")
        << QStringList{u"Zeichnung.ASM=WELLE"_s, u"a.asm.1=WELLE"_s,     u"welle.prt.3="_s,
                       u"notiz.txt=WELLE"_s,     u"trail.txt.1=WELLE"_s, u"rohr.asm|"_s}
        << u"a.asm: welle.prt\nzeichnung.asm: welle.prt\n"_s << QStringList{u"a.asm"_s, u"zeichnung.asm"_s};
    QTest::newRow("the unreadable after the users, with their reason")
        << QStringList{u"neu.asm.1"_s, u"b.asm=WELLE"_s, u"a.drw"_s}
        << u"b.asm: welle.prt\na.drw: Verwendung nicht lesbar (leere Datei)\n"
           "neu.asm: Verwendung nicht lesbar (leere Datei)\n"_s
        << QStringList{u"b.asm"_s};
}

void TestUsage::folder()
{
    QFETCH(QStringList, files);
    QFETCH(QString, listing);
    QFETCH(QStringList, usersOfWelle);
    QTemporaryDir dir;
    QVERIFY(writeFolder(dir.path(), files));
    FolderUsage usage;
    qsizetype lastDone = -1, lastTotal = -1;
    QVERIFY(usage.refresh(dir.path(), [&](qsizetype done, qsizetype total) { lastDone = done, lastTotal = total; }));
    QCOMPARE(UsageTexts::listing(usage), listing);
    QCOMPARE(UseIndex(usage.objects()).usersOf(u"welle.prt"_s), usersOfWelle);
    QCOMPARE(lastDone, usage.objects().size());
    QCOMPARE(lastTotal, usage.objects().size());
    QVERIFY(!usage.refresh(dir.filePath(u"fehlt"_s)));
    QCOMPARE(usage.error(), u"Ordner nicht gefunden: "_s + QDir::toNativeSeparators(dir.filePath(u"fehlt"_s)));
}

// A file is read again when its size or time changed, else its reading is
// kept: the same size and time with other bytes show the old reading.
void TestUsage::readAgainOnlyWhenChanged()
{
    QTemporaryDir dir;
    const QDateTime then = QDateTime::currentDateTimeUtc().addSecs(-3600);
    QVERIFY(writeFolder(dir.path(), {u"a.asm=WELLE"_s, u"b.asm=LAGER"_s}));
    const QString a = dir.filePath(u"a.asm"_s), b = dir.filePath(u"b.asm"_s);
    QVERIFY(TestSupport::writeDated(a, TestSupport::readBytes(a), then));
    FolderUsage usage;
    QVERIFY(usage.refresh(dir.path()));
    QCOMPARE(UseIndex(usage.objects()).usersOf(u"welle.prt"_s), QStringList{u"a.asm"_s});

    QVERIFY(writeFolder(dir.path(), {u"a.asm=HAUS_"_s, u"b.asm=WELLE"_s}));
    QVERIFY(TestSupport::writeDated(a, TestSupport::readBytes(a), then));
    QVERIFY(TestSupport::writeDated(b, TestSupport::readBytes(b), then.addSecs(60)));
    QVERIFY(usage.refresh(dir.path()));
    QCOMPARE(UseIndex(usage.objects()).usersOf(u"welle.prt"_s), (QStringList{u"a.asm"_s, u"b.asm"_s}));
    QCOMPARE(UseIndex(usage.objects()).usersOf(u"lager.prt"_s), QStringList());
    QCOMPARE(UseIndex(usage.objects()).usersOf(u"haus_.prt"_s), QStringList());
    QVERIFY(QFile::remove(a));
    QVERIFY(usage.refresh(dir.path()));
    QCOMPARE(UseIndex(usage.objects()).usersOf(u"welle.prt"_s), QStringList{u"b.asm"_s});

    // Another folder's file of the same name, size and time is its own.
    QTemporaryDir other;
    QVERIFY(writeFolder(other.path(), {u"b.asm=LAGER"_s}));
    QVERIFY(TestSupport::writeDated(other.filePath(u"b.asm"_s), TestSupport::readBytes(other.filePath(u"b.asm"_s)),
                                    then.addSecs(60)));
    QVERIFY(usage.refresh(other.path()));
    QCOMPARE(UseIndex(usage.objects()).usersOf(u"lager.prt"_s), QStringList{u"b.asm"_s});
}

QTEST_GUILESS_MAIN(TestUsage)
#include "tst_usage.moc"

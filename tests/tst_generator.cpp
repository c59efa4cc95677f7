#include "ExpectedTexts.h"
#include "TestSupport.h"
#include "common/Cp1252.h"
#include "generator/MapkeyGenerator.h"
#include "generator/Templates.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray latin1(const QString &text)
{
    return text.toLatin1();
}

QString generated(const QStringList &oldNames, const QStringList &newNames)
{
    const MapkeyGenerator::Generation g = MapkeyGenerator::generate(oldNames, newNames);
    return g.countsMatch ? g.text : QString();
}

// The block of the mapkey `name` in a generated text, head line to closing line.
QString blockOf(const QString &text, const QString &name)
{
    const qsizetype start = text.indexOf(u"mapkey "_s + name + u" ~ ;\\\r\n"_s);
    if (start < 0)
        return {};
    const QString closing = u"mapkey(continued) ~ ;\r\n"_s;
    const qsizetype end = text.indexOf(closing, start);
    return text.mid(start, end + closing.size() - start);
}

const QByteArray kEmptyCollective = "\r\nmapkey CallALLNow ~ ;\\\r\nmapkey(continued) ~ ;\r\n"
                                    "\r\nmapkey saveALLNow ~ ;\\\r\nmapkey(continued) ~ ;\r\n"
                                    "\r\nmapkey saveASMNow ~ ;\\\r\nmapkey(continued) ~ ;\r\n";
const QByteArray kEmptyMaster = "\r\nmapkey rename ~ ;\\\r\n"
                                "mapkey(continued) ~ ;%CallALLNow;\\\r\n"
                                "mapkey(continued) ~ ;%SaveASMNow;\\\r\n"
                                "mapkey(continued) ~ ;%SaveAllNow;\\\r\n"
                                "mapkey(continued) ~ ;\r\n";

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void renameMapkeyOfOnePair();
    void masterMapkeyOfTwoPairs();
    void collectiveMapkeysOfTwoPairs();
    void emptyListsGiveTheSkeleton();
    void wholeFileOfOnePairInBlockOrder();
    void oldNamesAreNormalised_data();
    void oldNamesAreNormalised();
    void assemblySelection_data();
    void assemblySelection();
    void namesThatLookLikeTemplateText_data();
    void namesThatLookLikeTemplateText();
    void mapkeysNumberedInListOrder();
    void countsDiffer_data();
    void countsDiffer();
    void everyLineEndsInCrLf();
    void secondGenerationCarriesNothingOver();
    void fileBytesEqualTheEncodedText_data();
    void fileBytesEqualTheEncodedText();
    void fileBytesRefuseUnrepresentableNames();
};

void TestGenerator::renameMapkeyOfOnePair()
{
    QString out;
    MapkeyGenerator::appendRenameMapkey(out, 0, u"a.prt"_s, u"b.prt"_s);
    COMPARE_BYTES(latin1(out), Expected::kRenamePairA);
}

void TestGenerator::masterMapkeyOfTwoPairs()
{
    QString out;
    MapkeyGenerator::mapkeyList(out, 2);
    COMPARE_BYTES(latin1(out), "\r\n" + Expected::kMasterTwoPairs);
}

void TestGenerator::collectiveMapkeysOfTwoPairs()
{
    const QStringList oldNames{u"alt1.prt"_s, u"alt2.asm"_s};
    const QStringList newNames{u"neu1.prt"_s, u"neu2.asm"_s};
    QString callAll;
    MapkeyGenerator::CallALL(callAll, oldNames);
    COMPARE_BYTES(latin1(callAll), "\r\n" + Expected::kCallAllTwoPairs);

    QString saveAsm;
    MapkeyGenerator::SaveASM(saveAsm, oldNames, newNames);
    COMPARE_BYTES(latin1(saveAsm), "\r\n" + Expected::kSaveAsmNeu2);

    // saveALLNow: the saving part of the assembly example, once per new name.
    const QByteArray perName = Expected::kSaveAsmNeu2.mid(Expected::kSaveAsmNeu2.indexOf('\n') + 1)
                                   .chopped(QByteArray("mapkey(continued) ~ ;\r\n").size());
    QByteArray expectedSaveAll = "\r\nmapkey saveALLNow ~ ;\\\r\n";
    expectedSaveAll += QByteArray(perName).replace("neu2.asm", "neu1.prt");
    expectedSaveAll += perName;
    expectedSaveAll += "mapkey(continued) ~ ;\r\n";
    QString saveAll;
    MapkeyGenerator::SaveALL(saveAll, newNames);
    COMPARE_BYTES(latin1(saveAll), expectedSaveAll);
}

void TestGenerator::emptyListsGiveTheSkeleton()
{
    const MapkeyGenerator::Generation g = MapkeyGenerator::generate({}, {});
    QVERIFY(g.countsMatch);
    COMPARE_BYTES(latin1(g.text), "save_objects all\r\n" + kEmptyCollective + kEmptyMaster);
}

void TestGenerator::wholeFileOfOnePairInBlockOrder()
{
    const QString text = generated({u"a.prt"_s}, {u"b.prt"_s});
    QByteArray expected = "save_objects all\r\n" + Expected::kRenamePairA;
    QString callAll;
    MapkeyGenerator::CallALL(callAll, {u"a.prt"_s});
    QString saveAll;
    MapkeyGenerator::SaveALL(saveAll, {u"b.prt"_s});
    expected += latin1(callAll) + latin1(saveAll);
    expected += "\r\nmapkey saveASMNow ~ ;\\\r\nmapkey(continued) ~ ;\r\n";
    expected += "\r\nmapkey rename ~ ;\\\r\n"
                "mapkey(continued) ~ ;%CallALLNow;\\\r\n"
                "mapkey(continued) ~ ;%umb0;\\\r\n"
                "mapkey(continued) ~ ;%SaveASMNow;\\\r\n"
                "mapkey(continued) ~ ;%SaveAllNow;\\\r\n"
                "mapkey(continued) ~ ;\r\n";
    COMPARE_BYTES(latin1(text), expected);
}

void TestGenerator::oldNamesAreNormalised_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("drive, folder, version") << u"C:\\work\\Motor.prt.7"_s << u"Motor.prt"_s;
    QTest::newRow("dotted name") << u"my.part.prt"_s << u"my.part"_s;
    QTest::newRow("already plain") << u"welle.prt"_s << u"welle.prt"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestGenerator::oldNamesAreNormalised()
{
    QFETCH(QString, entered);
    QFETCH(QString, normalised);
    const MapkeyGenerator::Generation g = MapkeyGenerator::generate({entered}, {u"Getriebe.prt"_s});
    QCOMPARE(g.normalisedOldNames, QStringList{normalised});
    const QString umb0 = blockOf(g.text, u"umb0"_s);
    QVERIFY(umb0.contains(u"`Inputname` `"_s + normalised + u"`;\\"_s));
    QVERIFY(umb0.contains(u"`InputPanel2` `Getriebe.prt`;\\"_s));
}

void TestGenerator::assemblySelection_data()
{
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("selected");
    QTest::newRow("assembly") << u"motor.asm"_s << u"y.prt"_s << true;
    QTest::newRow("drawing") << u"plan.drw"_s << u"plan2.drw"_s << true;
    QTest::newRow("assembly with path and version") << u"C:\\cad\\motor.asm.3"_s << u"m.asm"_s << true;
    QTest::newRow("upper case is not an assembly") << u"MOTOR.ASM"_s << u"m.asm"_s << false;
    QTest::newRow("part") << u"welle.prt"_s << u"w.prt"_s << false;
    QTest::newRow("no extension") << u"welle"_s << u"w"_s << false;
    QTest::newRow("only the old name decides") << u"x.prt"_s << u"y.asm"_s << false;
}

void TestGenerator::assemblySelection()
{
    QFETCH(QString, oldName);
    QFETCH(QString, newName);
    QFETCH(bool, selected);
    const QString text = generated({oldName}, {newName});
    const QString saveAsm = blockOf(text, u"saveASMNow"_s);
    QVERIFY(!saveAsm.isEmpty());
    QCOMPARE(saveAsm.contains(u"`Inputname` `"_s + newName + u'`'), selected);
    QCOMPARE(MapkeyGenerator::assemblyNames(MapkeyGenerator::clean({oldName}), {newName}).size(),
             selected ? 1 : 0);
}

void TestGenerator::namesThatLookLikeTemplateText_data()
{
    QTest::addColumn<QString>("newName");
    QTest::newRow("word of the template") << u"File"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("placeholder of the core") << u"NeuName123"_s;
    QTest::newRow("placeholder of saving") << u"PlatzhalterName"_s;
    QTest::newRow("format characters") << u"a `b`;%c\\ d"_s;
}

// Whatever the first name is, the second pair is built from the untouched
// templates.
void TestGenerator::namesThatLookLikeTemplateText()
{
    QFETCH(QString, newName);
    const QString text = generated({u"a.prt"_s, u"c.prt"_s}, {newName, u"d.prt"_s});
    QVERIFY(blockOf(text, u"umb0"_s).contains(u"`InputPanel2` `"_s + newName + u"`;\\"_s));
    QString umb1;
    MapkeyGenerator::appendRenameMapkey(umb1, 1, u"c.prt"_s, u"d.prt"_s);
    QCOMPARE(blockOf(text, u"umb1"_s), umb1);
    QCOMPARE(text.count(u"`Inputname` `d.prt`;\\"_s), 1); // saveALLNow only
}

void TestGenerator::mapkeysNumberedInListOrder()
{
    QStringList oldNames;
    QStringList newNames;
    for (int i = 0; i < 12; ++i) {
        oldNames << u"alt%1.prt"_s.arg(i);
        newNames << u"neu%1.prt"_s.arg(i);
    }
    const QString text = generated(oldNames, newNames);
    QRegularExpression head(u"^mapkey (umb\\d+) ~ ;\\\\\r$"_s, QRegularExpression::MultilineOption);
    QStringList heads;
    for (const auto &m : head.globalMatch(text))
        heads << m.captured(1);
    QStringList calls;
    QRegularExpression call(u"^mapkey\\(continued\\) ~ ;%(\\w+);\\\\\r$"_s, QRegularExpression::MultilineOption);
    for (const auto &m : call.globalMatch(blockOf(text, u"rename"_s)))
        calls << m.captured(1);
    QStringList umbs;
    for (int i = 0; i < 12; ++i)
        umbs << u"umb%1"_s.arg(i);
    QCOMPARE(heads, umbs);
    QCOMPARE(calls, (QStringList{u"CallALLNow"_s} + umbs + QStringList{u"SaveASMNow"_s, u"SaveAllNow"_s}));
    QVERIFY(text.endsWith(u"mapkey(continued) ~ ;%SaveAllNow;\\\r\nmapkey(continued) ~ ;\r\n"_s));
}

void TestGenerator::countsDiffer_data()
{
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<bool>("newListEmpty");
    QTest::newRow("new list empty") << QStringList{u"C:\\a\\x.prt.2"_s} << QStringList{} << true;
    QTest::newRow("old list empty") << QStringList{} << QStringList{u"y.prt"_s} << false;
    QTest::newRow("three against five") << QStringList{u"a"_s, u"b"_s, u"c"_s}
                                        << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s} << false;
}

void TestGenerator::countsDiffer()
{
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, newNames);
    QFETCH(bool, newListEmpty);
    const MapkeyGenerator::Generation g = MapkeyGenerator::generate(oldNames, newNames);
    QVERIFY(!g.countsMatch);
    QCOMPARE(g.newListEmpty, newListEmpty);
    QVERIFY(g.text.isEmpty());
    QCOMPARE(g.normalisedOldNames, MapkeyGenerator::clean(oldNames));
}

void TestGenerator::everyLineEndsInCrLf()
{
    const QString text = generated({u"C:\\x\\a.asm.1"_s, u"b.drw"_s}, {u"c.asm"_s, u"d.drw"_s});
    QVERIFY(text.endsWith(u"\r\n"_s));
    const QStringList lines = text.split(u"\r\n"_s);
    QCOMPARE(lines.last(), QString());
    for (const QString &line : lines) {
        QVERIFY2(!line.contains(u'\r') && !line.contains(u'\n'), qPrintable(line));
        QVERIFY2(!line.endsWith(u' ') && !line.contains(u'\t'), qPrintable(line));
    }
}

void TestGenerator::secondGenerationCarriesNothingOver()
{
    (void)generated({u"a.asm"_s}, {u"b.asm"_s});
    const QString second = generated({u"c.prt"_s}, {u"d.prt"_s});
    QCOMPARE(blockOf(second, u"saveASMNow"_s), u"mapkey saveASMNow ~ ;\\\r\nmapkey(continued) ~ ;\r\n"_s);
}

void TestGenerator::fileBytesEqualTheEncodedText_data()
{
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::newRow("empty") << QStringList{} << QStringList{};
    QTest::newRow("assemblies and drawings") << QStringList{u"C:\\a\\m.asm.2"_s, u"p.drw"_s, u"w.prt"_s}
                                             << QStringList{u"n.asm"_s, u"q.drw"_s, u"v.prt"_s};
    QTest::newRow("umlauts and euro") << QStringList{u"Gehäuse.prt"_s} << QStringList{u"Gehäuse_€.prt"_s};
    QStringList many;
    for (int i = 0; i < 400; ++i)
        many << u"teil%1.asm"_s.arg(i);
    QTest::newRow("400 pairs, over a megabyte") << many << many;
}

void TestGenerator::fileBytesEqualTheEncodedText()
{
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, newNames);
    const auto text = MapkeyGenerator::generate(oldNames, newNames);
    const auto file = MapkeyGenerator::generateFile(oldNames, newNames);
    QVERIFY(file.countsMatch);
    QCOMPARE(file.normalisedOldNames, text.normalisedOldNames);
    QByteArray expected;
    QVERIFY(Cp1252::encodeAppend(text.text + u"\r\n"_s, expected, nullptr));
    COMPARE_BYTES(file.fileBytes, expected);
    QByteArray streamed;
    MapkeyGenerator::streamFile(oldNames, newNames, [&streamed](QByteArrayView piece) {
        streamed.append(piece);
        return true;
    });
    COMPARE_BYTES(streamed, expected);
}

void TestGenerator::fileBytesRefuseUnrepresentableNames()
{
    const auto file = MapkeyGenerator::generateFile({u"a.prt"_s, u"b.prt"_s}, {u"x.prt"_s, u"Ωy.prt"_s});
    QVERIFY(file.countsMatch);
    QVERIFY(file.fileBytes.isEmpty());
    QCOMPARE(file.firstUnrepresentable, u"Ω"_s);
    const auto differ = MapkeyGenerator::generateFile({u"a.prt"_s}, {});
    QVERIFY(!differ.countsMatch);
    QVERIFY(differ.newListEmpty);
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"

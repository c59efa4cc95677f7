#include "TestSupport.h"
#include "common/Cp1252.h"
#include "generator/MapkeyGenerator.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void wholeFile_data();
    void wholeFile();
    void refusals_data();
    void refusals();
    void streamedInPieces();

private:
    static QByteArray streamed(const QStringList &oldNames, const QStringList &newNames, const QStringList &users = {})
    {
        QByteArray bytes;
        MapkeyGenerator::streamFile(
            oldNames, newNames,
            [&bytes](QByteArrayView piece) {
                bytes.append(piece);
                return true;
            },
            TemplateSet::builtIn(), users);
        return bytes;
    }
};

// The files under data/ are rename.pro as written, final CR LF included,
// composed by hand from the documented templates and examples.
void TestGenerator::wholeFile_data()
{
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<QString>("golden");
    QTest::addColumn<QStringList>("users");
    QTest::newRow("no pairs") << QStringList{} << QStringList{} << u"no-pairs.pro"_s << QStringList{};
    QTest::newRow("worked example: a part and an assembly")
        << QStringList{u"alt1.prt"_s, u"alt2.asm"_s} << QStringList{u"neu1.prt"_s, u"neu2.asm"_s} << u"two-pairs.pro"_s
        << QStringList{};
    QTest::newRow("users opened before the first entry, saved after the last")
        << QStringList{u"alt1.prt"_s, u"alt2.asm"_s} << QStringList{u"neu1.prt"_s, u"neu2.asm"_s}
        << u"two-pairs-users.pro"_s << QStringList{u"baugruppe.asm"_s, u"zeichnung.drw"_s};
    QTest::newRow("normalised old names, drawing, upper case, names like template text")
        << QStringList{u"C:\\cad\\motor.asm.3"_s, u"plan.drw"_s, u"MOTOR.ASM"_s, u"my.part.prt"_s, u"x.prt"_s}
        << QStringList{u"File"_s, QString(), u"NeuName123"_s, u"PlatzhalterName"_s, u"Gehäuse `a`;%b\\ €.asm"_s}
        << u"odd-names.pro"_s << QStringList{};
    QStringList oldNames, newNames;
    for (int i = 0; i < 11; ++i) {
        oldNames << u"t%1.prt"_s.arg(i);
        newNames << u"n%1.prt"_s.arg(i);
    }
    QTest::newRow("eleven pairs: umb0 to umb10") << oldNames << newNames << u"eleven-pairs.pro"_s << QStringList{};
}

void TestGenerator::wholeFile()
{
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, newNames);
    QFETCH(QString, golden);
    QFETCH(QStringList, users);
    const QByteArray expected = TestSupport::readBytes(QFINDTESTDATA(u"data/"_s + golden));
    const TemplateSet &builtIn = TemplateSet::builtIn();
    const MapkeyGenerator::Generation shown = MapkeyGenerator::generate(oldNames, newNames, builtIn, users);
    QVERIFY(shown.countsMatch);
    QByteArray shownBytes;
    QVERIFY(Cp1252::encodeAppend(shown.text, shownBytes, nullptr));
    COMPARE_BYTES(shownBytes + "\r\n", expected);
    COMPARE_BYTES(MapkeyGenerator::generateFile(oldNames, newNames, builtIn, users).fileBytes, expected);
    COMPARE_BYTES(streamed(oldNames, newNames, users), expected);
}

// Over a megabyte the file goes out in several pieces; joined they are the
// file that is made whole.
void TestGenerator::streamedInPieces()
{
    QStringList names;
    for (int i = 0; i < 400; ++i)
        names << u"teil_%1.asm"_s.arg(i);
    const QByteArray whole = MapkeyGenerator::generateFile(names, names).fileBytes;
    QVERIFY(whole.size() > 1 << 20);
    COMPARE_BYTES(streamed(names, names), whole);
}

void TestGenerator::refusals_data()
{
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<bool>("countsMatch");
    QTest::addColumn<bool>("newListEmpty");
    QTest::addColumn<QStringList>("normalised");
    QTest::addColumn<QString>("unrepresentable");
    QTest::newRow("new list empty") << QStringList{u"C:\\a\\x.prt.2"_s} << QStringList{} << false << true
                                    << QStringList{u"x.prt"_s} << QString();
    QTest::newRow("old list empty") << QStringList{} << QStringList{u"y.prt"_s} << false << false << QStringList{}
                                    << QString();
    QTest::newRow("two against three") << QStringList{u"a.b.c"_s, u"d"_s} << QStringList{u"1"_s, u"2"_s, u"3"_s}
                                       << false << false << QStringList{u"a.b"_s, u"d"_s} << QString();
    QTest::newRow("the first character without a byte is named with its pair")
        << QStringList{u"a.prt"_s, u"C:\\w\\bΩ.prt.2"_s, u"c.prt"_s} << QStringList{u"x.prt"_s, u"č.prt"_s, u"y€.prt"_s}
        << true << false << QStringList{u"a.prt"_s, u"bΩ.prt"_s, u"c.prt"_s}
        << u"Zeile 2: Fehler: Zeichen außerhalb von Windows-1252: Ω"_s;
    QTest::newRow("in a new name too") << QStringList{u"a.prt"_s, u"b.prt"_s} << QStringList{u"x.prt"_s, u"y😀.prt"_s}
                                       << true << false << QStringList{u"a.prt"_s, u"b.prt"_s}
                                       << u"Zeile 2: Fehler: Zeichen außerhalb von Windows-1252: 😀"_s;
}

void TestGenerator::refusals()
{
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, newNames);
    QFETCH(bool, countsMatch);
    const MapkeyGenerator::Generation shown = MapkeyGenerator::generate(oldNames, newNames);
    const MapkeyGenerator::EncodedGeneration file = MapkeyGenerator::generateFile(oldNames, newNames);
    QCOMPARE(shown.countsMatch, countsMatch);
    QCOMPARE(file.countsMatch, countsMatch);
    QCOMPARE(shown.text.isEmpty(), !countsMatch);
    QTEST(shown.newListEmpty, "newListEmpty");
    QTEST(shown.normalisedOldNames, "normalised");
    QVERIFY(file.fileBytes.isEmpty());
    QTEST(file.unrepresentableMessage(), "unrepresentable");
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"

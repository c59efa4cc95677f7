#include "TestSupport.h"
#include "common/Module1.h"
#include "common/ShortLine.h"
#include "common/TextDecoding.h"
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
    void decode_data();
    void decode();
    void shortLine_data();
    void shortLine();

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
    const QStringList applied = ReplacementRule::apply({text, text}, search, replacement);
    QCOMPARE(applied, QStringList(2, expected));
    QCOMPARE(ReplacementRule::changedCount({text, text}, applied), expected == text ? 0 : 2);
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

// The text of a file's bytes; a null text when they are no text.
void TestModule1::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString refused;
    // Octal escapes where a hex escape would swallow the next letter.
    QTest::newRow("UTF-8 with mark") << QByteArray("\357\273\277a\xC3\xA4\r\n") << u"aä\r\n"_s;
    QTest::newRow("UTF-8 without mark") << QByteArray("Stra\303\237e.prt \xF0\x9F\x98\x80")
                                        << u"Straße.prt \U0001F600"_s;
    QTest::newRow("UTF-16 LE with mark, tab-separated")
        << QByteArray("\377\376a\0\x41\x01\t\0b\0\r\0\n\0", 14) << u"aŁ\tb\r\n"_s;
    QTest::newRow("UTF-16 BE with mark, a pair of surrogates")
        << QByteArray("\xFE\xFF\0a\xD8\x3D\xDE\0", 8) << u"a\U0001F600"_s;
    QTest::newRow("ASCII") << QByteArray("a.prt\r\n") << u"a.prt\r\n"_s;
    QTest::newRow("nothing") << QByteArray("") << u""_s;
    QTest::newRow("Windows-1252") << QByteArray("Stra\337e.prt \x80") << u"Straße.prt €"_s;
    QTest::newRow("valid UTF-8, then a byte that is not") << QByteArray("\xC3\xA4\xFC") << u"Ã¤ü"_s;
    // Each on its own: the first byte that is no UTF-8 ends the search.
    QTest::newRow("overlong, two bytes: Windows-1252") << QByteArray("\xC0\xAF") << u"À¯"_s;
    QTest::newRow("overlong, three bytes: Windows-1252") << QByteArray("\xE0\x80\x80") << u"à€€"_s;
    QTest::newRow("a surrogate: Windows-1252") << QByteArray("\xED\xA0\x80") << u"í\u00A0€"_s;
    QTest::newRow("beyond U+10FFFF: Windows-1252") << QByteArray("\xF4\x90\x80\x80") << u"ô\u0090€€"_s;
    QTest::newRow("UTF-8 cut off at the end: Windows-1252") << QByteArray("\xC3\xA4\xE2\x82") << u"Ã¤â‚"_s;
    QTest::newRow("a mark that is no UTF-16 LE mark") << QByteArray("\xFF\xFF") << u"ÿÿ"_s;
    QTest::newRow("NUL in Windows-1252") << QByteArray("a\0b", 3) << refused;
    QTest::newRow("UTF-16 without a mark") << QByteArray("a\0b\0", 4) << refused;
    QTest::newRow("UTF-16 holding NUL") << QByteArray("\377\376a\0\0\0", 6) << refused;
    QTest::newRow("UTF-16 of an odd length") << QByteArray("\xFE\xFF\0a\0", 5) << refused;
    QTest::newRow("UTF-16 with a lone surrogate") << QByteArray("\xFF\xFE\0\xD8\x61\0", 6) << refused;
    QTest::newRow("UTF-8 mark, then bytes that are no UTF-8") << QByteArray("\xEF\xBB\xBF\xE4") << refused;
    QTest::newRow("UTF-8 mark, then a character cut off") << QByteArray("\xEF\xBB\xBF\xC3") << refused;
}

void TestModule1::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const std::optional<QString> whole = TextDecoding::decode(bytes);
    QCOMPARE(whole.value_or(QString()), text);
    QCOMPARE(whole.has_value(), !text.isNull());
    // A file is read in pieces; a piece may end anywhere, inside a
    // character or a mark too.
    TextDecoding::Detector detector;
    for (const char &b : std::as_const(bytes))
        detector.feed(QByteArrayView(&b, 1));
    TextDecoding::Decoder decoder(detector.encoding(), detector.markSize());
    QString pieces;
    for (const char &b : std::as_const(bytes))
        pieces += decoder.decode(QByteArrayView(&b, 1));
    QCOMPARE(decoder.finish() ? pieces : QString(), text);
}

// A line made to fit, one unit of width to each character: its paths give
// way in the middle first, its words only when they are "…".
void TestModule1::shortLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("shown");
    const QString check = u"Prüfung gegen /tmp/abcdefgh/prüfordner: Listen ungleich lang: 120 alte, 0 neue Namen"_s;
    QTest::newRow("fits as it is") << u"Prüfung: keine Befunde"_s << 22 << u"Prüfung: keine Befunde"_s;
    QTest::newRow("the folder gives way, the finding stays whole")
        << check << 74 << u"Prüfung gegen /tmp/ab…ordner: Listen ungleich lang: 120 alte, 0 neue Namen"_s;
    QTest::newRow("a folder with blanks gives way as one, the reason stays")
        << u"Fehler: Datei rename_zurueck.pro konnte nicht gespeichert werden in C:\\Dokumente und "
           u"Einstellungen\\huber\\arbeit: Ist ein Ordner"_s
        << 100
        << u"Fehler: Datei rename_zurueck.pro konnte nicht gespeichert werden in C:\\Dokum…\\arbeit: Ist ein Ordner"_s;
    QTest::newRow("two folders keep as much each")
        << u"Von /aaaa/bbbbbbbbbb; nach /cc/dddddd/eeee"_s << 32 << u"Von /aaaa…bbbb; nach /cc/d…eeee"_s;
    QTest::newRow("a path one longer than kept stays whole")
        << u"Von /a/b, nach /cccccccccc/dddddddddd"_s << 19 << u"Von /a/b, nach /c…d"_s;
    QTest::newRow("the cut keeps a character of two units whole") << u"Name 😀 fehlt"_s << 7 << u"Name …"_s;
    QTest::newRow("no folder: the end is cut")
        << u"Lauf: 57 von 120 Paaren erledigt, 62 offen"_s << 20 << u"Lauf: 57 von 120 Pa…"_s;
    QTest::newRow("the folder down to its mark, then the end cut")
        << check << 30 << u"Prüfung gegen …: Listen ungle…"_s;
}

void TestModule1::shortLine()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QTEST(ShortLine::fitted(text, width, [](const QString &shown) { return int(shown.size()); }), "shown");
}

QTEST_GUILESS_MAIN(TestModule1)
#include "tst_module1.moc"

#include "TestSupport.h"
#include "check/FolderCheck.h"
#include "folder/FolderReader.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFolder : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void rules_data();
    void rules();
    void drawingPairs_data();
    void drawingPairs();
};

namespace {

// Lists written as one text: "a,b" is {"a", "b"}, "" no entry, "a," ends in an empty one.
QStringList list(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(u',');
}

QStringList listAt(const char *column)
{
    return list(*static_cast<QString *>(QTest::qData(column, QMetaType::QString)));
}

} // namespace

void TestFolder::read_data()
{
    // Entries: "name/" a folder, "name|" a pipe, "name>target" a link, else an empty file. Every row
    // takes at most ten objects.
    for (const char *column : {"entries", "at", "filter", "types", "names", "status"}) // status: %1 the folder
        QTest::addColumn<QString>(column);
    QTest::newRow("versions and letter case fold")
        << u"welle.prt.1,WELLE.PRT.3,Lager.asm,lager.asm.12,welle.Drw,welle.frm,a.prt.x,a.prt.,aprt,a.prt.1.2"_s
        << u""_s << u"*"_s << u"prt,asm,drw"_s << u"welle.prt,lager.asm,welle.drw"_s
        << u"3 Objekte (1 Teil, 1 Baugruppe, 1 Zeichnung) aus %1 übernommen"_s;
    QTest::newRow("types in their order, names by their characters, ten taken")
        << u"x.mfg,b.drw,z.asm,x.frm,b.prt,Äx.prt,a.prt,_x.prt,a-b.prt,B1.prt"_s << u""_s << u""_s
        << u"MFG,frm,drw,asm,prt,txt"_s << u"_x.prt,a-b.prt,a.prt,b.prt,b1.prt,äx.prt,z.asm,b.drw,x.frm,x.mfg"_s
        << u"10 Objekte (6 Teile, 1 Baugruppe, 1 Zeichnung, 1 Format, 1 Fertigungsmodell) aus %1 übernommen"_s;
    QTest::newRow("the last one left out")
        << u"k.asm,a.prt,b.prt,c.prt,d.prt,e.prt,f.prt,g.prt,h.prt,i.prt,j.prt"_s << u""_s << u"*"_s << u"prt,asm"_s
        << u"a.prt,b.prt,c.prt,d.prt,e.prt,f.prt,g.prt,h.prt,i.prt,j.prt"_s
        << u"10 Objekte (10 Teile) aus %1 übernommen; 1 ausgelassen (höchstens 10 Objekte)"_s;
    QTest::newRow("filter on name and extension")
        << u"welle.prt.2,welle.drw,welle.asm,wellen.prt,lager.prt"_s << u""_s << u"W*E.?R?*"_s << u"drw,prt"_s
        << u"welle.prt,welle.drw"_s << u"2 Objekte (1 Teil, 1 Zeichnung) aus %1 übernommen"_s;
    QTest::newRow("filter matches nothing")
        << u"welle.prt"_s << u""_s << u"?"_s << u"prt"_s << u""_s << u"Keine Objekte aus %1 übernommen"_s;
    QTest::newRow("names skipped, once for all versions")
        << u"teil#1.prt,teil#1.prt.2,über.prt,łódź.prt,-x.prt,abcdefghij_abcdefghij_abcdefghij.prt,a b.prt,ok.prt,"
           u"a\\b.prt"_s
        << u""_s << u"*"_s << u"prt"_s << u"ok.prt,über.prt"_s
        << u"2 Objekte (2 Teile) aus %1 übernommen; 6 Namen übersprungen (kein zulässiger Objektname oder nicht in "
           u"Windows-1252)"_s;
    QTest::newRow("links to files count, folders, pipes and the rest not")
        << u"ziel.txt,echt.prt>ziel.txt,tot.prt>fehlt,sub.asm/,zu.prt>sub.asm,rohr.drw|,sub.asm/innen.prt"_s << u""_s
        << u"*"_s << u"prt,asm,drw"_s << u"echt.prt"_s << u"1 Objekt (1 Teil) aus %1 übernommen"_s;
    QTest::newRow("missing") << u""_s << u"fehlt"_s << u"*"_s << u""_s << u""_s
                             << u"Fehler: Ordner nicht gefunden: %1"_s;
    QTest::newRow("a file") << u"a.prt"_s << u"a.prt"_s << u"*"_s << u""_s << u""_s << u"Fehler: kein Ordner: %1"_s;
    QTest::newRow("unreadable") << u"zu/"_s << u"zu"_s << u"*"_s << u""_s << u""_s
                                << u"Fehler: Ordner nicht lesbar: %1"_s;
}

void TestFolder::read()
{
    QFETCH(QString, at);
    QTemporaryDir dir;
    for (const QString &entry : listAt("entries")) {
        const QString path = dir.filePath(
            entry.section(u'>', 0, 0).chopped(entry.endsWith(u'/') || entry.endsWith(u'|')));
        QVERIFY(entry.endsWith(u'|')       ? TestSupport::makeFifo(path)
                    : entry.contains(u'>') ? QFile::link(entry.section(u'>', 1), path)
                    : entry.endsWith(u'/') ? QDir().mkdir(path)
                                           : TestSupport::writeBytes(path, {}));
    }
    const QString folder = dir.filePath(at);
    if (QTest::currentDataTag() == "unreadable"_ba && QFile::setPermissions(folder, {}) && QDir(folder).isReadable())
        QSKIP("root reads every folder");
    QFETCH(QString, filter);
    QFETCH(QString, status);
    const FolderReader::Result result = FolderReader::read(folder, {filter, listAt("types"), 10});
    QCOMPARE(result.names, listAt("names"));
    QCOMPARE(FolderReader::statusText(result, folder), status.arg(folder));
}

// Joined with the findings of the name check, each row's folder findings
// after its own.
void TestFolder::rules_data()
{
    for (const char *column : {"oldNames", "newNames", "folder"})
        QTest::addColumn<QString>(column);
    QTest::addColumn<QStringList>("expected");
    const QString left = u"Warnung: Zeichnung %1 bleibt zurück, sie ist nicht in der Liste (Zeichnungen ergänzen): "_s;
    QTest::newRow("old object missing, letter case and version aside, sixteen objects")
        << u"C:\\w\\ÖZE.PRT.3,lager.asm,"_s << u"w100.prt,l100,x"_s
        << u"öze.prt,lager.prt,c.prt,d.prt,e.prt,f.prt,g.prt,h.prt,i.prt,j.prt,k.prt,l.prt,m.prt,n.prt,o.prt,p.prt"_s
        << QStringList{u"Zeile 2: Warnung: alter Name ist kein Objekt des Ordners: lager.asm"_s,
                       u"Zeile 3: Fehler: alter Name leer"_s};
    QTest::newRow("new name taken, without extension the old one's")
        << u"a.prt,b.asm,c.asm"_s << u"X.PRT,x,C"_s << u"a.prt,b.asm,c.asm,x.prt"_s
        << QStringList{u"Zeile 1: Fehler: neuer Name im Ordner schon vergeben (x.prt): X.PRT"_s,
                       u"Zeile 3: Warnung: neuer Name gleich dem alten: C"_s};
    QTest::newRow("a pair frees the name, later or earlier")
        << u"a.prt,b.prt,c.prt"_s << u"b.prt,d.prt,a"_s << u"a.prt,b.prt,c.prt,d.prt"_s
        << QStringList{u"Zeile 1: Warnung: Kette: neuer Name ist alter Name der späteren Zeile 2, die zuerst laufen "_s
                       u"muss (Reihenfolge ordnen): b.prt"_s,
                       u"Zeile 2: Fehler: neuer Name im Ordner schon vergeben (d.prt): d.prt"_s};
    QTest::newRow("drawings left behind")
        << u"welle.prt,lager.asm,C:\\w\\Nabe.PRT.2,deckel.prt,ring.prt,Lager.DRW"_s
        << u"w100.prt,lager_neu,NABE.prt,d2.asm,r2.prt,l.drw"_s
        << u"welle.prt,welle.drw,lager.asm,lager.drw,nabe.prt,nabe.drw,deckel.prt,deckel.drw,ring.prt"_s
        << QStringList{u"Zeile 1: "_s + left.arg(u"welle.drw"_s) + u"welle.prt"_s,
                       u"Zeile 3: Warnung: neuer Name gleich dem alten: NABE.prt"_s,
                       u"Zeile 4: Warnung: neuer Name hat einen anderen Typ (.asm statt .prt): d2.asm"_s,
                       u"Zeile 4: "_s + left.arg(u"deckel.drw"_s) + u"deckel.prt"_s};
    QTest::newRow("three rules of one row, in order")
        << u"fehlt.prt"_s << u"da.prt"_s << u"da.prt,fehlt.drw"_s
        << QStringList{u"Zeile 1: Warnung: alter Name ist kein Objekt des Ordners: fehlt.prt"_s,
                       u"Zeile 1: Fehler: neuer Name im Ordner schon vergeben (da.prt): da.prt"_s,
                       u"Zeile 1: "_s + left.arg(u"fehlt.drw"_s) + u"fehlt.prt"_s};
}

void TestFolder::rules()
{
    QStringList texts;
    const FolderObjects folder(listAt("folder"));
    for (const NameCheck::Finding &f : NameCheck::check(listAt("oldNames"), listAt("newNames"), &folder))
        texts << f.text;
    QTEST(texts, "expected");
}

void TestFolder::drawingPairs_data()
{
    for (const char *column : {"oldNames", "newNames", "folder", "addedOld", "addedNew"})
        QTest::addColumn<QString>(column);
    QTest::newRow("in the models' order, each drawing once")
        << u"lager.asm,Welle.prt,welle.asm,a.prt"_s << u"l2.asm,W100,w200.asm,b.prt"_s << u"lager.drw,welle.drw"_s
        << u"lager.drw,welle.drw"_s << u"l2.drw,W100.drw"_s;
    QTest::newRow("drawing listed, model kept")
        << u"a.prt,A.drw.3,b.prt"_s << u"x.prt,y.drw,B.prt"_s << u"a.drw,b.drw"_s << u""_s << u""_s;
}

void TestFolder::drawingPairs()
{
    QFETCH(QString, oldNames);
    QFETCH(QString, newNames);
    QFETCH(QString, folder);
    QFETCH(QString, addedOld);
    QFETCH(QString, addedNew);
    const FolderObjects objects(list(folder));
    const FolderCheck::DrawingPairs added = FolderCheck::drawingPairs(list(oldNames), list(newNames), objects);
    QCOMPARE(added.oldNames, list(addedOld));
    QCOMPARE(added.newNames, list(addedNew));
    const auto again = FolderCheck::drawingPairs(list(oldNames) + added.oldNames, list(newNames) + added.newNames,
                                                 objects);
    QCOMPARE(again.oldNames, QStringList{});
}

QTEST_GUILESS_MAIN(TestFolder)
#include "tst_folder.moc"

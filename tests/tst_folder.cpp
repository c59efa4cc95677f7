#include "TestSupport.h"
#include "check/FolderCheck.h"
#include "check/UsersToTake.h"
#include "folder/CheckFolder.h"
#include "folder/FolderReader.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <filesystem>

using namespace Qt::StringLiterals;

class TestFolder : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void rules_data();
    void rules();
    void checkFolder_data();
    void checkFolder();
    void afterReading_data();
    void afterReading();
    void readAgainOnlyWhenChanged_data();
    void readAgainOnlyWhenChanged();
    void drawingPairs_data();
    void drawingPairs();
    void usersToTake_data();
    void usersToTake();
    void usersLeft_data();
    void usersLeft();
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

// The entries of the column "entries" in `dir`: "name/" a folder, "name|" a
// pipe, "name>target" a link, else an empty file; "%" in a name stands for
// the byte E9, which is no UTF-8.
class Entries
{
public:
    explicit Entries(const QString &dir)
        : m_dir(dir)
    {
    }
    ~Entries()
    {
        for (const QByteArray &path : std::as_const(m_unreadable))
            ::unlink(path.constData());
    }
    bool make()
    {
        for (const QString &entry : listAt("entries")) {
            const QString path = m_dir + u'/'
                + entry.section(u'>', 0, 0).chopped(entry.endsWith(u'/') || entry.endsWith(u'|'));
            if (entry.contains(u'%'))
                m_unreadable << QFile::encodeName(path).replace('%', '\xE9');
            if (!(entry.contains(u'%')       ? TestSupport::makeFileNamed(m_unreadable.last())
                      : entry.endsWith(u'|') ? TestSupport::makeFifo(path)
                      : entry.contains(u'>') ? QFile::link(entry.section(u'>', 1), path)
                      : entry.endsWith(u'/') ? QDir().mkdir(path)
                                             : TestSupport::writeBytes(path, {})))
                return false;
        }
        return true;
    }

private:
    QString m_dir;
    QList<QByteArray> m_unreadable;
};

// A folder's use written as one text, objects separated by ";": "z.asm:a.prt
// b.prt" uses both, "n.asm?" could not be read (its kind by its type),
// "x.prt!" is no object file at all.
QList<FolderUsage::Object> useOf(const QString &text)
{
    using ObjectUse::FileKind;
    QList<FolderUsage::Object> objects;
    for (const QString &entry : text.split(u';', Qt::SkipEmptyParts)) {
        FolderUsage::Object object;
        object.name = entry.section(u':', 0, 0).chopped(entry.endsWith(u'?') || entry.endsWith(u'!'));
        object.fileName = object.name + u".1"_s;
        const QString type = object.name.section(u'.', -1);
        object.reading.fileKind = entry.endsWith(u'!') ? FileKind::NotAnObject
            : type == u"asm"                           ? FileKind::Assembly
            : type == u"drw"                           ? FileKind::Drawing
                                                       : FileKind::Part;
        object.reading.known = entry.contains(u':');
        object.reading.reason = object.reading.known ? QString() : u"Datei abgeschnitten"_s;
        for (const QString &used : entry.section(u':', 1).split(u' ', Qt::SkipEmptyParts))
            object.reading.uses.append({used, ObjectUse::UseKind::Component});
        objects.append(object);
    }
    std::sort(objects.begin(), objects.end(), [](const auto &a, const auto &b) { return a.name < b.name; });
    return objects;
}

} // namespace

void TestFolder::read_data()
{
    // Entries as Entries makes them. Every row takes at most ten objects.
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
    QTest::newRow("versions of every digit, and of several")
        << u"a.prt.10,b.prt.2,c.prt.3,d.prt.4,e.prt.5,f.prt.6,g.prt.7,h.prt.8,i.prt.9,motor.prt.19"_s << u""_s << u"*"_s
        << u"prt"_s << u"a.prt,b.prt,c.prt,d.prt,e.prt,f.prt,g.prt,h.prt,i.prt,motor.prt"_s
        << u"10 Objekte (10 Teile) aus %1 übernommen"_s;
    QTest::newRow("names not valid in the system's encoding, skipped once for all versions")
        << u"caf%.prt,caf%.prt.2,%.drw,notiz%.txt,ok.prt"_s << u""_s << u"*"_s << u"prt,drw"_s << u"ok.prt"_s
        << u"1 Objekt (1 Teil) aus %1 übernommen; 2 Namen übersprungen (kein zulässiger Objektname oder nicht in "
           u"Windows-1252), davon 2 nicht lesbar"_s;
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
    Entries entries(dir.path());
    QVERIFY(entries.make());
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

// The check folder given relative to the current folder, kept absolute:
// "%1" is the folder. Its objects join the name check; the summary says
// what the pairs were checked against, the question why not.
void TestFolder::checkFolder_data()
{
    for (const char *column : {"entries", "at", "oldNames", "newNames", "against", "notChecked"})
        QTest::addColumn<QString>(column);
    QTest::addColumn<QStringList>("findings");
    QTest::newRow("objects of the other types")
        << u"a4.frm,l.lay.2,s.sec,m.mfg"_s << u"arbeit"_s << u"a4.frm,l.lay,s.sec,m.mfg"_s
        << u"a5.frm,l2.lay,s2.sec,m2.mfg"_s << u"gegen %1"_s << QString() << QStringList{};
    QTest::newRow("objects whose names a list cannot take")
        << u"with blank.prt,-lead.prt.3,abcdefghij_abcdefghij_abcdefghij.prt"_s << u"arbeit"_s
        << u"with blank.prt,-lead.prt,abcdefghij_abcdefghij_abcdefghij.prt"_s << u"with_blank,lead,abc"_s
        << u"gegen %1"_s << QString() << QStringList{};
    QTest::newRow("names that cannot be read")
        << u"caf%.prt,caf%.prt.2,notiz%.txt,ok.prt"_s << u"arbeit"_s << u"ok.prt"_s << u"ok2.prt"_s
        << u"gegen %1 (1 Dateiname nicht lesbar)"_s << QString() << QStringList{};
    QTest::newRow("a folder that cannot be read")
        << u""_s << u"fehlt"_s << u"a.prt"_s << u"a.prt"_s << u"ohne Ordner (%1 nicht gefunden)"_s
        << u"Die Paare konnten nicht gegen den Prüfordner geprüft werden: %1 nicht gefunden."_s
        << QStringList{u"Zeile 1: Warnung: neuer Name gleich dem alten: a.prt"_s};
}

void TestFolder::checkFolder()
{
    QFETCH(QString, at);
    QFETCH(QString, against);
    QFETCH(QString, notChecked);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"arbeit"_s));
    Entries entries(dir.filePath(u"arbeit"_s));
    QVERIFY(entries.make());
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    CheckFolder folder;
    folder.setPath(at);
    QVERIFY(QDir::setCurrent(before));
    const QString shown = QDir::toNativeSeparators(dir.filePath(at));
    QCOMPARE(folder.against(), against.arg(shown));
    QCOMPARE(folder.notCheckedText(), notChecked.arg(shown));
    QStringList texts;
    for (const NameCheck::Finding &f : NameCheck::check(listAt("oldNames"), listAt("newNames"), folder.objects()))
        texts << f.text;
    QTEST(texts, "findings");
}

// What reading `folder` into a list does to the check folder `current`
// (none when empty), both relative to a temporary folder, "%1" in the text.
void TestFolder::afterReading_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("becomes");
    QTest::addColumn<QString>("text");
    QTest::newRow("another folder becomes it") << u"arbeit"_s << u"neu"_s << true << u"Neuer Prüfordner: %1/neu"_s;
    QTest::newRow("the same folder stays") << u"arbeit"_s << u"arbeit/"_s << true << u"Prüfordner bleibt: %1/arbeit"_s;
    QTest::newRow("box not ticked") << u"arbeit"_s << u"neu"_s << false << u"Prüfordner bleibt: %1/arbeit"_s;
    QTest::newRow("box not ticked, none set") << QString() << u"neu"_s << false << u"Kein Prüfordner"_s;
}

void TestFolder::afterReading()
{
    QFETCH(QString, current);
    QFETCH(QString, folder);
    QFETCH(bool, becomes);
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    CheckFolder check;
    check.setPath(current);
    const QString shown = check.afterReadingText(becomes, folder);
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(shown, QDir::toNativeSeparators(text.arg(QDir(dir.path()).canonicalPath())));
}

// The check folder holds "a.prt"; its time is set an hour back before it is
// read ("settled") or left at now, then "b.prt" is added ("add"), and the
// folder's time set back to what the read saw ("add, time kept"). A folder
// only remembered is read at the first readAgain, whatever its time.
void TestFolder::readAgainOnlyWhenChanged_data()
{
    QTest::addColumn<bool>("settled");
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("readAgain");
    QTest::newRow("settled and unchanged: not read again") << true << u"add, time kept"_s << false;
    QTest::newRow("a file added: read again") << true << u"add"_s << true;
    QTest::newRow("too close to the read to tell: read again") << false << u"none"_s << true;
    QTest::newRow("remembered: read when first asked for") << true << u"remembered, add, time kept"_s << true;
}

void TestFolder::readAgainOnlyWhenChanged()
{
    namespace fs = std::filesystem;
    QFETCH(bool, settled);
    QFETCH(QString, change);
    QFETCH(bool, readAgain);
    QTemporaryDir dir;
    QVERIFY(TestSupport::writeBytes(dir.filePath(u"a.prt"_s), {}));
    const fs::path path(QFile::encodeName(dir.path()).toStdString());
    const fs::file_time_type anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    if (settled)
        fs::last_write_time(path, anHourAgo);
    CheckFolder folder;
    if (change.startsWith(u"remembered")) {
        folder.remember(dir.path());
        QCOMPARE(folder.objects(), nullptr);
        QVERIFY(!folder.isGone());
    } else {
        folder.setPath(dir.path());
    }
    const fs::file_time_type seen = fs::last_write_time(path);
    if (change != u"none")
        QVERIFY(TestSupport::writeBytes(dir.filePath(u"b.prt"_s), {}));
    if (change.endsWith(u"add, time kept"))
        fs::last_write_time(path, seen);
    QCOMPARE(folder.readAgain(), readAgain);
    QCOMPARE(folder.objects()->contains(u"b.prt"), readAgain && change != u"none");
    QCOMPARE(folder.objects()->contains(u"a.prt"), true);
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

// The users a run takes along and what the check line says of the use,
// taking them and not; the way back takes the users of the new names too;
// the tooltips of the old names' rows, "|" between rows; the lines of
// "Verwendung …", "|" between them.
void TestFolder::usersToTake_data()
{
    for (const char *column :
         {"oldNames", "newNames", "use", "taken", "takenBack", "noteTaking", "noteLeaving", "tooltips", "overview"})
        QTest::addColumn<QString>(column);
    QTest::newRow("users of two old names, each once, sorted; the way back's of the new names")
        << u"a.prt,b.prt"_s << u"x.prt,y"_s << u"z.asm:a.prt b.prt;c.drw:a.prt;d.asm:q.prt;v.asm:x.prt;w.asm:y.prt"_s
        << u"c.drw,z.asm"_s << u"c.drw,v.asm,w.asm,z.asm"_s << u"2 Verwender mitgenommen"_s << QString()
        << u"Verwendet von: c.drw, z.asm|Verwendet von: z.asm"_s
        << u"a.prt: verwendet von c.drw, z.asm|b.prt: verwendet von z.asm"_s;
    QTest::newRow("a user renamed itself is not taken, letter case and folders aside")
        << u"C:\\w\\A.PRT.3,Z.asm"_s << u"a2.prt,z2.asm"_s << u"z.asm:a.prt;top.asm:z.asm"_s << u"top.asm"_s
        << u"top.asm"_s << u"1 Verwender mitgenommen"_s << QString() << u"Verwendet von: z.asm|Verwendet von: top.asm"_s
        << u"a.prt: verwendet von z.asm|z.asm: verwendet von top.asm"_s;
    QTest::newRow("unread assemblies and drawings come, parts and files that are no objects do not")
        << u"a.prt"_s << u"b.prt"_s << u"neu.asm?;neu.drw?;teil.prt?;kaputt.asm!;z.asm:a.prt"_s
        << u"neu.asm,neu.drw,z.asm"_s << u"neu.asm,neu.drw,z.asm"_s
        << u"3 Verwender mitgenommen (2 nicht lesbar); 1 Teil: Verwendung nicht lesbar, nicht mitgenommen; "
           "1 Datei: kein Objekt"_s
        << u"3 Objekte: Verwendung nicht lesbar; 1 Datei: kein Objekt"_s << u"Verwendet von: z.asm"_s
        << u"a.prt: verwendet von z.asm||Nicht lesbar:|kaputt.asm: kein Objekt (Datei abgeschnitten)|neu.asm: "
           "Verwendung nicht lesbar (Datei abgeschnitten), wird mitgenommen|neu.drw: Verwendung nicht lesbar (Datei "
           "abgeschnitten), wird mitgenommen|teil.prt: Verwendung nicht lesbar (Datei abgeschnitten), wird nicht "
           "mitgenommen"_s;
    QTest::newRow("no pair, no user")
        << u""_s << u""_s << u"neu.asm?;z.asm:a.prt"_s << u""_s << u""_s << QString()
        << u"1 Objekt: Verwendung nicht lesbar"_s << u""_s
        << u"Nicht lesbar:|neu.asm: Verwendung nicht lesbar (Datei abgeschnitten), wird mitgenommen"_s;
}

void TestFolder::usersToTake()
{
    const UseIndex use(useOf(*static_cast<QString *>(QTest::qData("use", QMetaType::QString))));
    const QStringList oldNames = listAt("oldNames");
    const QStringList newNames = listAt("newNames");
    const QStringList taken = UsersToTake::choose(oldNames, newNames, use);
    QCOMPARE(taken, listAt("taken"));
    QCOMPARE(UsersToTake::chooseBack(oldNames, newNames, use), listAt("takenBack"));
    QTEST(UsersToTake::note(use, true, taken.size()), "noteTaking");
    QTEST(UsersToTake::note(use, false, 0), "noteLeaving");
    QList<NameCheck::RowMark> marks(oldNames.size());
    UsersToTake::addUsedBy(marks, oldNames, use);
    QStringList tooltips;
    for (const NameCheck::RowMark &mark : std::as_const(marks))
        tooltips << mark.tooltip;
    QTEST(tooltips.join(u'|'), "tooltips");
    QTEST(UsersToTake::overview(oldNames, newNames, use).join(u'|'), "overview");
}

// With the folder's use, for a run that takes no users along: a warning
// for each old name that users the run neither renames nor opens use.
void TestFolder::usersLeft_data()
{
    for (const char *column : {"oldNames", "newNames", "use"})
        QTest::addColumn<QString>(column);
    QTest::addColumn<QStringList>("expected");
    const QString left = u", die der Lauf nicht öffnet (Verwender mitnehmen)"_s;
    QTest::newRow("users named, a renamed one aside, after the folder's own rules")
        << u"a.prt,b.prt,z.asm"_s << u"a2.prt,b2.prt,z2.asm"_s << u"z.asm:a.prt;c.drw:a.prt;top.asm:z.asm"_s
        << QStringList{u"Zeile 1: Warnung: a.prt wird verwendet von c.drw"_s + left,
                       u"Zeile 2: Warnung: alter Name ist kein Objekt des Ordners: b.prt"_s,
                       u"Zeile 3: Warnung: z.asm wird verwendet von top.asm"_s + left};
    QTest::newRow("five users are all named")
        << u"a.prt"_s << u"b.prt"_s << u"u1.asm:a.prt;u2.asm:a.prt;u3.asm:a.prt;u4.asm:a.prt;u5.asm:a.prt"_s
        << QStringList{u"Zeile 1: Warnung: a.prt wird verwendet von u1.asm, u2.asm, u3.asm, u4.asm, u5.asm"_s + left};
    QTest::newRow("a long list ends in a count; an unread user is none")
        << u"A.prt"_s << u"b.prt"_s
        << u"u1.asm:a.prt;u2.asm:a.prt;u3.asm:a.prt;u4.asm:a.prt;u5.asm:a.prt;"
           "u6.asm:a.prt;u7.drw:a.prt;neu.asm?"_s
        << QStringList{u"Zeile 1: Warnung: a.prt wird verwendet von u1.asm, u2.asm, u3.asm, u4.asm, u5.asm und 2 "
                       "weitere"_s
                       + left};
}

void TestFolder::usersLeft()
{
    const QList<FolderUsage::Object> objects = useOf(*static_cast<QString *>(QTest::qData("use", QMetaType::QString)));
    QStringList names{u"a.prt"_s};
    for (const FolderUsage::Object &object : objects)
        names << object.name;
    const FolderObjects folder(names);
    const UseIndex use(objects);
    QStringList texts;
    for (const NameCheck::Finding &f : NameCheck::check(listAt("oldNames"), listAt("newNames"), &folder, &use))
        texts << f.text;
    QTEST(texts, "expected");
}

QTEST_GUILESS_MAIN(TestFolder)
#include "tst_folder.moc"

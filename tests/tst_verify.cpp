#include "TestSupport.h"
#include "folder/CheckFolder.h"
#include "verify/RunCheck.h"
#include "verify/RunTexts.h"
#include "verify/UsersSaved.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestVerify : public QObject
{
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
    void wayBackQuestion_data();
    void wayBackQuestion();
    void folderRulesAfterARun_data();
    void folderRulesAfterARun();
    void usersSaved_data();
    void usersSaved();
};

namespace {

// Lists written as one text: "a,b" is {"a", "b"}, "" no entry.
QStringList list(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(u',');
}

// One letter per pair: e erledigt, o offen, u unklar.
RunCheck::Result runOf(const QString &states)
{
    RunCheck::Result run;
    for (const QChar state : states)
        run.states << (state == u'e'       ? RunCheck::State::Done
                           : state == u'o' ? RunCheck::State::Open
                                           : RunCheck::State::Unclear);
    return run;
}

} // namespace

// The files of the folder after the run; the states as one letter per
// pair: e erledigt, o offen, u unklar.
void TestVerify::rule_data()
{
    for (const char *column : {"oldNames", "newNames", "files", "states", "summary"})
        QTest::addColumn<QString>(column);
    QTest::addColumn<QStringList>("findings");
    const QString chain = u"c.prt,b.prt,a.prt"_s;
    const QString chainNew = u"d.prt,c.prt,b.prt"_s;
    QTest::newRow("nothing done") << u"a.prt,c.asm"_s << u"b.prt,d.asm"_s << u"a.prt.1,c.asm.2,x.prt"_s << u"oo"_s
                                  << u"Lauf: 0 von 2 Paaren erledigt, 2 offen, 0 unklar, 0 Abweichungen"_s
                                  << QStringList();
    QTest::newRow("all done") << u"a.prt,c.asm"_s << u"b.prt,d.asm"_s << u"b.prt.2,d.asm.1"_s << u"ee"_s
                              << u"Lauf: 2 von 2 Paaren erledigt, 0 offen, 0 unklar, 0 Abweichungen"_s << QStringList();
    QTest::newRow("a stop after two") << u"a.prt,c.prt,e.prt,g.prt"_s << u"b.prt,d.prt,f.prt,h.prt"_s
                                      << u"b.prt,d.prt,e.prt,g.prt"_s << u"eeoo"_s
                                      << u"Lauf: 2 von 4 Paaren erledigt, 2 offen, 0 unklar, 0 Abweichungen"_s
                                      << QStringList();
    QTest::newRow("chain, none run") << chain << chainNew << u"a.prt,b.prt,c.prt"_s << u"ooo"_s
                                     << u"Lauf: 0 von 3 Paaren erledigt, 3 offen, 0 unklar, 0 Abweichungen"_s
                                     << QStringList();
    QTest::newRow("chain, stop after one")
        << chain << chainNew << u"a.prt,b.prt,d.prt"_s << u"eoo"_s
        << u"Lauf: 1 von 3 Paaren erledigt, 2 offen, 0 unklar, 0 Abweichungen"_s << QStringList();
    QTest::newRow("chain, stop after two")
        << chain << chainNew << u"a.prt,c.prt,d.prt"_s << u"eeo"_s
        << u"Lauf: 2 von 3 Paaren erledigt, 1 offen, 0 unklar, 0 Abweichungen"_s << QStringList();
    QTest::newRow("chain, all run") << chain << chainNew << u"b.prt,c.prt,d.prt"_s << u"eee"_s
                                    << u"Lauf: 3 von 3 Paaren erledigt, 0 offen, 0 unklar, 0 Abweichungen"_s
                                    << QStringList();
    QTest::newRow("chain, a tie: only the pairs between are unclear")
        << chain << chainNew << u"a.prt,b.prt"_s << u"uoo"_s
        << u"Lauf: 0 von 3 Paaren erledigt, 2 offen, 1 unklar, 0 Abweichungen"_s
        << QStringList{u"Zeile 1: Abweichung: nicht eindeutig, c.prt und d.prt fehlen beide"_s};
    QTest::newRow("swap through a temporary name ends where it began")
        << u"a.prt,b.prt,t.prt"_s << u"t.prt,a.prt,b.prt"_s << u"a.prt,b.prt"_s << u"uuu"_s
        << u"Lauf: 0 von 3 Paaren erledigt, 0 offen, 3 unklar, 0 Abweichungen"_s
        << QStringList{
               u"Zeile 1: Abweichung: nicht eindeutig, der Ordner passt gleich gut, ob das Paar gelaufen ist oder nicht"_s,
               u"Zeile 2: Abweichung: nicht eindeutig, b.prt und a.prt sind beide da"_s,
               u"Zeile 3: Abweichung: nicht eindeutig, der Ordner passt gleich gut, ob das Paar gelaufen ist oder nicht"_s};
    QTest::newRow("swap, stopped on the temporary name")
        << u"a.prt,b.prt,t.prt"_s << u"t.prt,a.prt,b.prt"_s << u"b.prt,t.prt"_s << u"eoo"_s
        << u"Lauf: 1 von 3 Paaren erledigt, 2 offen, 0 unklar, 0 Abweichungen"_s << QStringList();
    QTest::newRow("a pair skipped among unrelated ones")
        << u"a.prt,c.prt,e.prt"_s << u"b.prt,d.prt,f.prt"_s << u"b.prt,c.prt,f.prt"_s << u"eoe"_s
        << u"Lauf: 2 von 3 Paaren erledigt, 1 offen, 0 unklar, 0 Abweichungen"_s << QStringList();
    QTest::newRow("a copy: old and new both there")
        << u"a.prt"_s << u"b.prt"_s << u"a.prt,b.prt"_s << u"u"_s
        << u"Lauf: 0 von 1 Paar erledigt, 0 offen, 1 unklar, 0 Abweichungen"_s
        << QStringList{u"Zeile 1: Abweichung: nicht eindeutig, a.prt und b.prt sind beide da"_s};
    QTest::newRow("neither there, and a name unchanged")
        << u"a.prt,x.prt"_s << u"b.prt,X"_s << u""_s << u"uu"_s
        << u"Lauf: 0 von 2 Paaren erledigt, 0 offen, 2 unklar, 0 Abweichungen"_s
        << QStringList{u"Zeile 1: Abweichung: nicht eindeutig, a.prt und b.prt fehlen beide"_s,
                       u"Zeile 2: Abweichung: nicht eindeutig, neuer Name gleich dem alten"_s};
    QTest::newRow("versions: renamed with its versions, saved once more")
        << u"C:\\w\\a.prt.3"_s << u"b.prt"_s << u"b.prt.3,b.prt.4"_s << u"e"_s
        << u"Lauf: 1 von 1 Paar erledigt, 0 offen, 0 unklar, 0 Abweichungen"_s << QStringList();
    QTest::newRow("letter case, a new name without its type")
        << u"A.PRT,c.asm"_s << u"B,D"_s << u"b.prt.1,C.ASM.2"_s << u"eo"_s
        << u"Lauf: 1 von 2 Paaren erledigt, 1 offen, 0 unklar, 0 Abweichungen"_s << QStringList();
    QTest::newRow("a difference: a new name gone")
        << u"a.prt,c.prt,d.prt"_s << u"b.prt,d.prt,a.prt"_s << u"d.prt"_s << u"eeo"_s
        << u"Lauf: 2 von 3 Paaren erledigt, 1 offen, 0 unklar, 1 Abweichung"_s
        << QStringList{u"Zeile 1: Abweichung: b.prt sollte da sein, fehlt"_s};
    QTest::newRow("a difference: an old name still there")
        << u"a.prt,c.prt,b.prt"_s << u"B.PRT,d.prt,c.prt"_s << u"a.prt,b.prt,d.prt"_s << u"eeo"_s
        << u"Lauf: 2 von 3 Paaren erledigt, 1 offen, 0 unklar, 1 Abweichung"_s
        << QStringList{u"Zeile 1: Abweichung: a.prt sollte weg sein, ist noch da"_s};
    QTest::newRow("the same new name twice: neither judged")
        << u"a.prt,b.prt"_s << u"c.prt,C"_s << u"c.prt"_s << u"uu"_s
        << u"Lauf: 0 von 2 Paaren erledigt, 0 offen, 2 unklar, 0 Abweichungen"_s
        << QStringList{u"Zeile 1: Abweichung: nicht eindeutig, neuer Name doppelt (auch Zeile 2): c.prt"_s,
                       u"Zeile 2: Abweichung: nicht eindeutig, neuer Name doppelt (auch Zeile 1): C"_s};
    QTest::newRow("the same old name twice: its group not judged, the others are")
        << u"a.prt,x.prt,A.prt,c.prt"_s << u"b.prt,y.prt,c.prt,d.prt"_s << u"b.prt,y.prt"_s << u"ueuu"_s
        << u"Lauf: 1 von 4 Paaren erledigt, 0 offen, 3 unklar, 0 Abweichungen"_s
        << QStringList{u"Zeile 1: Abweichung: nicht eindeutig, alter Name doppelt (auch Zeile 3): a.prt"_s,
                       u"Zeile 3: Abweichung: nicht eindeutig, alter Name doppelt (auch Zeile 1): A.prt"_s,
                       u"Zeile 4: Abweichung: nicht eindeutig, hängt über gemeinsame Namen mit Zeile 1 "
                       u"zusammen, deren Name doppelt ist"_s};
    QTest::newRow("the empty lists") << u""_s << u""_s << u"a.prt"_s << u""_s << u"Lauf: keine Paare"_s
                                     << QStringList();
}

void TestVerify::rule()
{
    QFETCH(QString, oldNames);
    QFETCH(QString, newNames);
    QFETCH(QString, files);
    QFETCH(QString, states);
    QFETCH(QString, summary);
    QFETCH(QStringList, findings);
    QTemporaryDir dir;
    for (const QString &file : list(files))
        QVERIFY(TestSupport::writeBytes(dir.filePath(file), {}));
    CheckFolder folder;
    folder.setPath(dir.path());
    QVERIFY(folder.objects());
    const RunCheck::Result result = RunCheck::check(list(oldNames), list(newNames), *folder.objects());
    QString found;
    for (const RunCheck::State state : result.states)
        found += state == RunCheck::State::Done ? u'e' : state == RunCheck::State::Open ? u'o' : u'u';
    QCOMPARE(found, states);
    QStringList lines;
    for (const RunCheck::Finding &finding : result.findings)
        lines << finding.text;
    QCOMPARE(lines, findings);
    QCOMPARE(RunTexts::summary(result), summary);
}

// Before "Rückweg für Erledigte": the way back's own findings, an error on
// each row of `rows`, asked about only where the pair is done (states as in
// the rule above).
void TestVerify::wayBackQuestion_data()
{
    QTest::addColumn<QString>("states");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("question");
    QTest::newRow("on an open pair: nothing asked") << u"eo"_s << u"2"_s << QString();
    QTest::newRow("on a done and an open pair: the done one asked")
        << u"eou"_s << u"1,2,3"_s
        << u"Die Prüfung der Namen meldet 1 Fehler:\n\nRückweg: Zeile 1: Fehler: f\n\n"
           u"rename_zurueck.pro für die erledigten Paare trotzdem erstellen?"_s;
}

void TestVerify::wayBackQuestion()
{
    QFETCH(QString, states);
    QFETCH(QString, rows);
    const RunCheck::Result run = runOf(states);
    QList<NameCheck::Finding> findings;
    for (const QString &row : list(rows))
        findings.append({row.toInt() - 1, NameCheck::Severity::Error, NameCheck::Rule::Characters,
                         u"Rückweg: Zeile "_s + row + u": Fehler: f"_s});
    QTEST(RunTexts::wayBackQuestion(findings, run), "question");
}

// The name check's findings while a run's marks show, each as its row and
// rule ("1 taken": row 1, the new name taken in the folder): the folder's
// rules go on the pairs the run judged, every other rule stays.
void TestVerify::folderRulesAfterARun_data()
{
    QTest::addColumn<QString>("states");
    QTest::addColumn<QStringList>("findings");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("done and open pairs lose them, an unclear one keeps them")
        << u"eou"_s << QStringList{u"1 missing"_s, u"1 taken"_s, u"2 taken"_s, u"3 taken"_s}
        << QStringList{u"3 taken"_s};
    QTest::newRow("other rules stay on a done pair")
        << u"e"_s << QStringList{u"1 twice"_s, u"1 drawing"_s} << QStringList{u"1 twice"_s};
}

void TestVerify::folderRulesAfterARun()
{
    QFETCH(QString, states);
    QFETCH(QStringList, findings);
    const QHash<QString, NameCheck::Rule> rules{{u"missing"_s, NameCheck::Rule::MissingInFolder},
                                                {u"taken"_s, NameCheck::Rule::TakenInFolder},
                                                {u"drawing"_s, NameCheck::Rule::DrawingLeftBehind},
                                                {u"twice"_s, NameCheck::Rule::NewTwice}};
    QList<NameCheck::Finding> given;
    for (const QString &finding : std::as_const(findings))
        given.append({finding.section(u' ', 0, 0).toInt() - 1, NameCheck::Severity::Error,
                      rules.value(finding.section(u' ', 1)), finding});
    QStringList kept;
    for (const NameCheck::Finding &f : RunCheck::withoutFolderRules(given, runOf(states)))
        kept << f.text;
    QTEST(kept, "kept");
}

// The folder's use read after the run, "user:used used" separated by ";",
// and a difference of the run before, on row 2: a user still naming a done
// pair's old name comes among the run's own findings by row.
void TestVerify::usersSaved_data()
{
    for (const char *column : {"oldNames", "newNames", "states", "use"})
        QTest::addColumn<QString>(column);
    QTest::addColumn<QStringList>("findings");
    QTest::newRow("done pairs only, each user, by row")
        << u"C:\\w\\A.prt.2,b.prt,c.prt"_s << u"x.prt,y.prt,z.prt"_s << u"eoe"_s
        << u"baugruppe.asm:a.prt b.prt c.prt;haupt.asm:z.prt;zeichnung.drw:a.prt"_s
        << QStringList{u"Zeile 1: Abweichung: baugruppe.asm verweist noch auf a.prt"_s,
                       u"Zeile 1: Abweichung: zeichnung.drw verweist noch auf a.prt"_s, u"Zeile 2: Abweichung: d"_s,
                       u"Zeile 3: Abweichung: baugruppe.asm verweist noch auf c.prt"_s};
    QTest::newRow("an unclear pair is not judged")
        << u"a.prt"_s << u"x.prt"_s << u"u"_s << u"baugruppe.asm:a.prt"_s << QStringList{u"Zeile 2: Abweichung: d"_s};
    QTest::newRow("all saved") << u"a.prt"_s << u"x.prt"_s << u"e"_s << u"baugruppe.asm:x.prt"_s
                               << QStringList{u"Zeile 2: Abweichung: d"_s};
}

void TestVerify::usersSaved()
{
    QFETCH(QString, oldNames);
    QFETCH(QString, newNames);
    QFETCH(QString, use);
    QList<FolderUsage::Object> objects;
    for (const QString &entry : use.split(u';')) {
        FolderUsage::Object object{entry.section(u':', 0, 0), {}, {}};
        object.reading.known = true;
        for (const QString &used : entry.section(u':', 1).split(u' '))
            object.reading.uses.append({used, ObjectUse::UseKind::Component});
        objects << object;
    }
    QFETCH(QString, states);
    RunCheck::Result run = runOf(states);
    run.findings = {{1, u"Zeile 2: Abweichung: d"_s}};
    run.differences = 1;
    UsersSaved::add(run, UsersSaved::check(list(oldNames), list(newNames), run, UseIndex(objects)));
    QStringList lines;
    for (const RunCheck::Finding &finding : std::as_const(run.findings))
        lines << finding.text;
    QTEST(lines, "findings");
    QCOMPARE(run.differences, lines.size());
}

QTEST_GUILESS_MAIN(TestVerify)
#include "tst_verify.moc"

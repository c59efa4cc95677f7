#include "WindowFixture.h"
#include "ui/lists/NameListModel.h"
#include "ui/rules/RulePreviewModel.h"
#include "ui/rules/frm_Regeln.h"
#include "ui/templates/frm_Vorlage.h"
#include "ui/widgets/OneLineEdit.h"

#include <QListWidget>

class TestWindowTemplates : public QObject
{
    Q_OBJECT

private slots:
    void roads_data();
    void roads();
    void rulesDialog();
};

// Each road starts with the recording in the later style chosen through
// the dialog, for pairs whose rename.pro is a golden file; the check line
// then names it, and what follows is the road's own.
void TestWindowTemplates::roads_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<QString>("checkLine");
    QTest::addColumn<QString>("status");
    const QString inUse = u"Vorlage: later-style.pro; Prüfung: keine Befunde"_s;
    QTest::newRow("choose a recording, preview")
        << u"choose"_s << inUse
        << u"In Verwendung: @ (Mapkeys velmorant_umbenennen, velmorant_speichern, velmorant_oeffnen)"_s;
    QTest::newRow("generate with it") << u"generate"_s << inUse << u"Datei rename.pro wurde gespeichert in "_s;
    QTest::newRow("way back for the done pairs with it")
        << u"done"_s
        << u"Vorlage: later-style.pro; Lauf: 1 von 2 Paaren erledigt, 1 offen, 0 unklar, 0 Abweichungen; "
           u"Prüfung gegen %1: keine Befunde; 2 Dateien: kein Objekt"_s
        << u"Datei rename_zurueck.pro wurde gespeichert in "_s;
    QTest::newRow("restart and find it again") << u"restart"_s << inUse << u"Status"_s;
    QTest::newRow("refuse a set whose file has gone")
        << u"gone"_s << u"Vorlage: later-style.pro (nicht verwendbar); Prüfung: keine Befunde"_s
        << u"Fehler: Vorlage @ nicht verwendbar, rename.pro nicht erstellt"_s;
    QTest::newRow("back to the built-in, written out")
        << u"built-in"_s << u"Prüfung: keine Befunde"_s << u"In Verwendung: die eingebaute Vorlage"_s;
    // Refused in the dialog, which stays open; the built-in set stays in use.
    const QString lastFilled = u"1 Eintrag übernommen"_s;
    QTest::newRow("a mapkey the file lacks, offered all the same")
        << u"lacks"_s << u"Prüfung: keine Befunde"_s << lastFilled;
    QTest::newRow("the file gone before it is used") << u"gone first"_s << u"Prüfung: keine Befunde"_s << lastFilled;
}

void TestWindowTemplates::roads()
{
    QFETCH(QString, road);
    QFETCH(QString, checkLine);
    QFETCH(QString, status);
    Window win;
    const QString recording = win.dir.filePath(u"later-style.pro"_s);
    QByteArray recorded = TestSupport::readBytes(QFINDTESTDATA("data/later-style.pro"));
    if (road == u"lacks")
        recorded.replace("mapkey velmorant_oeffnen", "mapkey velmorant_offen");
    QVERIFY(TestSupport::writeBytes(recording, recorded));
    win.fill(win.oldList(), {u"C:\\cad\\motor.asm.2"_s, u"welle.prt"_s});
    win.fill(win.newList(), {u"antrieb.asm"_s, u"achse.prt"_s});
    win.platform.fileAnswer = recording;
    win.click("cmd_vorlage");
    auto *dialog = win.w->findChild<frm_Vorlage *>();
    QVERIFY(!dialog->cmd_verwenden->isEnabled()); // nothing recorded to use yet
    // The bottom line tells what happened last: the opening, not the saving before it.
    win.platform.fileAnswer = win.dir.filePath(u"eingebaut.pro"_s);
    QTest::mouseClick(dialog->cmd_speichern, Qt::LeftButton);
    win.platform.fileAnswer = recording;
    QTest::mouseClick(dialog->cmd_aufzeichnung, Qt::LeftButton);
    QCOMPARE(dialog->lbl_meldung->text(),
             u"Aufzeichnung geöffnet: "_s + QDir::toNativeSeparators(recording) + u" (6 Mapkeys)"_s);
    QCOMPARE(dialog->cbo_oeffnen->currentText(), u"velmorant_oeffnen"_s);
    QCOMPARE(dialog->cmd_verwenden->isEnabled(), road != u"lacks");
    if (road == u"lacks") {
        // In a narrow field the finding wraps rather than running off to the right.
        dialog->txt_befunde->setFixedWidth(160);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(dialog->txt_befunde->horizontalScrollBar()->maximum(), 0);
    }
    if (road == u"gone first")
        QVERIFY(QFile::remove(recording));
    if (road == u"choose") {
        // The first pair as it would be built, its names marked.
        const QString preview = dialog->txt_vorschau->toPlainText();
        QVERIFY(preview.startsWith(u"mapkey umb0 ~ ;\\\nmapkey(continued) ~ Command `ProCmdModelOpen` ;\\\n"_s));
        for (const QString &name : {u"motor.asm"_s, u"antrieb.asm"_s}) {
            QTextCursor cursor(dialog->txt_vorschau->document());
            cursor.setPosition(int(preview.indexOf(u'`' + name + u'`')) + 2);
            QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
        }
    }
    if (road == u"built-in") {
        COMPARE_BYTES(TestSupport::readBytes(win.dir.filePath(u"eingebaut.pro"_s)),
                      TestSupport::readBytes(QFINDTESTDATA("data/builtin-templates.pro")));
        QTest::mouseClick(dialog->cmd_eingebaute, Qt::LeftButton);
    } else {
        QTest::mouseClick(dialog->cmd_verwenden, Qt::LeftButton);
    }
    if (road == u"gone first")
        QCOMPARE(dialog->lbl_meldung->text(),
                 u"Nicht verwendet: "_s + QDir::toNativeSeparators(recording)
                     + u" ist neu gelesen nicht mehr verwendbar, siehe Befunde"_s);
    if (road == u"generate") {
        win.get<QCheckBox>("chk_rueckweg")->setChecked(true);
        QCOMPARE(win.generate(), QStringList());
        win.confirmFolder(win.dir.path());
        COMPARE_BYTES(TestSupport::readBytes(win.dir.filePath(u"rename.pro"_s)),
                      TestSupport::readBytes(QFINDTESTDATA("data/later-style-rename.pro")));
        // The way back from the same set.
        QVERIFY(TestSupport::readBytes(win.dir.filePath(u"rename_zurueck.pro"_s)).contains("`ProCmdModelRename`"));
    } else if (road == u"done") {
        // The assembly renamed, the part not yet: its way back from the same set.
        const QString folder = win.dir.filePath(u"arbeit"_s);
        QVERIFY(QDir().mkpath(folder));
        for (const char *file : {"antrieb.asm.1", "welle.prt.1"})
            QVERIFY(TestSupport::writeBytes(folder + u'/' + QLatin1String(file), {}));
        win.platform.fileAnswer = folder;
        win.click("cmd_pruefordner");
        win.click("cmd_laufPruefen");
        win.click("cmd_rueckwegErledigte");
        QVERIFY(TestSupport::readBytes(folder + u"/rename_zurueck.pro"_s).contains("`ProCmdModelRename`"));
    } else if (road == u"restart") {
        win.w->close();
        win.open();
    } else if (road == u"gone") {
        QVERIFY(QFile::remove(recording));
        QCOMPARE(win.generate(),
                 QStringList{u"Velmorant | Die Vorlage "_s + recording
                             + u" ist nicht verwendbar:\n\nVorlage: Fehler: Aufzeichnung nicht "
                               u"gefunden: "_s
                             + recording
                             + u"\n\nrename.pro wird nicht erstellt. Unter „Vorlage …“ lässt sich die "
                               u"Aufzeichnung berichtigen oder die eingebaute Vorlage wählen. | OK"_s});
        QCOMPARE(win.oldList()->entries().first(), u"C:\\cad\\motor.asm.2"_s);
        QVERIFY(win.output().isEmpty());
    }
    QCOMPARE(shownTip(win.get<QLabel>("lbl_pruefung")->toolTip()),
             QString(checkLine).replace(u"%1"_s, win.dir.filePath(u"arbeit"_s)));
    QVERIFY2(win.status().startsWith(QString(status).replace(u'@', recording)), qPrintable(win.status()));
}

// The dialog "Regeln" wired to the window: a step added shows in the
// preview with the name check's marks, "Übernehmen" is one undo step of the
// right-hand list, and the steps are there again the next time.
void TestWindowTemplates::rulesDialog()
{
    Window win;
    win.fill(win.oldList(), {u"C:\\cad\\pumpe_alt.prt.3"_s, u"welle.prt"_s});
    win.fill(win.newList(), {u"x.prt"_s, u"y.prt"_s});
    win.click("cmd_regeln");
    auto *dialog = win.w->findChild<frm_Regeln *>();
    dialog->cbo_neueArt->setCurrentText(u"Nummerieren"_s);
    QTest::mouseClick(dialog->cmd_hinzufuegen, Qt::LeftButton);
    const QModelIndex first = dialog->preview()->index(0);
    dialog->txt_text->setText(u"teil_mit_einem_viel_zu_langen_namen_#"_s);
    QTRY_VERIFY(!dialog->preview()->isBusy());
    QCOMPARE(first.data(NameListModel::MarkRole).toInt(), int(NameListModel::Mark::Error));
    dialog->txt_text->setText(u"teil_##"_s);
    QTRY_COMPARE(first.data().toString(), u"C:\\cad\\pumpe_alt.prt.3  →  teil_01.prt"_s);
    QCOMPARE(first.data(NameListModel::MarkRole).toInt(), int(NameListModel::Mark::None));
    QCOMPARE(dialog->lbl_meldung->text(), u"2 von 2 Namen ändern sich; Prüfung: keine Befunde"_s);
    QTest::mouseClick(dialog->cmd_uebernehmen, Qt::LeftButton);
    QCOMPARE(win.newList()->entries(), QStringList({u"teil_01.prt"_s, u"teil_02.prt"_s}));
    QCOMPARE(win.status(), u"Regel angewandt: 2 von 2 Namen geändert"_s);
    QTRY_VERIFY(!win.w->findChild<frm_Regeln *>());
    win.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
    win.newList()->setFocus();
    QTest::keySequence(win.newList(), QKeySequence::Undo);
    QCOMPARE(win.newList()->entries(), QStringList({u"x.prt"_s, u"y.prt"_s}));
    win.click("cmd_regeln");
    dialog = win.w->findChild<frm_Regeln *>();
    QCOMPARE(dialog->lst_schritte->item(0)->text(), u"1. Nummerieren: „teil_##“ ab 1, Schritt 1"_s);
    QTest::mouseClick(dialog->cmd_schliessen, Qt::LeftButton);
}

QTEST_MAIN(TestWindowTemplates)
#include "tst_window_templates.moc"

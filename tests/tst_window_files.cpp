#include "UsageFixtures.h"
#include "WindowFixture.h"
#include "ui/lists/NameListModel.h"
#include "ui/widgets/FittedLabel.h"
#include "ui/widgets/OneLineEdit.h"
#include "ui/workingfolder/frm_Ordner.h"

#include <QPlainTextEdit>
#include <QRegularExpression>

namespace {

QList<frm_Info *> infoWindows()
{
    QList<frm_Info *> found;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *info = qobject_cast<frm_Info *>(top); info && info->isVisible())
            found << info;
    }
    return found;
}

// The pointer moving over `widget` without a button pressed.
void hover(QWidget *widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class TestWindowFiles : public QObject
{
    Q_OBJECT

private slots:
    void infoWindow();
    void shutdownAndRestart();
    void workingFolder();
    void afterARun_data();
    void afterARun();
    void usersOfAnOldName_data();
    void usersOfAnOldName();
};

// One Info window at a time, top-aligned with the main window (the
// offscreen screen has no room beside it), widened to its design width and
// no step further; the sleeping picture wakes under the pointer and closes
// the window, the address goes to the desktop; Escape closes it too.
void TestWindowFiles::infoWindow()
{
    Window win;
    win.w->move(0, 40);
    win.click("cmd_info");
    win.click("cmd_info");
    QCOMPARE(infoWindows().size(), 1);
    frm_Info *info = infoWindows().first();
    QCOMPARE(info->windowTitle(), u"Info"_s);
    QCOMPARE(info->frameGeometry().topLeft(), QPoint(0, win.w->frameGeometry().y()));
    const int design = px(5790) + info->frameGeometry().width() - info->width();
    QVERIFY2(info->frameGeometry().width() >= design, qPrintable(QString::number(info->frameGeometry().width())));
    QVERIFY(info->frameGeometry().width() < design + px(200));
    const QString text = info->findChild<QPlainTextEdit *>(u"Text2"_s)->toPlainText();
    QVERIFY(text.startsWith(u"Erzeugung eines Mapkeys für \nPro/ENGINEER zur Umbenennung von \n"_s));
    QVERIFY(text.contains(u"\nEs können nicht mehr als 20 Teile auf einmal umbenannt werden !\n"_s));
    QVERIFY(text.endsWith(u"Sie Aktionen mit diesen Makros \ndurchführen !\n"_s));
    QCOMPARE(text.count(u'\n'), 16);

    auto *asleep = info->findChild<QWidget *>(u"Image1"_s);
    auto *awake = info->findChild<ImageButton *>(u"Image2"_s);
    QVERIFY(asleep->isVisible() && !awake->isVisible());
    hover(asleep, asleep->rect().center());
    QVERIFY(awake->isVisible() && !asleep->isVisible());
    hover(info, QPoint(5, info->height() - 5));
    QVERIFY(asleep->isVisible() && !awake->isVisible());
    QTest::mouseClick(info->findChild<QWidget *>(u"Label5"_s), Qt::LeftButton);
    QCOMPARE(win.platform.opened, QList<QUrl>{QUrl(u"https://velmorant.example.org"_s)});
    hover(asleep, asleep->rect().center());
    QTest::mouseClick(awake, Qt::LeftButton);
    QTRY_COMPARE(infoWindows().size(), 0);
    win.click("cmd_info"); // Escape presses "ist ja gut"
    infoWindows().first()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(infoWindows().first()));
    QTest::keyClick(infoWindows().first(), Qt::Key_Escape);
    QTRY_COMPARE(infoWindows().size(), 0);
}

// The three texts come back at the next start as they were, from the
// program's own store under the keys and section earlier versions used;
// the way-back box, off at first, and the users' box, ticked at first, are
// remembered as soon as they change.
// Closing the main window closes the Info window too.
void TestWindowFiles::shutdownAndRestart()
{
    Window win;
    const QString ini = win.platform.path(u"Velmorant/Velmorant.ini"_s);
    const QString folder = win.platform.path(u"volumeB/sub"_s);
    win.setText("txt_rename", QString());
    win.setText("txt_renameNEU", QString(40000, u'b'));
    win.setText("txt_path", folder);
    auto *wayBack = win.get<QCheckBox>("chk_rueckweg");
    QVERIFY(!wayBack->isChecked());
    QTest::keyClick(wayBack, Qt::Key_Space);
    auto *users = win.get<QCheckBox>("chk_Verwender");
    QVERIFY(users->isChecked());
    QTest::keyClick(users, Qt::Key_Space);
    win.click("cmd_info");
    win.click("img_EXIT");
    QVERIFY(!win.w->isVisible());
    QTRY_COMPARE(infoWindows().size(), 0);
    COMPARE_BYTES(TestSupport::readBytes(ini),
                  "[Optionen]\nchk_Verwender.Value=false\nchk_rueckweg.Value=true\ntxt_path.Text=" + folder.toUtf8()
                      + "\ntxt_rename.Text=\ntxt_renameNEU.Text=" + QByteArray(40000, 'b') + "\n");
    QVERIFY(TestSupport::writeBytes(ini,
                                    "[Optionen]\nchk_rueckweg.Value=true\ntxt_rename.Text=Gr\xC3\xB6\xC3\x9F"
                                    "e\ntxt_path.Text="
                                        + folder.toUtf8() + "\n"));
    win.open();
    QCOMPARE(win.text("txt_rename"), u"Größe"_s);
    QCOMPARE(win.text("txt_renameNEU"), u"NewName123"_s);
    QCOMPARE(win.text("txt_path"), folder);
    QCOMPARE(win.chooser()->dirPath(), folder);
    QVERIFY(win.get<QCheckBox>("chk_rueckweg")->isChecked());
    QVERIFY(win.get<QCheckBox>("chk_Verwender")->isChecked());
}

// The road of the working folder: its parts and assemblies read into the
// old list, the folder (chosen relative to the current folder) becoming the
// check folder, shown and remembered absolute; the new names by the rule;
// the folder's findings per row; the drawings added; the folder read again
// before the question; the check folder gone at the next start, which the
// question before writing says; set and cleared on its own. Without a
// check folder "Verwendung …" says what it needs.
void TestWindowFiles::workingFolder()
{
    Window win;
    win.click("cmd_verwendung");
    auto *usage = win.w->findChild<QDialog *>(u"frm_Verwendung"_s);
    QCOMPARE(usage->findChild<QPlainTextEdit *>(u"txt_verwendung"_s)->toPlainText(),
             u"Die Verwendung braucht einen Prüfordner (Prüfordner …)"_s);
    usage->reject();
    const QString folder = win.platform.path(u"arbeit"_s);
    const QString before = QDir::currentPath();
    const auto back = qScopeGuard([&before] { QDir::setCurrent(before); });
    QVERIFY(QDir::setCurrent(win.platform.path({})));
    QVERIFY(QDir().mkpath(folder));
    for (const char *file : {"welle.prt.1", "WELLE.PRT.3", "welle.drw.2", "lager.asm.1", "lagar.asm.1", "notiz.txt"})
        QVERIFY(TestSupport::writeBytes(folder + u'/' + QLatin1String(file), {}));
    auto *check = win.get<QLabel>("lbl_pruefung");
    win.click("cmd_ordnerEinlesen");
    auto *dialog = win.w->findChild<frm_Ordner *>();
    // Pasted as a spreadsheet cell copies it, with its line end.
    QGuiApplication::clipboard()->setText(folder + u"/fehlt\n"_s);
    dialog->txt_ordner->selectAll();
    QTest::keySequence(dialog->txt_ordner, QKeySequence::Paste);
    QTest::mouseClick(dialog->cmd_uebernehmen, Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->lbl_anzahl->text(), u"Fehler: Ordner nicht gefunden: "_s + folder + u"/fehlt"_s);
    win.platform.fileAnswer = u"arbeit"_s;
    QTest::mouseClick(dialog->cmd_waehlen, Qt::LeftButton);
    dialog->txt_filter->setText(u"*E*"_s);
    dialog->findChild<QCheckBox *>(u"chk_drw"_s)->setChecked(false);
    QTRY_COMPARE(dialog->lbl_anzahl->text(), u"Übernommen würden 2 Objekte (1 Teil, 1 Baugruppe)"_s);
    QCOMPARE(dialog->lbl_ziel->text(), u"Die Objekte kommen in die Liste „alter Name“."_s);
    QCOMPARE(dialog->lbl_pruefordner->text(), u"Neuer Prüfordner: "_s + folder);
    QTest::mouseClick(dialog->cmd_uebernehmen, Qt::LeftButton);
    QCOMPARE(win.oldList()->entries(), names("welle.prt lager.asm"));
    QCOMPARE(win.status(), u"2 Objekte (1 Teil, 1 Baugruppe) aus arbeit übernommen"_s);
    // Opened again for the other list: the check folder, the filter and
    // the types as taken.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    win.get<QRadioButton>("Option2")->setChecked(true);
    win.click("cmd_ordnerEinlesen");
    dialog = win.w->findChild<frm_Ordner *>();
    QCOMPARE(dialog->lbl_ziel->text(), u"Die Objekte kommen in die Liste „neuer Name“."_s);
    QCOMPARE(dialog->txt_ordner->text() + dialog->txt_filter->text(), folder + u"*E*"_s);
    QVERIFY(!dialog->findChild<QCheckBox *>(u"chk_drw"_s)->isChecked());
    QCOMPARE(dialog->lbl_pruefordner->text(), u"Prüfordner bleibt: "_s + folder);
    dialog->reject();
    win.click("cmd_zeichnungen");
    QCOMPARE(win.status(),
             u"Achtung: Die Listen haben eine unterschiedliche Anzahl von Elementen, keine Zeichnungen "
             u"ergänzt"_s);
    win.setText("txt_rename", u"e"_s);
    win.setText("txt_renameNEU", u"a"_s);
    win.click("cmd_action");
    const QString left = u"Zeile 1: Warnung: Zeichnung welle.drw bleibt zurück, sie ist nicht in der Liste "_s
                         u"(Zeichnungen ergänzen): welle.prt"_s;
    QCOMPARE(shownTip(check->toolTip()),
             u"Prüfung gegen "_s + folder + u": 1 Fehler, 1 Warnung; 4 Dateien: kein Objekt"_s);
    QCOMPARE(shownTip(win.oldList()->model()->index(0, 0).data(Qt::ToolTipRole).toString()), left);
    win.click("cmd_zeichnungen");
    QCOMPARE(win.oldList()->entries(), names("welle.prt lager.asm welle.drw"));
    QCOMPARE(win.newList()->entries(), names("walle.prt lagar.asm walle.drw"));
    QCOMPARE(win.status(), u"1 Zeichnung ergänzt"_s);
    win.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
    QTest::keySequence(win.oldList(), QKeySequence::Undo);
    QCOMPARE(win.newList()->entries(), names("walle.prt lagar.asm"));
    QVERIFY(QFile::rename(folder + u"/lagar.asm.1"_s, folder + u"/walle.prt.1"_s));
    QCOMPARE(win.generate(u"Abbrechen"_s),
             QStringList{u"Velmorant | Die Prüfung der Namen meldet 1 Fehler, 1 Warnung:\n\n"_s
                         u"Zeile 1: Fehler: neuer Name im Ordner schon vergeben (walle.prt): walle.prt\n"_s
                         + left + u"\n\nrename.pro trotzdem erstellen? | &Trotzdem erstellen, Abbrechen*"_s});

    QCOMPARE(win.platform.openSettings()->value(u"Pruefordner"_s).toString(), folder);
    // The start reads no check folder; the check reads it when it first
    // needs it, and then tells that it is gone.
    QVERIFY(QDir(folder).removeRecursively());
    win.open();
    QCOMPARE(win.status(), u"Status"_s);
    // No output folder chosen yet: the chooser starts at the check folder,
    // and offers it once another folder is typed.
    QCOMPARE(win.text("txt_path"), folder);
    win.setText("txt_path", win.platform.path(u"volumeB"_s));
    win.get<QPushButton>("cmd_Pruefordner")->click();
    QCOMPARE(win.text("txt_path"), folder);
    QCOMPARE(shownTip(win.get<QLabel>("lbl_pruefung")->toolTip()), u"Prüfung gegen "_s + folder + u": keine Befunde"_s);
    win.oldList()->setEntries({u"a.prt"_s});
    win.newList()->setEntries({u"b.prt"_s});
    QCOMPARE(shownTip(win.get<QLabel>("lbl_pruefung")->toolTip()),
             u"Prüfung ohne Ordner ("_s + folder + u" nicht gefunden): keine Befunde"_s);
    QCOMPARE(win.status(), u"Status"_s);
    QCOMPARE(win.generate(u"Abbrechen"_s),
             QStringList{u"Velmorant | Die Paare konnten nicht gegen den Prüfordner geprüft werden: "_s + folder
                         + u" nicht gefunden.\n\nrename.pro trotzdem erstellen? | &Trotzdem erstellen, Abbrechen*"_s});
    win.click("cmd_ohnePruefordner");
    QCOMPARE(win.get<QLabel>("lbl_pruefung")->text(), u"Prüfung: keine Befunde"_s);
    QVERIFY(win.get("cmd_Pruefordner")->isHidden());
    QCOMPARE(win.platform.openSettings()->value(u"Pruefordner"_s).toString(), QString());
    win.platform.fileAnswer = win.platform.path(u"volumeB"_s);
    win.click("cmd_pruefordner");
    QCOMPARE(win.status(), u"Prüfordner "_s + win.platform.fileAnswer + u" gelesen: 0 Objekte"_s);
}

// After a run that stopped: the run's marks in both lists beside the name
// check's (state and tooltip per row), the check line's result, and each
// command on it, until the lists change. The check folder holds an earlier
// way back, or a folder in its place; the output field names another.
void TestWindowFiles::afterARun_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("folderInTheWay");
    QTest::addColumn<QString>("status"); // %2 the check folder
    QTest::newRow("marks and line, gone with an edit") << QString() << false << u"Prüfordner %2 gelesen: 5 Objekte"_s;
    QTest::newRow("open pairs kept, one undo step")
        << u"cmd_offeneUebernehmen"_s << false << u"1 offenes Paar übernommen"_s;
    QTest::newRow("way back for the done pairs")
        << u"cmd_rueckwegErledigte"_s << false
        << u"Datei rename_zurueck.pro wurde gespeichert in %2; frühere Rückweg-Datei aufbewahrt als "
           u"rename_zurueck_2026-01-02_03-04-05.pro"_s;
    QTest::newRow("way back for the done pairs, not written and why")
        << u"cmd_rueckwegErledigte"_s << true
        << u"Fehler: Datei rename_zurueck.pro konnte nicht gespeichert werden in %2: Ist ein Ordner"_s;
}

void TestWindowFiles::afterARun()
{
    QFETCH(QString, command);
    QFETCH(bool, folderInTheWay);
    QFETCH(QString, status);
    Window win;
    const QString folder = win.platform.path(u"arbeit"_s);
    QVERIFY(QDir().mkpath(folder));
    for (const char *file : {"neu1.prt.2", "neu2.asm.1", "c.prt.1", "x.prt.1", "y.prt.1"})
        QVERIFY(TestSupport::writeBytes(folder + u'/' + QLatin1String(file), {}));
    const QStringList oldNames = names("alt1.prt alt2.asm c.prt x.prt");
    win.oldList()->setEntries(oldNames);
    win.newList()->setEntries(names("neu1 neu2.asm d.prt"));
    auto *run = win.get<QPushButton>("cmd_laufPruefen");
    win.platform.fileAnswer = folder;
    win.click("cmd_pruefordner");
    QVERIFY(!run->isEnabled());
    win.fill(win.newList(), {u"y.prt"_s});
    QVERIFY(run->isEnabled() && !win.get("cmd_offeneUebernehmen")->isEnabled());
    win.click("cmd_laufPruefen");
    auto *line = win.get<QLabel>("lbl_pruefung");
    // The run's result first; the folder rules judge none of the pairs the
    // run judged.
    const QString runLine = u"Lauf: 2 von 4 Paaren erledigt, 1 offen, 1 unklar, 0 Abweichungen"_s;
    QCOMPARE(shownTip(line->toolTip()),
             runLine + u"; Prüfung gegen "_s + folder + u": 1 Fehler; 5 Dateien: kein Objekt"_s);
    QVERIFY(win.get<FittedLabel>("lbl_pruefung")->shownText().startsWith(runLine));
    const auto mark = [](NameListView *list, int row) {
        const QModelIndex index = list->model()->index(row, 0);
        return index.data(NameListModel::RunRole).toString() + shownTip(index.data(Qt::ToolTipRole).toString());
    };
    const QString done = QString::number(int(RunCheck::State::Done));
    QCOMPARE(mark(win.oldList(), 1), done + u"erledigt"_s);
    QVERIFY(!win.oldList()->model()->index(1, 0).data(NameListModel::MarkRole).toInt());
    QCOMPARE(mark(win.newList(), 2), QString::number(int(RunCheck::State::Open)) + u"offen"_s);
    QCOMPARE(mark(win.newList(), 3),
             QString::number(int(RunCheck::State::Unclear))
                 + u"Zeile 4: Fehler: neuer Name im Ordner schon vergeben (y.prt): y.prt\n"
                   u"unklar\nZeile 4: Abweichung: nicht eindeutig, x.prt und y.prt sind beide da"_s);
    // The way back goes where the run was, not where the output field
    // points; an earlier way back there is kept, as "OK" keeps it.
    QVERIFY(folderInTheWay ? QDir(folder).mkdir(u"rename_zurueck.pro"_s)
                           : TestSupport::writeDated(folder + u"/rename_zurueck.pro"_s, "alt\r\n",
                                                     QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))));
    win.setText("txt_path", win.platform.path(u"volumeB"_s));
    if (!command.isEmpty())
        win.click(command.toLatin1().constData());
    QCOMPARE(win.status(), status.replace(u"%2"_s, folder));
    if (command == u"cmd_rueckwegErledigte" && !folderInTheWay)
        COMPARE_BYTES(TestSupport::readBytes(folder + u"/rename_zurueck.pro"_s),
                      TestSupport::readBytes(QFINDTESTDATA(u"data/two-pairs-back.pro"_s)));
    if (command == u"cmd_offeneUebernehmen") {
        QCOMPARE(win.oldList()->entries() + win.newList()->entries(), names("c.prt d.prt"));
        QTest::keySequence(win.oldList(), QKeySequence::Undo);
        QCOMPARE(win.oldList()->entries() + win.newList()->entries(), oldNames + names("neu1 neu2.asm d.prt y.prt"));
    } else {
        win.fill(win.newList(), {u"z.prt"_s});
    }
    QVERIFY(line->text().startsWith(u"Prüfung gegen"_s));
    QVERIFY(!win.oldList()->model()->index(0, 0).data(NameListModel::RunRole).isValid());
    QVERIFY(!win.get("cmd_rueckwegErledigte")->isEnabled());
}

// A check folder holding object files as Creo 4 writes them, an assembly
// among them that uses an old name: the row's tooltip names it and the
// check line counts it; with "Verwender mitnehmen" rename.pro opens it
// before the first rename and saves it after the last, without it the
// question before writing warns of it.
void TestWindowFiles::usersOfAnOldName_data()
{
    QTest::addColumn<bool>("taking");
    QTest::addColumn<QString>("finding");
    QTest::addColumn<QString>("line"); // %1 the folder
    QTest::addColumn<QStringList>("questions");
    const QString warning = u"Zeile 1: Warnung: welle.prt wird verwendet von baugruppe.asm, die der Lauf nicht "_s
                            u"öffnet (Verwender mitnehmen)"_s;
    QTest::newRow("taken along") << true << QString() << u"Prüfung gegen %1: keine Befunde; 1 Verwender mitgenommen"_s
                                 << QStringList{};
    QTest::newRow("left behind, a warning")
        << false << warning << u"Prüfung gegen %1: 1 Warnung"_s
        << QStringList{u"Velmorant | Die Prüfung der Namen meldet 1 Warnung:\n\n"_s + warning
                       + u"\n\nrename.pro trotzdem erstellen? | &Trotzdem erstellen, Abbrechen*"_s};
}

void TestWindowFiles::usersOfAnOldName()
{
    QFETCH(bool, taking);
    QFETCH(QString, finding);
    QFETCH(QString, line);
    Window win;
    const QString folder = win.platform.path(u"arbeit"_s);
    QVERIFY(QDir().mkpath(folder));
    using UsageFixtures::creo4Object;
    QVERIFY(TestSupport::writeBytes(folder + u"/baugruppe.asm.2"_s, creo4Object({{"WELLE", "prt"}, {"LAGER", "prt"}})));
    QVERIFY(TestSupport::writeBytes(folder + u"/welle.prt.1"_s, creo4Object({}, "PART")));
    if (!taking)
        win.get<QCheckBox>("chk_Verwender")->click();
    win.platform.fileAnswer = folder;
    win.click("cmd_pruefordner");
    win.oldList()->setEntries({u"welle.prt"_s});
    win.newList()->setEntries({u"achse.prt"_s});
    QCOMPARE(shownTip(win.oldList()->model()->index(0, 0).data(Qt::ToolTipRole).toString()),
             (finding.isEmpty() ? QString() : finding + u'\n') + u"Verwendet von: baugruppe.asm"_s);
    QCOMPARE(shownTip(win.get<QLabel>("lbl_pruefung")->toolTip()), line.arg(folder));
    QTEST(win.generate(), "questions");
    // The names a mapkey of the output opens, in its order.
    const auto opened = [&win](const QString &mapkey) {
        const QString text = win.output();
        const qsizetype start = text.indexOf(u"mapkey "_s + mapkey + u" ~"_s);
        static const QRegularExpression name(u"`Inputname` `([^`]*)`"_s);
        QStringList found;
        for (const QRegularExpressionMatch &m :
             name.globalMatch(text.mid(start, text.indexOf(u"\n\n"_s, start) - start)))
            found << m.captured(1);
        return found;
    };
    QCOMPARE(opened(u"CallALLNow"_s), taking ? names("baugruppe.asm welle.prt") : names("welle.prt"));
    QCOMPARE(opened(u"saveALLNow"_s), taking ? names("achse.prt baugruppe.asm") : names("achse.prt"));
}

QTEST_MAIN(TestWindowFiles)
#include "tst_window_files.moc"

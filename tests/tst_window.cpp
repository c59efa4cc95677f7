#include "WindowFixture.h"
#include "ui/lists/NameListModel.h"
#include "ui/lists/UndoBudget.h"
#include "ui/widgets/OneLineEdit.h"
#include "ui/workingfolder/frm_Ordner.h"

namespace {

// A step of a script: "right:old", "left:new", "middle:old", "click:new",
// "tab:new" (the list gains the focus by Tab), a key such as "Down:old" or
// "Shift+F10:new", "exit:" (the panel's close box).
void perform(Window &win, const QString &step)
{
    const QString action = step.section(u':', 0, 0);
    NameListView *list = step.section(u':', 1) == u"new" ? win.newList() : win.oldList();
    if (action == u"exit")
        win.click("Image_EXIT");
    else if (action == u"tab")
        list->setFocus(Qt::TabFocusReason);
    else if (action.front().isUpper()) // a key
        QTest::keySequence(list, QKeySequence(action));
    else if (action == u"click")
        win.press(list, Qt::LeftButton, 0);
    else
        win.press(list, action == u"right" ? Qt::RightButton : action == u"left" ? Qt::LeftButton : Qt::MiddleButton);
}

// What a drag and drop of `mime` onto `target` delivers.
void drop(QWidget *target, QMimeData *mime)
{
    const std::unique_ptr<QMimeData> owned(mime);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
}

void activate(Window &win)
{
    win.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void startUpState();
    void panelAndCurrentList_data();
    void panelAndCurrentList();
    void listEdits_data();
    void listEdits();
    void pasteIntoOneLineFields_data();
    void pasteIntoOneLineFields();
    void marksFollowEdits();
    void undoForgetsTheOldestSteps();
    void listsScrollTogether_data();
    void listsScrollTogether();
    void fullList();
    void resize_data();
    void resize();
    void widthSwitch();
};

void TestWindow::startUpState()
{
    Window win;
    QCOMPARE(win.w->windowTitle(), u"Velmorant"_s);
    QCOMPARE(win.w->windowIcon().pixmap(16).size(), QSize(16, 16));
    QCOMPARE(win.text("txt_rename"), u"OldName123"_s);
    QCOMPARE(win.text("txt_renameNEU"), u"NewName123"_s);
    QCOMPARE(win.text("txt_path"), win.platform.path(u"design"_s));
    QVERIFY(win.panelShown() && !win.newListCurrent());
    QVERIFY(!win.chooser()->isVisible() && !win.get("cmd_openmFile")->isVisible());
    QVERIFY(win.get("imgOpen")->isVisible() && !win.get("imgclose")->isVisible());
    QCOMPARE(win.w->frameGeometry().size(), QSize(px(9200), px(8000)));
    QCOMPARE(win.get("cmd_mapkeyNow")->y(), px(6360));
    QCOMPARE(win.chooser()->dirPath(), win.platform.path(u"start"_s));
    QCOMPARE(win.get<QComboBox>("Drive1")->currentText(), QDir::rootPath());
    QCOMPARE(win.status(), u"Status"_s);
    // The panel stands above the lists it covers.
    QWidget *atPanel = win.w->childAt(win.get("kontextmenue")->geometry().topLeft() + QPoint(3, 3));
    QVERIFY(win.get("kontextmenue")->isAncestorOf(atPanel));
    // An empty list shows that Tab brought the focus to it.
    activate(win);
    const QImage unfocused = win.oldList()->viewport()->grab().toImage();
    win.newList()->setFocus();
    QTest::keyClick(win.newList(), Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(win.oldList()->viewport()->grab().toImage() != unfocused);
}

void TestWindow::panelAndCurrentList_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("panelShown");
    QTest::addColumn<bool>("newCurrent");
    QTest::newRow("right press on new list") << u"right:new"_s << true << true;
    QTest::newRow("left press closes") << u"left:old"_s << false << false;
    QTest::newRow("left press on new list") << u"left:new"_s << false << true;
    QTest::newRow("click on an entry") << u"right:new click:new"_s << false << true;
    QTest::newRow("close box") << u"exit:"_s << false << false;
    QTest::newRow("reopened on the old list") << u"right:new left:new right:old"_s << true << false;
    QTest::newRow("middle press does nothing") << u"middle:new"_s << true << false;
    QTest::newRow("middle press on hidden panel") << u"left:new middle:old"_s << false << true;
    QTest::newRow("tab into a list is no click") << u"tab:new"_s << true << false;
    QTest::newRow("arrow key is a click") << u"tab:new Down:new"_s << false << true;
    QTest::newRow("Menu key, the mark kept") << u"click:new Menu:new"_s << true << true;
    QTest::newRow("Shift+F10") << u"right:new left:new Shift+F10:old"_s << true << false;
}

void TestWindow::panelAndCurrentList()
{
    QFETCH(QString, steps);
    QFETCH(bool, panelShown);
    QFETCH(bool, newCurrent);
    Window win;
    activate(win);
    win.oldList()->setEntries({u"a"_s});
    win.newList()->setEntries({u"b"_s, u"c"_s});
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts))
        perform(win, step);
    QCOMPARE(win.panelShown(), panelShown);
    QCOMPARE(win.newListCurrent(), newCurrent);
    QCOMPARE(win.get<QRadioButton>("Option1")->isChecked(), !newCurrent);
    QCOMPARE(win.newList()->selectedRow(), steps.contains(u"click:new") ? 0 : steps.contains(u"Down:new") ? 1 : -1);
    if (panelShown) {
        win.click("cmd_hinzu");
        QCOMPARE(win.oldList()->count(), newCurrent ? 1 : 2);
    }
}

// Every command that changes a list, by panel, keyboard or drop, reaches
// the list it acts on and is one undo step. The lists start as "a b c" and
// "b y z"; `list` is made current, marked at `selected`, focused or dropped
// on (or the "window"); `input` is what the step takes: the text typed or
// pasted, a file's content ("/" makes the file a folder; an empty one to
// open is missing; one that starts with a byte-order mark is UTF-8, any
// other Latin-1), or, for "field>command", the text of that field (the
// rule's fields hold "b" and "q"). "Ordner einlesen" reads the folder "/"
// holding welle.prt.1, with the check folder box ticked or, after "-", not.
// For a deletion, `input` holds the list's entries before instead. "Enter"
// goes to the single entry's field, "Enter:field" to another.
// The status replaces an earlier error, or leaves it where none is given;
// "@" stands for the file's path.
void TestWindow::listEdits_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("oldAfter");
    QTest::addColumn<QStringList>("newAfter");
    QTest::addColumn<bool>("panelShown");
    QTest::addColumn<QString>("status");
    const auto row = [](const char *name, const char *step, const char *list, int selected, const QString &input,
                        const char *oldAfter, const char *newAfter, bool panel, const QString &status = QString()) {
        QTest::newRow(name) << QString::fromLatin1(step) << QString::fromLatin1(list) << selected << input
                            << names(oldAfter) << names(newAfter) << panel << status;
    };
    const QString lineBreak = u"Achtung: Ein Eintrag darf keinen Zeilenumbruch enthalten"_s;
    const QString taken = u"2 Einträge übernommen"_s;
    const QString onePair = u"1 Paar übernommen"_s;
    row("add", "cmd_hinzu", "new", -1, u"n"_s, "a b c", "b y z n", true, u"1 Eintrag übernommen"_s);
    row("delete marked, the first of equal entries", "cmd_del", "new", 0, u"b b z"_s, "a b c", "b z", false);
    row("pair deleted", "cmd_paarLoeschen", "old", 1, QString(), "a c", "b z", false, u"Paar 2 gelöscht"_s);
    row("pair deleted from the new names' panel", "cmd_paarLoeschen", "new", 2, QString(), "a b", "b y", false,
        u"Paar 3 gelöscht"_s);
    row("no pair marked", "cmd_paarLoeschen", "new", -1, QString(), "a b c", "b y z", false,
        u"Achtung: Kein Eintrag markiert, kein Paar gelöscht"_s);
    row("unchanged pairs removed", "cmd_unveraendert", "new", -1, u"A y c"_s, "b", "y", true,
        u"2 unveränderte Paare entfernt"_s);
    row("clear", "clear", "new", -1, QString(), "a b c", "", false);
    row("paste", "paste", "new", -1, u"p\r\nq"_s, "a b c", "b y z p q", false, taken);
    row("open the list file", "open", "new", 1, u"b\r\ny\r\nf2"_s, "a b c", "b y f2", false,
        u"3 Einträge übernommen"_s);
    row("save the list file", "save", "new", -1, QString(), "a b c", "b y z", false, u"Liste gespeichert: @"_s);
    row("open a missing list file", "open", "new", -1, QString(), "a b c", "b y z", false,
        u"Fehler: Listendatei nicht gefunden: @"_s);
    row("open a list file in UTF-8", "open", "new", -1, u"\uFEFFStraße\r\nŁ"_s, "a b c", "Straße Ł", false, taken);
    row("open a file that is no text", "open", "new", -1, u"x\0y"_s, "a b c", "b y z", false,
        u"Fehler: Listendatei ist keine Textdatei: @"_s);
    row("open a folder", "open", "new", -1, u"/"_s, "a b c", "b y z", false,
        u"Fehler: Listendatei ist keine Datei: @"_s);
    row("save onto a folder", "save", "new", -1, u"/"_s, "a b c", "b y z", false,
        u"Fehler: Liste konnte nicht gespeichert werden: @: Ist ein Ordner"_s);
    const QString ruleApplied = u"Regel angewandt: 1 von 3 Namen geändert"_s;
    row("rule", "cmd_action", "new", 1, QString(), "a b c", "a q c", true, ruleApplied);
    row("Enter in the replacement", "Enter:txt_renameNEU", "old", -1, QString(), "a b c", "a q c", true, ruleApplied);
    row("generation cleans the old names", "cmd_mapkeyNow", "old", 1, QString(), "a b c", "b y z", true);
    row("line break in the expression", "txt_rename>cmd_action", "new", -1, u"x\r\ny"_s, "a b c", "b y z", true,
        lineBreak);
    row("line break in the replacement", "txt_renameNEU>cmd_action", "new", -1, u"x\ny"_s, "a b c", "b y z", true,
        lineBreak);
    row("line break in the single entry", "cmd_hinzu", "old", -1, u"x\ry"_s, "a b c", "b y z", true, lineBreak);
    row("table paste", "cmd_tabelle", "old", -1, u"t1\tt2\r\n"_s, "a b c t1", "b y z t2", true, onePair);
    row("table paste refused", "cmd_tabelle", "old", -1, u"t1;t2\r\nt3"_s, "a b c", "b y z", true,
        u"Achtung: Zeile 2 der Tabelle hat 1 statt 2 Spalten (getrennt durch Tabulator oder Semikolon), nichts "
        u"übernommen"_s);
    row("chain ordering", "cmd_ordnen", "old", -1, QString(), "b a c", "y b z", true,
        u"Reihenfolge geordnet: 2 Paare verschoben"_s);
    row("drawings without a check folder", "cmd_zeichnungen", "old", -1, QString(), "a b c", "b y z", true,
        u"Zeichnungen ergänzen braucht einen Prüfordner (Prüfordner …)"_s);
    row("folder read behind the list's names", "cmd_ordnerEinlesen", "old", -1, u"/"_s, "a b c welle.prt", "b y z",
        true, u"1 Objekt (1 Teil) aus @ übernommen"_s);
    row("folder read, not as the check folder", "cmd_ordnerEinlesen-", "new", -1, u"/"_s, "a b c", "b y z welle.prt",
        true, u"1 Objekt (1 Teil) aus @ übernommen"_s);
    row("pairs saved", "cmd_paareSpeichern", "old", -1, QString(), "a b c", "b y z", true, u"Paare gespeichert in @"_s);
    row("pairs not saved", "cmd_paareSpeichern", "old", -1, u"/"_s, "a b c", "b y z", true,
        u"Fehler: Paare konnten nicht gespeichert werden: @: Ist ein Ordner"_s);
    row("pairs file", "cmd_paareOeffnen", "old", 1, u"p;q\r\nr;s\r\nt;u"_s, "p r t", "q s u", true,
        u"3 Paare übernommen"_s);
    row("bad pairs file", "cmd_paareOeffnen", "old", -1, u"a;b;c"_s, "a b c", "b y z", true,
        u"Achtung: Zeile 1 der Datei hat 3 statt 2 Spalten (getrennt durch Tabulator oder Semikolon), nichts übernommen"_s);
    row("Enter in the single entry", "Enter", "old", -1, u"k"_s, "a b c k", "b y z", true, u"1 Eintrag übernommen"_s);
    row("Delete, among equal entries", "Delete", "new", 1, u"z z z"_s, "a b c", "z z", true);
    row("Shift+Delete", "Shift+Del", "new", 2, QString(), "a b", "b y", true, u"Paar 3 gelöscht"_s);
    row("Ctrl+V", "Ctrl+V", "new", -1, u"v1\nv2"_s, "a b c", "b y z v1 v2", true, taken);
    row("Ctrl+Shift+V", "Ctrl+Shift+V", "old", -1, u"t1;t2"_s, "a b c t1", "b y z t2", true, onePair);
    row("Alt+Up", "Alt+Up", "old", 1, QString(), "b a c", "b y z", true);
    row("Alt+Down", "Alt+Down", "new", 1, QString(), "a b c", "b z y", true);
    row("Alt+Down on the last row", "Alt+Down", "old", 2, QString(), "a b c", "b y z", true);
    row("Alt+Up on the first row", "Alt+Up", "old", 0, QString(), "a b c", "b y z", true);
    row("F2", "F2", "new", 1, u"e"_s, "a b c", "b e z", true, u"Zeile 2 geändert"_s);
    row("F2 refuses a line break", "F2", "old", 1, u"e\u2029f"_s, "a b c", "b y z", true, lineBreak);
    row("F2 takes a pasted cell", "F2+Ctrl+V", "new", 1, u"e\n"_s, "a b c", "b e z", true, u"Zeile 2 geändert"_s);
    row("file dropped on a list", "drop:file", "new", -1, u"d1\r\nd2"_s, "a b c", "d1 d2", true, taken);
    row("text dropped on a list", "drop:text", "old", -1, u"d1\nd2"_s, "a b c d1 d2", "b y z", true, taken);
    row("web address dropped on a list", "drop:web", "old", -1, u"d1"_s, "a b c", "b y z", true,
        u"Achtung: Keine lokale Datei, nichts übernommen: https://example.org/d1"_s);
    row("pairs file dropped on the window", "drop:file", "window", -1, u"d1;d2"_s, "d1", "d2", true, onePair);
    row("folder dropped on the window", "drop:file", "window", -1, u"/"_s, "a b c", "b y z", true,
        u"Fehler: Paardatei ist keine Datei: @"_s);
    row("two files dropped on the window", "drop:files", "window", -1, u"d1"_s, "a b c", "b y z", true,
        u"Achtung: Bitte nur eine Datei ablegen (2 abgelegt), nichts übernommen"_s);
}

void TestWindow::listEdits()
{
    QFETCH(QString, step);
    QFETCH(QString, list);
    QFETCH(int, selected);
    QFETCH(QString, input);
    QFETCH(QStringList, oldAfter);
    QFETCH(QStringList, newAfter);
    QFETCH(bool, panelShown);
    QFETCH(QString, status);
    Window win;
    activate(win);
    win.get<QLabel>("lbl_status")->setText(u"Fehler: vorher"_s);
    QStringList oldBefore = names("a b c");
    QStringList newBefore = names("b y z");
    if (QStringList{u"cmd_del"_s, u"Delete"_s, u"cmd_unveraendert"_s}.contains(step) && !input.isEmpty())
        (list == u"new" ? newBefore : oldBefore) = input.split(u' ');
    win.oldList()->setEntries(oldBefore);
    win.newList()->setEntries(newBefore);
    NameListView *target = list == u"new" ? win.newList() : win.oldList();
    // Only the left button marks: the right press lands on the first row.
    if (selected >= 0)
        win.press(target, Qt::LeftButton, selected);
    win.press(target, Qt::RightButton, 0);
    target->setFocus();
    auto *text1 = win.get<QLineEdit>("Text1");
    text1->setText(input);
    win.setText("txt_rename", u"b"_s);
    win.setText("txt_renameNEU", u"q"_s);
    if (step.contains(u'>')) {
        win.setText(step.section(u'>', 0, 0).toLatin1().constData(), input);
        step = step.section(u'>', 1);
    }
    QGuiApplication::clipboard()->setText(input);
    const QString file = win.platform.path(step == u"open" || step == u"save" ? u"program/Velmorant_renNEW.txt"_s
                                                                              : u"dropped.txt"_s);
    if (input == u"/") // a folder where a file belongs
        QVERIFY(QDir().mkpath(file));
    else if (!input.isEmpty() || step != u"open")
        QVERIFY(TestSupport::writeBytes(file, input.startsWith(u'\uFEFF') ? input.toUtf8() : input.toLatin1()));
    win.platform.fileAnswer = file;
    if (step == u"Enter") {
        text1->setFocus();
        QTest::keyClick(text1, Qt::Key_Return);
        QCOMPARE(text1->selectedText(), input);
    } else if (step.startsWith(u"Enter:")) {
        QTest::keyClick(win.get(step.section(u':', 1).toLatin1().constData()), Qt::Key_Return);
    } else if (step.startsWith(u"F2")) {
        QTest::keyClick(target, Qt::Key_F2);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor && editor != text1);
        if (step == u"F2") {
            editor->setText(input);
        } else {
            editor->clear();
            QTest::keySequence(editor, QKeySequence::Paste);
        }
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    } else if (step.startsWith(u"drop:")) {
        auto *mime = new QMimeData;
        mime->setText(input);
        if (step == u"drop:web")
            mime->setUrls({QUrl(u"https://example.org/"_s + input)});
        else if (step != u"drop:text")
            mime->setUrls(QList<QUrl>(step == u"drop:files" ? 2 : 1, QUrl::fromLocalFile(file)));
        drop(list == u"window" ? static_cast<QWidget *>(win.w.get()) : target->viewport(), mime);
    } else if (step.front().isUpper()) {
        QTest::keySequence(target, QKeySequence(step));
    } else if (step.startsWith(u"cmd_ordnerEinlesen")) {
        QVERIFY(TestSupport::writeBytes(file + u"/welle.prt.1"_s, {}));
        win.click("cmd_ordnerEinlesen");
        auto *dialog = win.w->findChild<frm_Ordner *>();
        dialog->txt_ordner->setText(file);
        dialog->chk_pruefordner->setChecked(!step.endsWith(u'-'));
        QTest::mouseClick(dialog->cmd_uebernehmen, Qt::LeftButton);
        QCOMPARE(shownTip(win.get<QLabel>("lbl_pruefung")->toolTip()).startsWith(u"Prüfung gegen "_s + file),
                 !step.endsWith(u'-'));
    } else if (step == u"cmd_mapkeyNow") {
        win.generate(); // asks about "b", an old name that comes back as a new one
        activate(win);
    } else {
        win.click(step.toLatin1().constData());
    }
    QCOMPARE(win.oldList()->entries(), oldAfter);
    QCOMPARE(win.newList()->entries(), newAfter);
    QCOMPARE(win.panelShown(), panelShown);
    QCOMPARE(win.status(), status.isNull() ? u"Fehler: vorher"_s : QString(status).replace(u'@', file));
    if (step == u"save" && input.isEmpty())
        COMPARE_BYTES(TestSupport::readBytes(file), "b\r\ny\r\nz\r\n");
    if (step == u"cmd_paareSpeichern" && input.isEmpty())
        COMPARE_BYTES(TestSupport::readBytes(file), "alter Name;neuer Name\r\na;b\r\nb;y\r\nc;z\r\n");
    // A moved entry keeps its mark; a deleted one, or a list built afresh, none.
    if (step.startsWith(u"Alt+"))
        QCOMPARE(target->selectedRow(), target->entries().indexOf((list == u"new" ? newBefore : oldBefore)[selected]));
    if (QStringList{u"cmd_del"_s, u"Delete"_s, u"cmd_paarLoeschen"_s, u"Shift+Del"_s, u"open"_s, u"cmd_action"_s,
                    u"cmd_mapkeyNow"_s, u"cmd_paareOeffnen"_s}
            .contains(step))
        QCOMPARE(target->selectedRow(), -1);
    // The keys of the focused control, be it the single entry's field.
    for (const char *key : {"Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+Z", "Ctrl+Y"}) {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(QLatin1String(key)));
        const bool undone = key == QByteArrayView("Ctrl+Z");
        QCOMPARE(win.oldList()->entries(), undone ? oldBefore : oldAfter);
        QCOMPARE(win.newList()->entries(), undone ? newBefore : newAfter);
    }
}

// A cell copied from a spreadsheet and pasted by each road into a one-line
// field loses its line end; two lines are refused, and the status says so.
void TestWindow::pasteIntoOneLineFields_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::newRow("single entry, Ctrl+V") << u"Text1 Ctrl+V"_s << u"welle.prt\r\n"_s << u"welle.prt"_s;
    QTest::newRow("expression, Shift+Ins, two lines") << u"txt_rename Shift+Ins"_s << u"a\r\nb\r\n"_s << QString();
    QTest::newRow("replacement, dropped") << u"txt_renameNEU drop"_s << u"welle.prt\n"_s << u"welle.prt"_s;
    QTest::newRow("replacement, dropped, two lines") << u"txt_renameNEU drop"_s << u"a\u2029b"_s << QString();
    QTest::newRow("folder field, menu, two lines") << u"txt_path menu"_s << u"a\nb"_s << QString();
    QTest::newRow("expression, menu") << u"txt_rename menu"_s << u"welle.prt\r\n"_s << u"welle.prt"_s;
}

void TestWindow::pasteIntoOneLineFields()
{
    QFETCH(QString, how);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    Window win;
    auto *edit = win.get<QLineEdit>(how.section(u' ', 0, 0).toLatin1().constData());
    const QString road = how.section(u' ', 1);
    // A paste replaces the marked text, a refusal keeps it; a drop goes
    // where it lands, here into an empty field.
    edit->setText(road == u"drop" ? QString() : u"alt"_s);
    edit->selectAll();
    const QString before = edit->text();
    QGuiApplication::clipboard()->setText(pasted);
    if (road == u"drop") {
        auto *mime = new QMimeData;
        mime->setText(pasted);
        drop(edit, mime);
    } else if (road == u"menu") {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(2, 2), edit->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(edit, &menu);
        for (QAction *action : QApplication::activePopupWidget()->actions()) {
            if (action->text().startsWith(u"&Paste"))
                action->trigger();
        }
        QApplication::activePopupWidget()->close();
    } else {
        QTest::keySequence(edit, QKeySequence(road));
    }
    QCOMPARE(edit->text(), after.isNull() ? before : after);
    QCOMPARE(win.status(),
             after.isNull() ? u"Achtung: Ein Eintrag darf keinen Zeilenumbruch enthalten"_s : u"Status"_s);
}

// The marks (0 none, 1 warning, 2 error, with the findings as tooltip) and
// the summary follow a command and its undo.
void TestWindow::marksFollowEdits()
{
    Window win;
    win.oldList()->setEntries(names("a.prt b.prt"));
    win.newList()->setEntries(names("a.prt"));
    const auto mark = [](NameListView *list, int row) {
        const QModelIndex index = list->model()->index(row, 0);
        const QString tip = shownTip(index.data(Qt::ToolTipRole).toString());
        return QString::number(index.data(NameListModel::MarkRole).toInt()) + tip;
    };
    const QString unchanged = u"Zeile 1: Warnung: neuer Name gleich dem alten: a.prt"_s;
    const QString unequal = u"Prüfung: Listen ungleich lang: 2 alte, 1 neue Namen; 1 Warnung"_s;
    QCOMPARE(win.get<QLabel>("lbl_pruefung")->text(), unequal);
    QCOMPARE(mark(win.oldList(), 0), u"1"_s + unchanged);
    win.fill(win.newList(), {u"a.prt"_s});
    QCOMPARE(win.get<QLabel>("lbl_pruefung")->text(), u"Prüfung: 2 Fehler, 1 Warnung"_s);
    QCOMPARE(mark(win.newList(), 0), u"2Zeile 1: Fehler: neuer Name doppelt (auch Zeile 2): a.prt\n"_s + unchanged);
    win.newList()->setFocus();
    QTest::keySequence(win.newList(), QKeySequence::Undo);
    QCOMPARE(win.get<QLabel>("lbl_pruefung")->text(), unequal);
    QCOMPARE(mark(win.oldList(), 1), u"0"_s);
    // A name that looks like markup shows as it stands, in the tooltip and
    // in the summary line.
    win.newList()->setEntries({u"<i>x.prt"_s});
    QCOMPARE(mark(win.newList(), 0),
             u"1Zeile 1: Warnung: neuer Name enthält ein unzulässiges Zeichen („<“): <i>x.prt"_s);
    QCOMPARE(win.get<QLabel>("lbl_pruefung")->textFormat(), Qt::PlainText);
}

// Once the steps hold more than the undo budget, the oldest is forgotten;
// the rest undo and redo exactly.
void TestWindow::undoForgetsTheOldestSteps()
{
    Window win;
    activate(win);
    win.oldList()->setFocus();
    QStringList pasted; // each name over a third of the budget, in UTF-16
    for (const char16_t letter : {u'a', u'b', u'c'}) {
        pasted << QString(UndoBudget::kBytes / 6 + 1, QChar(letter));
        QGuiApplication::clipboard()->setText(pasted.last());
        QTest::keySequence(win.oldList(), QKeySequence::Paste);
    }
    // The third undo finds nothing left, so two redos bring back all three.
    for (const char *key : {"Ctrl+Z", "Ctrl+Z", "Ctrl+Z", "Ctrl+Y", "Ctrl+Y"})
        QTest::keySequence(win.oldList(), QKeySequence(QLatin1String(key)));
    QCOMPARE(win.oldList()->entries(), pasted);
    // A step after an undo replaces the step undone: two undos go back past both.
    QGuiApplication::clipboard()->setText(u"d"_s);
    for (const char *key : {"Ctrl+Z", "Ctrl+V", "Ctrl+Z", "Ctrl+Z"})
        QTest::keySequence(win.oldList(), QKeySequence(QLatin1String(key)));
    QCOMPARE(win.oldList()->entries(), pasted.mid(0, 1));
}

// The lists come to rest for any two lengths at any height: neither
// list's scroll bar may show or hide the other's (once a livelock that kept
// the window busy). Row N stays beside row N at either end, also where the
// shorter list has run out.
void TestWindow::listsScrollTogether_data()
{
    QTest::addColumn<int>("oldCount");
    QTest::addColumn<int>("newCount");
    QTest::addColumn<double>("height"); // of the window, in twips
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("28 against 3") << 28 << 3 << 8000.0 << true;
    QTest::newRow("3 against 40") << 3 << 40 << 8000.0 << true;
    QTest::newRow("both fit") << 5 << 3 << 8000.0 << false;
    QTest::newRow("0 against 32767") << 0 << 32767 << 8000.0 << true;
    QTest::newRow("40 against 0, smallest window") << 40 << 0 << 6000.0 << true;
    QTest::newRow("60 against 3, tall window") << 60 << 3 << 11000.0 << true;
}

void TestWindow::listsScrollTogether()
{
    QFETCH(int, oldCount);
    QFETCH(int, newCount);
    QFETCH(double, height);
    QFETCH(bool, scrolls);
    int rangeChanges = 0;
    Window win;
    QStringList numbers;
    for (int i = 0; i < std::max(oldCount, newCount); ++i)
        numbers << QString::number(i);
    win.oldList()->setEntries(numbers.mid(0, oldCount));
    win.newList()->setEntries(numbers.mid(0, newCount));
    win.w->setOuterHeightTwips(height);
    QTest::qWait(50);
    // Each round of the loop set a bar's range to nothing and back, and so
    // hid and showed it.
    for (NameListView *list : {win.oldList(), win.newList()})
        QObject::connect(list->verticalScrollBar(), &QScrollBar::rangeChanged, [&rangeChanges] { ++rangeChanges; });
    QTest::qWait(500);
    QCOMPARE(rangeChanges, 0);
    QCOMPARE(win.oldList()->verticalScrollBar()->isVisible(), scrolls);
    QCOMPARE(win.newList()->verticalScrollBar()->isVisible(), scrolls);
    NameListView *longer = oldCount >= newCount ? win.oldList() : win.newList();
    NameListView *shorter = longer == win.oldList() ? win.newList() : win.oldList();
    longer->selectRow(0); // without a current row, End only makes the first one current
    for (int end : {Qt::Key_End, Qt::Key_Home}) {
        QTest::keyClick(longer, Qt::Key(end));
        QCOMPARE(shorter->verticalScrollBar()->value(), longer->verticalScrollBar()->value());
        if (const int row = std::min(longer->indexAt(QPoint(5, 5)).row(), shorter->count() - 1); row >= 0)
            QCOMPARE(shorter->visualRect(shorter->model()->index(row, 0)),
                     longer->visualRect(longer->model()->index(row, 0)));
    }
}

// A list holds at most 32767 entries, whichever command fills it.
void TestWindow::fullList()
{
    Window win;
    QStringList numbers;
    for (int i = 0; i < 32765; ++i)
        numbers << QString::number(i);
    const QString leftOut = u"Achtung: Die Liste ist voll (32767 Einträge), 3 Zeilen nicht übernommen"_s;
    win.oldList()->setEntries(numbers);
    QGuiApplication::clipboard()->setText(u"a\nb\nc\nd\ne"_s);
    win.click("paste");
    QCOMPARE(win.oldList()->entries().mid(32765), names("a b"));
    QCOMPARE(win.status(), leftOut);
    win.fill(win.oldList(), {u"one more"_s});
    QCOMPARE(win.oldList()->count(), 32767);
    QCOMPARE(win.status(), u"Achtung: Die Liste ist voll (32767 Einträge)"_s);
    win.oldList()->setEntries(numbers << u"a"_s);
    win.fill(win.oldList(), {u"last"_s});
    QCOMPARE(win.oldList()->entries().mid(32765), names("a last"));
    QVERIFY(TestSupport::writeBytes(win.platform.path(u"program/Velmorant_renOLD.txt"_s),
                                    QByteArray("x\r\n").repeated(32770)));
    win.get<QLabel>("lbl_status")->clear();
    win.click("open");
    QCOMPARE(win.oldList()->count(), 32767);
    QCOMPARE(win.status(), leftOut);
}

// Places in twips: txt_OUT height, img_EXIT top, cmd_mapkeyNow and
// cmd_openmFile top, the lists' height, lbl_status top.
void TestWindow::resize_data()
{
    QTest::addColumn<bool>("minimised");
    QTest::addColumn<double>("height");
    QTest::addColumn<QList<double>>("places");
    QTest::newRow("5000 stays at 6000") << false << 5000.0 << QList<double>{6000, 5050, 4000, 4360, 3415, 5200};
    QTest::newRow("maximised 11000") << false << 11000.0 << QList<double>{11000, 10050, 9000, 9360, 8415, 10200};
    QTest::newRow("minimised keeps the start") << true << 11000.0 << QList<double>{8000, 7050, 6000, 6360, 5415, 7200};
}

void TestWindow::resize()
{
    QFETCH(bool, minimised);
    QFETCH(double, height);
    QFETCH(QList<double>, places);
    Window win;
    const int width = win.w->width();
    if (minimised)
        win.w->setWindowState(Qt::WindowMinimized);
    win.w->setOuterHeightTwips(height);
    if (!minimised)
        QTRY_COMPARE(win.w->frameGeometry().height(), px(places[0]));
    const QList<int> found{win.get("txt_OUT")->height(), win.get("img_EXIT")->y(), win.get("cmd_mapkeyNow")->y(),
                           win.oldList()->height(), win.get("lbl_status")->y()};
    QCOMPARE(found, (QList<int>{px(places[1]), px(places[2]), px(places[3]), px(places[4]), px(places[5])}));
    QCOMPARE(win.get("cmd_openmFile")->y(), px(places[3]));
    QCOMPARE(win.newList()->height(), px(places[4]));
    QCOMPARE(win.w->width(), width);
}

void TestWindow::widthSwitch()
{
    Window win;
    win.w->resize(px(12000), win.w->height());
    const int height = win.w->frameGeometry().height();
    win.click("imgOpen");
    QTRY_COMPARE(win.w->frameGeometry().width(), px(16755));
    QVERIFY(!win.get("imgOpen")->isVisible() && win.get("imgclose")->isVisible());
    QVERIFY(win.get("txt_OUT")->geometry().right() < win.w->width());
    win.click("imgclose");
    QTRY_COMPARE(win.w->frameGeometry().width(), px(9200));
    QVERIFY(win.get("imgOpen")->isVisible() && !win.get("imgclose")->isVisible());
    QCOMPARE(win.w->frameGeometry().height(), height);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"

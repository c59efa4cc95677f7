#include "TestSupport.h"
#include "WindowFixture.h"
#include "generator/MapkeyGenerator.h"
#include "generator/RenameProWriter.h"

#include "lists/ListFile.h"
#include "ui/NameListModel.h"

#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

// A step of a script: "right:old", "left:new", "middle:old", "click:new",
// "tab:new" (the list gains the focus by Tab), "down:old" (arrow key).
void perform(Window &win, const QString &step)
{
    const QString action = step.section(u':', 0, 0);
    NameListView *list = step.section(u':', 1) == u"new" ? win.newList() : win.oldList();
    if (action == u"right")
        win.press(list, Qt::RightButton);
    else if (action == u"left")
        win.press(list, Qt::LeftButton);
    else if (action == u"middle")
        win.press(list, Qt::MiddleButton);
    else if (action == u"click")
        win.press(list, Qt::LeftButton, 0);
    else if (action == u"exit")
        win.click("Image_EXIT");
    else if (action == u"tab")
        list->setFocus(Qt::TabFocusReason);
    else if (action == u"down")
        QTest::keyClick(list, Qt::Key_Down);
}

QString listFile(const Window &win)
{
    return ListFile::path(win.platform.programFolder(), ListFile::Kind::OldNames);
}

// What a drag and drop of `mime` onto `target` delivers; the target takes
// the data.
void drop(QWidget *target, QMimeData *mime)
{
    const std::unique_ptr<QMimeData> owned(mime);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void startUpState();
    void settingsSurviveRestart_data();
    void settingsSurviveRestart();
    void panelAndCurrentList_data();
    void panelAndCurrentList();
    void rightPressKeepsSelection();
    void listEdits_data();
    void listEdits();
    void marksFollowEdits();
    void listsScrollTogether();
    void fullListTakesNoMore();
    void namesNeverHoldLineBreaks_data();
    void namesNeverHoldLineBreaks();
    void rule_data();
    void rule();
    void resizeRule_data();
    void resizeRule();
    void minimisedWindowKeepsLayout();
    void widthSwitch();
};

void TestWindow::startUpState()
{
    Window win;
    QCOMPARE(win.w->windowTitle(), u"Velmorant"_s);
    QCOMPARE(win.get<QLineEdit>("txt_rename")->text(), u"OldName123"_s);
    QCOMPARE(win.get<QLineEdit>("txt_renameNEU")->text(), u"NewName123"_s);
    QCOMPARE(win.get<QLineEdit>("txt_path")->text(), win.platform.designFolderText());
    QVERIFY(win.panelShown());
    QVERIFY(!win.newListCurrent());
    QVERIFY(!win.chooser()->isVisible());
    QVERIFY(!win.get("cmd_openmFile")->isVisible());
    QVERIFY(win.get("imgOpen")->isVisible());
    QVERIFY(!win.get("imgclose")->isVisible());
    QCOMPARE(win.w->frameGeometry().size(), QSize(px(9200), px(8000)));
    QCOMPARE(win.get("cmd_mapkeyNow")->y(), px(6360));
    QCOMPARE(win.chooser()->dirPath(), win.platform.startFolder());
    QCOMPARE(win.oldList()->count() + win.newList()->count(), 0);
    QCOMPARE(win.status(), u"Status"_s);
    // The panel stands above the lists it covers.
    QWidget *atPanel = win.w->childAt(win.get("kontextmenue")->geometry().topLeft() + QPoint(3, 3));
    QVERIFY(atPanel == win.get("kontextmenue") || win.get("kontextmenue")->isAncestorOf(atPanel));
}

void TestWindow::settingsSurviveRestart_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("folder");
    QTest::newRow("edited texts") << u"_alt"_s << u"_neu "_s << u"@volumeB/sub"_s;
    QTest::newRow("emptied fields stay empty") << QString() << QString() << u"  kein Ordner"_s;
    QTest::newRow("umlauts") << u"Gehäuse"_s << u"Größe"_s << u"@volumeB/sub"_s;
    QTest::newRow("past 32767 characters") << QString(40000, u'a') << QString(40000, u'b') << QString(40000, u'c');
}

void TestWindow::settingsSurviveRestart()
{
    QFETCH(QString, expression);
    QFETCH(QString, replacement);
    QFETCH(QString, folder);
    Window win;
    // "@" marks a folder that exists.
    const bool folderIsVolume = folder.startsWith(u'@');
    if (folderIsVolume)
        folder = win.platform.path(folder.mid(1));
    win.get<QLineEdit>("txt_rename")->setText(expression);
    win.get<QLineEdit>("txt_renameNEU")->setText(replacement);
    win.get<QLineEdit>("txt_path")->setText(folder);
    win.restart();
    QCOMPARE(win.get<QLineEdit>("txt_rename")->text(), expression);
    QCOMPARE(win.get<QLineEdit>("txt_renameNEU")->text(), replacement);
    QCOMPARE(win.get<QLineEdit>("txt_path")->text(), folder);
    // A restored folder that exists moves the tree; any other leaves it.
    QCOMPARE(win.chooser()->dirPath(), folderIsVolume ? folder : win.platform.startFolder());
}

void TestWindow::panelAndCurrentList_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("panelShown");
    QTest::addColumn<bool>("newCurrent");
    QTest::newRow("start") << QStringList{} << true << false;
    QTest::newRow("right press on new list") << QStringList{u"right:new"_s} << true << true;
    QTest::newRow("left press closes") << QStringList{u"left:old"_s} << false << false;
    QTest::newRow("left press on new list") << QStringList{u"left:new"_s} << false << true;
    QTest::newRow("click on an entry") << QStringList{u"right:new"_s, u"click:new"_s} << false << true;
    QTest::newRow("close box") << QStringList{u"exit:"_s} << false << false;
    QTest::newRow("reopened on the old list") << QStringList{u"right:new"_s, u"left:new"_s, u"right:old"_s} << true << false;
    QTest::newRow("middle press does nothing") << QStringList{u"middle:new"_s} << true << false;
    QTest::newRow("middle press on hidden panel") << QStringList{u"left:new"_s, u"middle:old"_s} << false << true;
    QTest::newRow("right on both lists") << QStringList{u"right:old"_s, u"right:new"_s} << true << true;
    QTest::newRow("tab into a list is no click") << QStringList{u"tab:new"_s} << true << false;
    QTest::newRow("arrow key is a click") << QStringList{u"tab:new"_s, u"down:new"_s} << false << true;
}

void TestWindow::panelAndCurrentList()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, panelShown);
    QFETCH(bool, newCurrent);
    Window win;
    win.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
    win.oldList()->setEntries({u"a"_s});
    win.newList()->setEntries({u"b"_s, u"c"_s});
    for (const QString &step : steps)
        perform(win, step);
    QCOMPARE(win.panelShown(), panelShown);
    QCOMPARE(win.newListCurrent(), newCurrent);
    QCOMPARE(win.get<QRadioButton>("Option1")->isChecked(), !newCurrent);
    if (panelShown) {
        win.add(u"x"_s);
        QCOMPARE((newCurrent ? win.newList() : win.oldList())->entries().last(), u"x"_s);
        QCOMPARE((newCurrent ? win.oldList() : win.newList())->count(), newCurrent ? 1 : 2);
    }
}

void TestWindow::rightPressKeepsSelection()
{
    Window win;
    win.oldList()->setEntries({u"a"_s, u"b"_s, u"c"_s});
    win.press(win.oldList(), Qt::LeftButton, 1);
    QCOMPARE(win.oldList()->selectedRow(), 1);
    win.press(win.oldList(), Qt::RightButton, 2);
    win.press(win.oldList(), Qt::MiddleButton, 0);
    QCOMPARE(win.oldList()->selectedRow(), 1);
    QVERIFY(win.panelShown());
    // "markiertes löschen" removes what was selected before the right press.
    win.click("cmd_del");
    QCOMPARE(win.oldList()->entries(), (QStringList{u"a"_s, u"c"_s}));
}

// Every command that changes a list, by panel, keyboard or drop, is one
// undo step: the lists after it, after Ctrl+Z, and after redo. `input` is
// what the step takes: the text typed or pasted, or a file's content.
void TestWindow::listEdits_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("oldAfter");
    QTest::addColumn<QStringList>("newAfter");
    QTest::addColumn<bool>("panelShown");
    QTest::addColumn<QString>("status");
    const QStringList start{u"a"_s, QString(), u" "_s, u"b"_s};
    const QStringList news{u"b"_s, QString(), u"y"_s, u"z"_s};
    const QString none = u"Status"_s;
    const auto row = [&](const char *name, const QString &step, const QString &input, int selected,
                         const QStringList &oldAfter, const QStringList &newAfter, bool panelShown,
                         const QString &status) {
        QTest::newRow(name) << step << input << selected << oldAfter << newAfter << panelShown << status;
    };
    row("add keeps the panel open", u"cmd_hinzu"_s, u"neu.prt"_s, -1, start + QStringList{u"neu.prt"_s}, news, true,
        none);
    row("add empty text", u"cmd_hinzu"_s, QString(), -1, start + QStringList{QString()}, news, true, none);
    row("add a name past 32767 characters", u"cmd_hinzu"_s, QString(40000, u'n'), -1,
        start + QStringList{QString(40000, u'n')}, news, true, none);
    row("delete marked", u"cmd_del"_s, QString(), 3, {u"a"_s, u" "_s}, news, false, none);
    row("delete without mark drops empties", u"cmd_del"_s, QString(), -1, {u"a"_s, u" "_s, u"b"_s}, news, false, none);
    row("delete the blank entry", u"cmd_del"_s, QString(), 2, {u"a"_s, u"b"_s}, news, false, none);
    row("clear", u"clear"_s, QString(), -1, {}, news, false, none);
    row("paste", u"paste"_s, u"p\r\n\r\nName\r\nq"_s, -1, start + QStringList{u"p"_s, u"q"_s}, news, false, none);
    row("open the list file", u"open"_s, u"f1\r\nf2"_s, -1, {u"f1"_s, u"f2"_s}, news, false, none);
    row("rule", u"cmd_action"_s, QString(), -1, start, start, true, none);
    row("table paste", u"cmd_tabelle"_s, u"t1\tt2\r\n"_s, -1, start + QStringList{u"t1"_s}, news + QStringList{u"t2"_s},
        true, none);
    row("table paste refused", u"cmd_tabelle"_s, u"t1;t2\r\nt3"_s, -1, start, news, true,
        u"Achtung: Zeile 2 hat 1 statt 2 Spalten (getrennt durch Tabulator oder Semikolon), nichts übernommen"_s);
    row("chain ordering", u"cmd_ordnen"_s, QString(), -1, {QString(), u" "_s, u"b"_s, u"a"_s},
        {QString(), u"y"_s, u"z"_s, u"b"_s}, true, u"Reihenfolge geordnet: 4 Paare verschoben"_s);
    row("pairs file", u"cmd_paareOeffnen"_s, u"alter Name;neuer Name\r\np1;q1\r\n"_s, -1, {u"p1"_s}, {u"q1"_s}, true,
        none);
    row("Enter in the single entry", u"Enter"_s, u"k.prt"_s, -1, start + QStringList{u"k.prt"_s}, news, true, none);
    row("Delete", u"Delete"_s, QString(), 3, {u"a"_s, u" "_s}, news, true, none);
    row("Ctrl+V", u"Ctrl+V"_s, u"v1\nv2"_s, -1, start + QStringList{u"v1"_s, u"v2"_s}, news, true, none);
    row("Ctrl+Shift+V", u"Ctrl+Shift+V"_s, u"t1;t2"_s, -1, start + QStringList{u"t1"_s}, news + QStringList{u"t2"_s},
        true, none);
    row("Alt+Up", u"Alt+Up"_s, QString(), 3, {u"a"_s, QString(), u"b"_s, u" "_s}, news, true, none);
    row("Alt+Down on the last row", u"Alt+Down"_s, QString(), 3, start, news, true, none);
    row("F2", u"F2"_s, u"e.prt"_s, 1, {u"a"_s, u"e.prt"_s, u" "_s, u"b"_s}, news, true, none);
    row("F2 refuses a line break", u"F2"_s, u"e\u2029f"_s, 1, start, news, true,
        u"Achtung: Ein Eintrag darf keinen Zeilenumbruch enthalten"_s);
    row("file dropped on a list", u"drop:file"_s, u"d1\r\nd2"_s, -1, {u"d1"_s, u"d2"_s}, news, true, none);
    row("text dropped on a list", u"drop:text"_s, u"d1\nd2"_s, -1, start + QStringList{u"d1"_s, u"d2"_s}, news, true,
        none);
    row("pairs file dropped on the window", u"drop:pairs"_s, u"d1;d2"_s, -1, {u"d1"_s}, {u"d2"_s}, true, none);
}

void TestWindow::listEdits()
{
    QFETCH(QString, step);
    QFETCH(QString, input);
    QFETCH(int, selected);
    QFETCH(QStringList, oldAfter);
    QFETCH(QStringList, newAfter);
    QFETCH(bool, panelShown);
    QFETCH(QString, status);
    Window win;
    win.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
    const QStringList oldBefore{u"a"_s, QString(), u" "_s, u"b"_s};
    const QStringList newBefore{u"b"_s, QString(), u"y"_s, u"z"_s};
    win.oldList()->setEntries(oldBefore);
    win.newList()->setEntries(newBefore);
    if (selected >= 0)
        win.press(win.oldList(), Qt::LeftButton, selected);
    win.press(win.oldList(), Qt::RightButton);
    win.oldList()->setFocus();
    auto *text1 = win.get<QLineEdit>("Text1");
    text1->setText(input);
    QGuiApplication::clipboard()->setText(input);
    const QString file = win.platform.path(u"dropped.txt"_s);
    QVERIFY(TestSupport::writeBytes(step == u"open" ? listFile(win) : file, input.toLatin1()));
    win.platform.fileAnswer = file;
    if (step == u"Enter") {
        text1->setFocus();
        QTest::keyClick(text1, Qt::Key_Return);
        QCOMPARE(text1->selectedText(), input);
    } else if (step == u"F2") {
        QTest::keyClick(win.oldList(), Qt::Key_F2);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor && editor != text1);
        editor->setText(input);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    } else if (step.startsWith(u"drop:")) {
        auto *mime = new QMimeData;
        if (step == u"drop:text")
            mime->setText(input);
        else
            mime->setUrls({QUrl::fromLocalFile(file)});
        drop(step == u"drop:pairs" ? static_cast<QWidget *>(win.w.get()) : win.oldList()->viewport(), mime);
    } else if (step.front().isUpper()) {
        QTest::keySequence(win.oldList(), QKeySequence(step));
    } else {
        win.click(step.toLatin1().constData());
    }
    QCOMPARE(win.oldList()->entries(), oldAfter);
    QCOMPARE(win.newList()->entries(), newAfter);
    QCOMPARE(win.panelShown(), panelShown);
    QCOMPARE(win.status(), status);
    if (step.startsWith(u"Alt+"))
        QCOMPARE(win.oldList()->selectedRow(), oldAfter == oldBefore ? selected : selected - 1);
    if (step == u"cmd_del" || step == u"Delete")
        QCOMPARE(win.oldList()->selectedRow(), -1);
    // The keys of the focused control, be it the single entry's field.
    for (const char *key : {"Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+Z", "Ctrl+Y"}) {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(QLatin1String(key)));
        const bool undone = key == QByteArrayView("Ctrl+Z");
        QCOMPARE(win.oldList()->entries(), undone ? oldBefore : oldAfter);
        QCOMPARE(win.newList()->entries(), undone ? newBefore : newAfter);
    }
}

// The marks and the summary follow a command and its undo.
void TestWindow::marksFollowEdits()
{
    Window win;
    win.oldList()->setEntries({u"a.prt"_s, u"b.prt"_s});
    win.newList()->setEntries({u"a.prt"_s});
    const auto markOf = [](NameListView *list, int row) {
        const QModelIndex index = list->model()->index(row, 0);
        return std::pair(index.data(NameListModel::MarkRole).toInt(), index.data(Qt::ToolTipRole).toString());
    };
    const int none = int(NameListModel::Mark::None);
    const int warning = int(NameListModel::Mark::Warning);
    const int error = int(NameListModel::Mark::Error);
    const QString unchanged = u"Zeile 1: Warnung: neuer Name gleich dem alten: a.prt"_s;
    QCOMPARE(win.get<QLabel>("lbl_pruefung")->text(), u"Prüfung: 1 Warnung"_s);
    QCOMPARE(markOf(win.oldList(), 0), std::pair(warning, unchanged));
    win.fill(win.newList(), {u"a.prt"_s});
    QCOMPARE(win.get<QLabel>("lbl_pruefung")->text(), u"Prüfung: 2 Fehler, 1 Warnung"_s);
    QCOMPARE(markOf(win.newList(), 0),
             std::pair(error, u"Zeile 1: Fehler: neuer Name doppelt (auch Zeile 2): a.prt\n"_s + unchanged));
    QCOMPARE(markOf(win.oldList(), 1).first, error);
    win.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
    QTest::keySequence(win.w.get(), QKeySequence::Undo);
    QCOMPARE(win.get<QLabel>("lbl_pruefung")->text(), u"Prüfung: 1 Warnung"_s);
    QCOMPARE(markOf(win.oldList(), 1), std::pair(none, QString()));
}

// Row N stays beside row N, also where the shorter list has run out.
void TestWindow::listsScrollTogether()
{
    Window win;
    QStringList names;
    for (int i = 0; i < 200; ++i)
        names << QString::number(i);
    win.oldList()->setEntries(names);
    win.newList()->setEntries(names.mid(0, 50));
    QScrollBar *oldBar = win.oldList()->verticalScrollBar();
    QScrollBar *newBar = win.newList()->verticalScrollBar();
    win.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
    QTest::keyClick(win.oldList(), Qt::Key_Down);
    QTest::keyClick(win.oldList(), Qt::Key_End);
    QVERIFY(oldBar->value() > 0);
    QCOMPARE(newBar->value(), oldBar->value());
    newBar->setValue(oldBar->maximum() / 8);
    QCOMPARE(oldBar->value(), newBar->value());
    const QModelIndex top = win.oldList()->indexAt(QPoint(5, 5));
    QVERIFY(top.row() > 0);
    QCOMPARE(win.newList()->visualRect(win.newList()->model()->index(top.row(), 0)), win.oldList()->visualRect(top));
}

void TestWindow::fullListTakesNoMore()
{
    Window win;
    QStringList names;
    for (int i = 0; i < 32767; ++i)
        names << QString::number(i);
    win.oldList()->setEntries(names);
    win.add(u"one more"_s);
    QCOMPARE(win.oldList()->count(), 32767);
    QCOMPARE(win.status(), u"Achtung: Die Liste ist voll (32767 Einträge)"_s);
    win.oldList()->setEntries(names.mid(1));
    win.add(u"last"_s);
    QCOMPARE(win.oldList()->count(), 32767);
    QCOMPARE(win.oldList()->entries().last(), u"last"_s);
}

void TestWindow::namesNeverHoldLineBreaks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("pasted into the single entry") << u"Text1"_s << u"cmd_hinzu"_s << u"x\r\ny"_s;
    QTest::newRow("pasted into the replacement") << u"txt_renameNEU"_s << u"cmd_action"_s << u"x\r\ny"_s;
    QTest::newRow("paragraph separator") << u"Text1"_s << u"cmd_hinzu"_s << u"p\u2029q.prt"_s;
    QTest::newRow("line separator in the replacement") << u"txt_renameNEU"_s << u"cmd_action"_s << u"x\u2028y"_s;
    QTest::newRow("line break in the expression") << u"txt_rename"_s << u"cmd_action"_s << u"_alt\n"_s;
}

void TestWindow::namesNeverHoldLineBreaks()
{
    QFETCH(QString, field);
    QFETCH(QString, command);
    QFETCH(QString, pasted);
    Window win;
    win.oldList()->setEntries({u"a_alt"_s});
    win.newList()->setEntries({u"b"_s});
    win.get<QLineEdit>("txt_rename")->setText(u"_alt"_s);
    win.press(win.newList(), Qt::RightButton);
    QGuiApplication::clipboard()->setText(pasted);
    auto *edit = win.get<QLineEdit>(field.toLatin1().constData());
    edit->clear();
    edit->paste();
    QCOMPARE(edit->text(), pasted);
    win.click(command.toLatin1().constData());
    QCOMPARE(win.newList()->entries(), QStringList{u"b"_s});
    QCOMPARE(win.oldList()->entries(), QStringList{u"a_alt"_s});
    QCOMPARE(win.status(), u"Achtung: Ein Eintrag darf keinen Zeilenumbruch enthalten"_s);
}

void TestWindow::rule_data()
{
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QStringList>("newNames");
    QTest::newRow("first occurrence") << QStringList{u"motor_alt.prt"_s, u"a1_a1.asm"_s} << u"_alt"_s << u"_neu"_s
                                      << QStringList{u"motor_neu.prt"_s, u"a1_a1.asm"_s};
    QTest::newRow("case-sensitive") << QStringList{u"Motor.prt"_s} << u"motor"_s << u"welle"_s << QStringList{u"Motor.prt"_s};
    QTest::newRow("empty expression") << QStringList{u"motor.prt"_s, QString()} << QString() << u"v2_"_s
                                      << QStringList{u"v2_motor.prt"_s, QString()};
    QTest::newRow("empty replacement") << QStringList{u"motor_alt.prt"_s} << u"_alt"_s << QString()
                                       << QStringList{u"motor.prt"_s};
    QTest::newRow("empty old list empties new list") << QStringList{} << u"a"_s << u"b"_s << QStringList{};
}

void TestWindow::rule()
{
    QFETCH(QStringList, oldNames);
    QFETCH(QString, expression);
    QFETCH(QString, replacement);
    QFETCH(QStringList, newNames);
    Window win;
    win.oldList()->setEntries(oldNames);
    win.newList()->setEntries({u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s});
    win.press(win.newList(), Qt::RightButton);
    win.get<QLineEdit>("txt_rename")->setText(expression);
    win.get<QLineEdit>("txt_renameNEU")->setText(replacement);
    win.click("cmd_action");
    QCOMPARE(win.newList()->entries(), newNames);
    QCOMPARE(win.oldList()->entries(), oldNames);
    QVERIFY(win.panelShown());
    QVERIFY(win.newListCurrent());
}

void TestWindow::resizeRule_data()
{
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("applied");
    QTest::newRow("start height 8000") << 8000.0 << 8000.0;
    QTest::newRow("smallest 6000") << 6000.0 << 6000.0;
    QTest::newRow("5000 snaps to 6000") << 5000.0 << 6000.0;
    QTest::newRow("maximised 11000") << 11000.0 << 11000.0;
}

void TestWindow::resizeRule()
{
    QFETCH(double, height);
    QFETCH(double, applied);
    Window win;
    const int width = win.w->width();
    win.w->setOuterHeightTwips(height);
    QTRY_COMPARE(win.w->frameGeometry().height(), px(applied));
    const double d = Twips::fromPixels(win.w->frameGeometry().height()) - 8300;
    QCOMPARE(win.get("txt_OUT")->height(), px(7350 + d));
    QCOMPARE(win.get("img_EXIT")->y(), px(6300 + d));
    QCOMPARE(win.get("cmd_mapkeyNow")->y(), px(6660 + d));
    QCOMPARE(win.get("cmd_openmFile")->y(), px(6660 + d));
    QCOMPARE(win.oldList()->height(), px(5715 + d));
    QCOMPARE(win.newList()->height(), px(5715 + d));
    QCOMPARE(win.get("lbl_status")->y(), px(7500 + d));
    QCOMPARE(win.w->width(), width);
    QCOMPARE(win.get("Frame1")->geometry(), Twips::rect(5880, 630, 2955, 1950));
    QCOMPARE(win.get("kontextmenue")->geometry(), Twips::rect(1785, 1305, 2460, 3585));
}

void TestWindow::minimisedWindowKeepsLayout()
{
    Window win;
    const int listHeight = win.oldList()->height();
    win.w->setWindowState(Qt::WindowMinimized);
    win.w->resize(win.w->width(), px(10000));
    QCOMPARE(win.oldList()->height(), listHeight);
}

void TestWindow::widthSwitch()
{
    Window win;
    win.w->resize(px(12000), win.w->height());
    const int height = win.w->frameGeometry().height();
    win.click("imgOpen");
    QTRY_COMPARE(win.w->frameGeometry().width(), px(16755));
    QVERIFY(!win.get("imgOpen")->isVisible());
    QVERIFY(win.get("imgclose")->isVisible());
    QVERIFY(win.get("txt_OUT")->geometry().right() < win.w->width());
    win.click("imgclose");
    QTRY_COMPARE(win.w->frameGeometry().width(), px(9200));
    QVERIFY(win.get("imgOpen")->isVisible());
    QVERIFY(!win.get("imgclose")->isVisible());
    QCOMPARE(win.w->frameGeometry().height(), height);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"

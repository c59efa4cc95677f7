#include "TestSupport.h"
#include "WindowFixture.h"
#include "generator/MapkeyGenerator.h"
#include "generator/RenameProWriter.h"

#include <QClipboard>
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
    void listCommands_data();
    void listCommands();
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

void TestWindow::listCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("oldAfter");
    QTest::addColumn<bool>("panelShown");
    const QStringList start{u"a"_s, QString(), u" "_s, u"b"_s};
    QTest::newRow("add keeps the panel open") << u"cmd_hinzu"_s << u"neu.prt"_s << -1 << (start + QStringList{u"neu.prt"_s}) << true;
    QTest::newRow("add empty text") << u"cmd_hinzu"_s << QString() << -1 << (start + QStringList{QString()}) << true;
    QTest::newRow("delete marked") << u"cmd_del"_s << QString() << 3 << QStringList{u"a"_s, u" "_s} << false;
    QTest::newRow("delete without mark drops empties") << u"cmd_del"_s << QString() << -1
                                                       << QStringList{u"a"_s, u" "_s, u"b"_s} << false;
    QTest::newRow("delete the blank entry") << u"cmd_del"_s << QString() << 2 << QStringList{u"a"_s, u"b"_s} << false;
    QTest::newRow("clear") << u"clear"_s << QString() << -1 << QStringList{} << false;
    QTest::newRow("add a name past 32767 characters") << u"cmd_hinzu"_s << QString(40000, u'n') << -1
                                                      << (start + QStringList{QString(40000, u'n')}) << true;
}

void TestWindow::listCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(int, selected);
    QFETCH(QStringList, oldAfter);
    QFETCH(bool, panelShown);
    Window win;
    win.oldList()->setEntries({u"a"_s, QString(), u" "_s, u"b"_s});
    win.newList()->setEntries({u"x"_s, QString()});
    if (selected >= 0)
        win.press(win.oldList(), Qt::LeftButton, selected);
    win.press(win.oldList(), Qt::RightButton);
    win.get<QLineEdit>("Text1")->setText(text);
    win.click(command.toLatin1().constData());
    QCOMPARE(win.oldList()->entries(), oldAfter);
    QCOMPARE(win.newList()->entries(), (QStringList{u"x"_s, QString()}));
    QCOMPARE(win.panelShown(), panelShown);
    QCOMPARE(win.get<QLineEdit>("Text1")->text(), text);
    if (command == u"cmd_del")
        QCOMPARE(win.oldList()->selectedRow(), -1);
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

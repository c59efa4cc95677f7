#include "WindowFixture.h"

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
// closing the main window closes the Info window too.
void TestWindowFiles::shutdownAndRestart()
{
    Window win;
    const QString ini = win.platform.path(u"Velmorant/Velmorant.ini"_s);
    const QString folder = win.platform.path(u"volumeB/sub"_s);
    win.setText("txt_rename", QString());
    win.setText("txt_renameNEU", QString(40000, u'b'));
    win.setText("txt_path", folder);
    win.click("cmd_info");
    win.click("img_EXIT");
    QVERIFY(!win.w->isVisible());
    QTRY_COMPARE(infoWindows().size(), 0);
    COMPARE_BYTES(TestSupport::readBytes(ini),
                  "[Optionen]\ntxt_path.Text=" + folder.toUtf8()
                      + "\ntxt_rename.Text=\ntxt_renameNEU.Text=" + QByteArray(40000, 'b') + "\n");
    QVERIFY(TestSupport::writeBytes(ini,
                                    "[Optionen]\ntxt_rename.Text=Gr\xC3\xB6\xC3\x9F"
                                    "e\ntxt_path.Text="
                                        + folder.toUtf8() + "\n"));
    win.open();
    QCOMPARE(win.text("txt_rename"), u"Größe"_s);
    QCOMPARE(win.text("txt_renameNEU"), u"NewName123"_s);
    QCOMPARE(win.text("txt_path"), folder);
    QCOMPARE(win.chooser()->dirPath(), folder);
}

QTEST_MAIN(TestWindowFiles)
#include "tst_window_files.moc"

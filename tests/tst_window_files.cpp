#include "TestSupport.h"
#include "WindowFixture.h"
#include "generator/RenameProWriter.h"
#include "lists/ListFile.h"
#include "ui/frm_Info.h"

#include <QClipboard>
#include <QMouseEvent>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

QString listFile(const Window &win, bool newNames)
{
    return ListFile::path(win.platform.programFolder(),
                          newNames ? ListFile::Kind::NewNames : ListFile::Kind::OldNames);
}

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

QStringList numbered(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << u"teil%1.prt"_s.arg(i);
    return lines;
}

} // namespace

class TestWindowFiles : public QObject
{
    Q_OBJECT

private slots:
    void saveAndOpenRoundTrip();
    void saveTouchesOnlyTheCurrentListsFile();
    void openReplacesTheList_data();
    void openReplacesTheList();
    void openTakesAtMostAFullList();
    void openKeepsTheList_data();
    void openKeepsTheList();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void paste_data();
    void paste();
    void pasteKeepsNoScratchFile();
    void pasteOntoANearlyFullList();
    void openingTheWrittenFile_data();
    void openingTheWrittenFile();
    void infoPlacement_data();
    void infoPlacement();
    void infoOpensWidenedBesideTheWindow();
    void infoIsSingleAndReopens();
    void infoHoverAndLink();
    void closingTheMainWindowClosesInfo();
};

void TestWindowFiles::saveAndOpenRoundTrip()
{
    Window win;
    const QStringList names{u"a.prt"_s, QString(), u"Gehäuse.asm"_s};
    win.oldList()->setEntries(names);
    win.press(win.oldList(), Qt::RightButton);
    win.click("save");
    QVERIFY(!win.panelShown());
    COMPARE_BYTES(TestSupport::readBytes(listFile(win, false)), "a.prt\r\n\r\nGeh\xE4use.asm\r\n");
    win.oldList()->setEntries({u"other"_s});
    win.press(win.oldList(), Qt::RightButton);
    win.click("open");
    QCOMPARE(win.oldList()->entries(), names);
    win.press(win.oldList(), Qt::RightButton);
    win.click("open");
    QCOMPARE(win.oldList()->entries(), names);
    QCOMPARE(win.status(), u"Status"_s);
}

void TestWindowFiles::saveTouchesOnlyTheCurrentListsFile()
{
    Window win;
    QVERIFY(TestSupport::writeBytes(listFile(win, false), "old\r\n"));
    win.oldList()->setEntries({u"x"_s});
    win.newList()->setEntries({u"y"_s, u"z"_s});
    win.press(win.newList(), Qt::RightButton);
    win.click("save");
    COMPARE_BYTES(TestSupport::readBytes(listFile(win, true)), "y\r\nz\r\n");
    COMPARE_BYTES(TestSupport::readBytes(listFile(win, false)), "old\r\n");
}

void TestWindowFiles::openReplacesTheList_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("last line without line end") << QByteArray("a\r\nb") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone line ends") << QByteArray("a\nb\rc") << QStringList{u"a"_s, u"b"_s, u"c"_s};
}

void TestWindowFiles::openReplacesTheList()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    Window win;
    QVERIFY(TestSupport::writeBytes(listFile(win, true), bytes));
    win.oldList()->setEntries({u"stays"_s});
    win.newList()->setEntries({u"goes"_s});
    win.press(win.newList(), Qt::RightButton);
    win.click("open");
    QCOMPARE(win.newList()->entries(), entries);
    QCOMPARE(win.oldList()->entries(), QStringList{u"stays"_s});
    QVERIFY(!win.panelShown());
    QCOMPARE(win.status(), u"Status"_s);
}

void TestWindowFiles::openTakesAtMostAFullList()
{
    Window win;
    QVERIFY(ListFile::write(listFile(win, false), numbered(32770)).ok);
    win.press(win.oldList(), Qt::RightButton);
    win.click("open");
    QCOMPARE(win.oldList()->count(), 32767);
    QCOMPARE(win.oldList()->entries().last(), u"teil32766.prt"_s);
    QCOMPARE(win.status(), u"Achtung: Die Liste ist voll (32767 Einträge), 3 Zeilen nicht übernommen"_s);
}

void TestWindowFiles::openKeepsTheList_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("status");
    QTest::newRow("file missing") << u"missing"_s << u"Fehler: Listendatei nicht gefunden: "_s;
    QTest::newRow("folder at the list path") << u"folder"_s << u"Fehler: Liste konnte nicht gelesen werden: "_s;
    QTest::newRow("named pipe at the list path") << u"pipe"_s << u"Fehler: Liste konnte nicht gelesen werden: "_s;
}

// What the user typed stays when the list file cannot be read; a pipe is
// not even opened, so the window never waits for a writer.
void TestWindowFiles::openKeepsTheList()
{
    QFETCH(QString, fault);
    QFETCH(QString, status);
    Window win;
    const QString path = listFile(win, false);
    if (fault == u"folder")
        QVERIFY(QDir().mkpath(path));
    if (fault == u"pipe" && !TestSupport::makeFifo(path))
        QSKIP("this system has no named pipes");
    win.oldList()->setEntries({u"getippt"_s});
    win.press(win.oldList(), Qt::RightButton);
    win.click("open");
    QCOMPARE(win.oldList()->entries(), QStringList{u"getippt"_s});
    QCOMPARE(win.status(), status + path);
    QVERIFY(!win.panelShown());
}

void TestWindowFiles::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("status");
    QTest::newRow("program folder is a file") << u"file"_s << u"a"_s << u"Fehler: Liste konnte nicht gespeichert werden: "_s;
    QTest::newRow("program folder gone") << u"gone"_s << u"a"_s << u"Fehler: Liste konnte nicht gespeichert werden: "_s;
    QTest::newRow("name outside Windows-1252") << QString() << u"Ω.prt"_s
                                               << u"Fehler: Zeichen außerhalb von Windows-1252: Ω"_s;
}

void TestWindowFiles::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, name);
    QFETCH(QString, status);
    Window win;
    QVERIFY(TestSupport::writeBytes(win.platform.path(u"file"_s), "not a folder"));
    if (!programFolder.isEmpty())
        win.platform.m_programFolder = win.platform.path(programFolder);
    const QString path = listFile(win, false);
    if (programFolder.isEmpty())
        QVERIFY(TestSupport::writeBytes(path, "alt\r\n"));
    win.oldList()->setEntries({u"ok"_s, name});
    win.press(win.oldList(), Qt::RightButton);
    win.click("save");
    QVERIFY2(win.status().startsWith(status), qPrintable(win.status()));
    if (!status.contains(u"Zeichen"_s))
        QCOMPARE(win.status(), status + path);
    else
        COMPARE_BYTES(TestSupport::readBytes(path), "alt\r\n");
    QVERIFY(!win.panelShown());
}

void TestWindowFiles::paste_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("added");
    QTest::newRow("heading skipped") << u"Name\r\nmotor.prt\r\nwelle.prt"_s << QStringList{u"motor.prt"_s, u"welle.prt"_s};
    QTest::newRow("empty lines dropped, blank kept") << u"a\r\n\r\n   \n\nb\r"_s << QStringList{u"a"_s, u"   "_s, u"b"_s};
    QTest::newRow("lower-case name is an entry") << u"name\nName \n"_s << QStringList{u"name"_s, u"Name "_s};
    QTest::newRow("tab stays inside the entry") << u"alt.prt\tneu.prt\r\n"_s << QStringList{u"alt.prt\tneu.prt"_s};
    QTest::newRow("no text") << QString() << QStringList{};
}

void TestWindowFiles::paste()
{
    QFETCH(QString, clipboard);
    QFETCH(QStringList, added);
    Window win;
    win.oldList()->setEntries({u"x"_s});
    win.newList()->setEntries({u"schon da"_s});
    QGuiApplication::clipboard()->setText(clipboard);
    win.press(win.newList(), Qt::RightButton);
    win.click("paste");
    QCOMPARE(win.newList()->entries(), QStringList{u"schon da"_s} + added);
    QCOMPARE(win.oldList()->entries(), QStringList{u"x"_s});
    QVERIFY(!win.panelShown());
}

void TestWindowFiles::pasteKeepsNoScratchFile()
{
    Window win;
    const QString before = QDir::currentPath();
    const QString work = win.platform.path(u"work"_s);
    QVERIFY(QDir().mkpath(work));
    QVERIFY(TestSupport::writeBytes(work + u"/cross.tmp"_s, "fremde Datei"));
    QVERIFY(QDir::setCurrent(work));
    QGuiApplication::clipboard()->setText(u"a\r\nb"_s);
    win.press(win.oldList(), Qt::RightButton);
    win.click("paste");
    QDir::setCurrent(before);
    QCOMPARE(win.oldList()->entries(), (QStringList{u"a"_s, u"b"_s}));
    COMPARE_BYTES(TestSupport::readBytes(work + u"/cross.tmp"_s), "fremde Datei");
    QCOMPARE(QDir(work).entryList(QDir::Files), QStringList{u"cross.tmp"_s});
}

void TestWindowFiles::pasteOntoANearlyFullList()
{
    Window win;
    win.oldList()->setEntries(numbered(32765));
    QGuiApplication::clipboard()->setText(u"a\nb\nc\nd\ne"_s);
    win.press(win.oldList(), Qt::RightButton);
    win.click("paste");
    QCOMPARE(win.oldList()->count(), 32767);
    QCOMPARE(win.oldList()->entries().mid(32765), (QStringList{u"a"_s, u"b"_s}));
    QCOMPARE(win.status(), u"Achtung: Die Liste ist voll (32767 Einträge), 3 Zeilen nicht übernommen"_s);
}

void TestWindowFiles::openingTheWrittenFile_data()
{
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("button after writing") << true << false;
    QTest::newRow("double-click after writing") << true << true;
    QTest::newRow("button without a file") << false << false;
    QTest::newRow("double-click without a file") << false << true;
}

void TestWindowFiles::openingTheWrittenFile()
{
    QFETCH(bool, written);
    QFETCH(bool, doubleClick);
    Window win;
    const QString folder = win.platform.path(u"volumeB"_s);
    win.generate();
    win.get<QLineEdit>("txt_path")->setText(folder);
    if (written)
        win.click("cmd_okfiles");
    if (doubleClick)
        QTest::mouseDClick(win.get<QPlainTextEdit>("txt_OUT")->viewport(), Qt::LeftButton);
    else
        win.click("cmd_openmFile");
    const QList<QUrl> expected = written ? QList<QUrl>{QUrl::fromLocalFile(RenameProWriter::filePath(folder))}
                                         : QList<QUrl>{};
    QCOMPARE(win.platform.opened, expected);
}

void TestWindowFiles::infoPlacement_data()
{
    QTest::addColumn<double>("mainLeft");
    QTest::addColumn<double>("screenWidth");
    QTest::addColumn<double>("left");
    QTest::newRow("room beside the window") << 0.0 << 19200.0 << 9200.0;
    QTest::newRow("exactly enough room") << 4480.0 << 19200.0 << 13680.0;
    QTest::newRow("no room") << 4500.0 << 19200.0 << 0.0;
}

void TestWindowFiles::infoPlacement()
{
    QFETCH(double, mainLeft);
    QFETCH(double, screenWidth);
    QFETCH(double, left);
    QCOMPARE(frm_Info::placedLeft(mainLeft, 9200, screenWidth), left);
}

void TestWindowFiles::infoOpensWidenedBesideTheWindow()
{
    Window win;
    win.w->move(0, 40);
    win.click("cmd_info");
    const QList<frm_Info *> infos = infoWindows();
    QCOMPARE(infos.size(), 1);
    frm_Info *info = infos.first();
    QCOMPARE(info->windowTitle(), u"Info"_s);
    QCOMPARE(info->y(), win.w->frameGeometry().y());
    const bool room = frm_Info::placedLeft(0, Twips::fromPixels(win.w->frameGeometry().width()),
                                           Twips::fromPixels(win.w->screen()->geometry().width()))
        > 0;
    QCOMPARE(info->frameGeometry().x(), room ? win.w->frameGeometry().right() + 1 : 0);
    const int frame = info->frameGeometry().width() - info->width();
    const int design = Twips::toPixels(5790) + frame;
    QVERIFY2(info->frameGeometry().width() >= design, qPrintable(QString::number(info->frameGeometry().width())));
    QVERIFY(info->frameGeometry().width() < design + Twips::toPixels(200));
    auto *description = info->findChild<QPlainTextEdit *>(u"Text2"_s);
    QCOMPARE(description->toPlainText(), QString(frm_Info::kDescription).replace(u"\r\n"_s, u"\n"_s));
    QCOMPARE(frm_Info::kDescription.count(u"\r\n"_s), 16);
    QVERIFY(frm_Info::kDescription.endsWith(u"durchführen !\r\n"_s));
}

void TestWindowFiles::infoIsSingleAndReopens()
{
    Window win;
    win.click("cmd_info");
    win.click("cmd_info");
    QCOMPARE(infoWindows().size(), 1);
    QTest::mouseClick(infoWindows().first()->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    QTRY_COMPARE(infoWindows().size(), 0);
    win.click("cmd_info");
    QCOMPARE(infoWindows().size(), 1);
    QVERIFY(infoWindows().first()->frameGeometry().width() >= Twips::toPixels(5790));
}

void TestWindowFiles::infoHoverAndLink()
{
    Window win;
    win.click("cmd_info");
    frm_Info *info = infoWindows().first();
    auto *normal = info->findChild<QWidget *>(u"Image1"_s);
    auto *awake = info->findChild<ImageButton *>(u"Image2"_s);
    QVERIFY(normal->isVisible() && !awake->isVisible());
    hover(normal, normal->rect().center());
    QVERIFY(awake->isVisible() && !normal->isVisible());
    hover(info, QPoint(5, info->height() - 5));
    QVERIFY(normal->isVisible() && !awake->isVisible());

    QTest::mouseClick(info->findChild<QWidget *>(u"Label5"_s), Qt::LeftButton);
    QCOMPARE(win.platform.opened, QList<QUrl>{QUrl(frm_Info::kWebAddress)});

    hover(normal, normal->rect().center());
    QVERIFY(awake->isVisible());
    QTest::mouseClick(awake, Qt::LeftButton);
    QTRY_COMPARE(infoWindows().size(), 0);
}

void TestWindowFiles::closingTheMainWindowClosesInfo()
{
    Window win;
    win.click("cmd_info");
    QCOMPARE(infoWindows().size(), 1);
    win.get<QLineEdit>("txt_renameNEU")->setText(u"beim Beenden"_s);
    win.click("img_EXIT");
    QVERIFY(!win.w->isVisible());
    QTRY_COMPARE(infoWindows().size(), 0);
    QCOMPARE(win.platform.openSettings()->value(u"txt_renameNEU.Text"_s).toString(), u"beim Beenden"_s);
}

QTEST_MAIN(TestWindowFiles)
#include "tst_window_files.moc"

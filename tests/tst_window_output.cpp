#include "TestSupport.h"
#include "WindowFixture.h"
#include "generator/MapkeyGenerator.h"
#include "generator/RenameProWriter.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTextDocumentFragment>

using namespace Qt::StringLiterals;

class TestWindowOutput : public QObject
{
    Q_OBJECT

private slots:
    void generationRefusals_data();
    void generationRefusals();
    void questionBeforeBuilding_data();
    void questionBeforeBuilding();
    void generationStoresExpression();
    void mainJobByMouse();
    void writesWhatTheOutputFieldHolds_data();
    void writesWhatTheOutputFieldHolds();
    void outputLinesBehaveAsLines_data();
    void outputLinesBehaveAsLines();
    void writeFailures_data();
    void writeFailures();
    void typedFolderThenOk_data();
    void typedFolderThenOk();
    void cancelDiscardsOutput();
    void chooserFollowsRememberedFolder_data();
    void chooserFollowsRememberedFolder();
    void typingMovesTreeOnlyToFolders();
    void trailingSeparatorChains();
    void driveChanges();
};

void TestWindowOutput::generationRefusals_data()
{
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<bool>("message");
    QTest::addColumn<QString>("status");
    QTest::newRow("new list empty") << QStringList{u"C:\\work\\Motor.prt.7"_s} << QStringList{} << false
                                    << u"Achtung: Die Liste der neuen Namen ist leer"_s;
    QTest::newRow("old list empty") << QStringList{} << QStringList{u"b.prt"_s} << true << u"Status"_s;
    QTest::newRow("three against five") << QStringList{u"a"_s, u"b"_s, u"x\\c.prt.1"_s}
                                        << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s} << true << u"Status"_s;
}

void TestWindowOutput::generationRefusals()
{
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, newNames);
    QFETCH(bool, message);
    QFETCH(QString, status);
    Window win;
    win.oldList()->setEntries(oldNames);
    win.newList()->setEntries(newNames);
    win.get<QPlainTextEdit>("txt_OUT")->setPlainText(u"alt"_s);
    const SeenMessageBox box = win.generate();
    QCOMPARE(box.count, message ? 1 : 0);
    if (message) {
        QCOMPARE(box.title, u"Velmorant"_s);
        QCOMPARE(box.text, u"Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !"_s);
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QStringList{u"OK"_s});
    }
    QCOMPARE(win.get<QPlainTextEdit>("txt_OUT")->toPlainText(), QString());
    QCOMPARE(win.oldList()->entries(), MapkeyGenerator::clean(oldNames));
    QVERIFY(!win.chooser()->isVisible());
    QVERIFY(!win.get("cmd_openmFile")->isVisible());
    QCOMPARE(win.status(), status);
}

// With findings the user is asked first; "Abbrechen" builds nothing and
// leaves the output, the chooser and the command to open the file alone.
void TestWindowOutput::questionBeforeBuilding_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("build anyway") << u"&Trotzdem erstellen"_s;
    QTest::newRow("cancel") << u"Abbrechen"_s;
}

void TestWindowOutput::questionBeforeBuilding()
{
    QFETCH(QString, answer);
    Window win;
    win.oldList()->setEntries({u"C:\\work\\a.prt.3"_s});
    win.newList()->setEntries({u"A.prt"_s});
    win.get<QPlainTextEdit>("txt_OUT")->setPlainText(u"alt"_s);
    const SeenMessageBox box = win.generate(answer);
    QCOMPARE(box.count, 1);
    QCOMPARE(box.title, u"Velmorant"_s);
    QCOMPARE(box.text,
             u"Die Prüfung der Namen meldet 1 Warnung:\n\nZeile 1: Warnung: neuer Name gleich dem alten: A.prt\n\n"
             u"rename.pro trotzdem erstellen?"_s);
    QCOMPARE(box.buttons, (QStringList{u"&Trotzdem erstellen"_s, u"Abbrechen"_s}));
    QCOMPARE(box.defaultButton, u"Abbrechen"_s);
    QCOMPARE(box.escapeButton, u"Abbrechen"_s);
    QCOMPARE(win.oldList()->entries(), QStringList{u"a.prt"_s});
    const bool built = answer != u"Abbrechen";
    QCOMPARE(win.get<QPlainTextEdit>("txt_OUT")->toPlainText().startsWith(u"save_objects all\n"_s), built);
    QCOMPARE(win.chooser()->isVisible(), built);
    QCOMPARE(win.get("cmd_openmFile")->isVisible(), built);
    if (!built)
        QCOMPARE(win.get<QPlainTextEdit>("txt_OUT")->toPlainText(), u"alt"_s);
}

void TestWindowOutput::generationStoresExpression()
{
    Window win;
    win.get<QLineEdit>("txt_rename")->setText(u"_v1"_s);
    win.generate();
    QCOMPARE(win.platform.openSettings()->value(u"txt_rename.Text"_s).toString(), u"_v1"_s);
}

void TestWindowOutput::mainJobByMouse()
{
    Window win;
    const QStringList oldNames{u"C:\\work\\Motor.prt.7"_s, u"plan.drw"_s, u"baugruppe.asm.2"_s};
    const QStringList newNames{u"Getriebe.prt"_s, u"plan2.drw"_s, u"bg_neu.asm"_s};
    win.fill(win.oldList(), oldNames);
    win.fill(win.newList(), newNames);
    QCOMPARE(win.oldList()->entries(), oldNames);
    QCOMPARE(win.newList()->entries(), newNames);
    QCOMPARE(win.generate().count, 0);
    QCOMPARE(win.oldList()->entries(), (QStringList{u"Motor.prt"_s, u"plan.drw"_s, u"baugruppe.asm"_s}));
    QVERIFY(win.chooser()->isVisible());
    QCOMPARE(win.chooser()->pos(), QPoint(px(400), px(1000)));
    QVERIFY(win.get("cmd_openmFile")->isVisible());
    const MapkeyGenerator::Generation g = MapkeyGenerator::generate(oldNames, newNames);
    QCOMPARE(win.get<QPlainTextEdit>("txt_OUT")->toPlainText(), QString(g.text).replace(u"\r\n"_s, u"\n"_s));
    QCOMPARE(win.get<QPlainTextEdit>("txt_OUT")->document()->lineCount(), g.text.count(u"\r\n"_s) + 1);

    const QString folder = win.platform.path(u"volumeB"_s);
    win.confirmFolder(folder);
    COMPARE_BYTES(TestSupport::readBytes(RenameProWriter::filePath(folder)),
                  MapkeyGenerator::generateFile(oldNames, newNames).fileBytes);
    QCOMPARE(win.status(), u"Datei rename.pro wurde gespeichert in "_s + folder);
    QVERIFY(!win.chooser()->isVisible());
    QVERIFY(!win.panelShown());
    QVERIFY(win.get("cmd_openmFile")->isVisible());
    QCOMPARE(win.get<QLineEdit>("txt_path")->text(), folder);
}

// Unedited, "OK" writes the generated bytes; edited, the field's text. Both
// must give the same file for the same text.
void TestWindowOutput::writesWhatTheOutputFieldHolds_data()
{
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("undone");
    QTest::addColumn<QByteArray>("tail");
    QTest::newRow("no-break space and umlauts") << QStringList{u"Geh\u00E4use\u00A0neu.prt"_s} << QString() << false
                                               << QByteArray();
    QTest::newRow("euro sign") << QStringList{u"teil_\u20AC.prt"_s} << QString() << false << QByteArray();
    QTest::newRow("edited by the user") << QStringList{u"b.prt"_s} << u"mapkey x ~ ;"_s << false
                                        << QByteArray("mapkey x ~ ;\r\n");
    QTest::newRow("edited, then undone") << QStringList{u"\u00E4.prt"_s} << u"x"_s << true << QByteArray();
}

void TestWindowOutput::writesWhatTheOutputFieldHolds()
{
    QFETCH(QStringList, newNames);
    QFETCH(QString, typed);
    QFETCH(bool, undone);
    QFETCH(QByteArray, tail);
    Window win;
    win.oldList()->setEntries({u"a.prt"_s});
    win.newList()->setEntries(newNames);
    win.generate();
    auto *out = win.get<QPlainTextEdit>("txt_OUT");
    if (!typed.isEmpty()) {
        out->moveCursor(QTextCursor::End);
        QTest::keyClicks(out, typed);
        QTest::keyClick(out, Qt::Key_Return);
    }
    while (undone && out->document()->isUndoAvailable())
        out->undo();
    const QString folder = win.platform.path(u"volumeB"_s);
    win.confirmFolder(folder);
    const QByteArray expected = MapkeyGenerator::generateFile({u"a.prt"_s}, newNames).fileBytes;
    COMPARE_BYTES(TestSupport::readBytes(RenameProWriter::filePath(folder)), expected.chopped(2) + tail + "\r\n");
}

// The output starts "save_objects all", "mapkey umb0 ~ ;\"; the cursor
// starts at `start`, and the mouse works on the second line.
void TestWindowOutput::outputLinesBehaveAsLines_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("textStart");
    QTest::newRow("triple click selects one line") << 0 << u"triple click"_s << 34 << u"mapkey umb0 ~ ;\\\n"_s
                                                    << u"save_objects all\nmapkey"_s;
    QTest::newRow("word left from a line start") << 17 << u"ctrl+left"_s << 16 << QString() << u"save_objects all\nmapkey"_s;
    QTest::newRow("word right from a line end") << 16 << u"ctrl+right"_s << 17 << QString() << u"save_objects all\nmapkey"_s;
    QTest::newRow("word deleted at a line start") << 17 << u"ctrl+backspace"_s << 16 << QString()
                                                  << u"save_objects allmapkey"_s;
}

void TestWindowOutput::outputLinesBehaveAsLines()
{
    QFETCH(int, start);
    QFETCH(QString, action);
    QFETCH(int, position);
    QFETCH(QString, selected);
    QFETCH(QString, textStart);
    Window win;
    win.oldList()->setEntries({u"a.prt"_s, u"b.prt"_s, u"c.prt"_s});
    win.newList()->setEntries({u"x.prt"_s, u"y.prt"_s, u"z.prt"_s});
    win.generate();
    auto *out = win.get<QPlainTextEdit>("txt_OUT");
    QTextCursor cursor = out->textCursor();
    cursor.setPosition(start);
    out->setTextCursor(cursor);
    cursor.setPosition(20);
    const QPoint onSecondLine = out->cursorRect(cursor).center();
    if (action == u"triple click") {
        QTest::mouseDClick(out->viewport(), Qt::LeftButton, {}, onSecondLine);
        QTest::mouseClick(out->viewport(), Qt::LeftButton, {}, onSecondLine);
    } else {
        const QKeySequence keys(action);
        QTest::keyClick(out, Qt::Key(keys[0].key()), keys[0].keyboardModifiers());
    }
    QCOMPARE(out->textCursor().position(), position);
    QCOMPARE(out->textCursor().selection().toPlainText(), selected);
    QVERIFY(out->toPlainText().startsWith(textStart));
}

void TestWindowOutput::writeFailures_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("status");
    QTest::newRow("folder removed after it was chosen") << u"removed"_s
                                                        << u"Fehler: Datei rename.pro konnte nicht gespeichert werden in "_s;
    QTest::newRow("rename.pro is a folder") << u"blocked"_s
                                            << u"Fehler: Datei rename.pro konnte nicht gespeichert werden in "_s;
    QTest::newRow("name outside Windows-1252") << u"greek"_s << u"Fehler: Zeichen außerhalb von Windows-1252: Ω"_s;
}

void TestWindowOutput::writeFailures()
{
    QFETCH(QString, failure);
    QFETCH(QString, status);
    Window win;
    const QString folder = win.platform.path(u"volumeB/sub"_s);
    win.oldList()->setEntries({u"a.prt"_s});
    win.newList()->setEntries({failure == u"greek" ? u"Ωmega.prt"_s : u"b.prt"_s});
    QVERIFY(TestSupport::writeBytes(RenameProWriter::filePath(folder), "alt\r\n"));
    win.generate();
    win.get<QLineEdit>("txt_path")->setText(folder);
    if (failure == u"removed")
        QVERIFY(QDir(folder).removeRecursively());
    if (failure == u"blocked") {
        QVERIFY(QFile::remove(RenameProWriter::filePath(folder)));
        QVERIFY(QDir(folder).mkdir(u"rename.pro"_s));
    }
    win.click("cmd_okfiles");
    QVERIFY2(win.status().startsWith(status), qPrintable(win.status()));
    if (failure == u"greek")
        COMPARE_BYTES(TestSupport::readBytes(RenameProWriter::filePath(folder)), "alt\r\n");
    QVERIFY(!win.get<QPlainTextEdit>("txt_OUT")->toPlainText().isEmpty());
}

void TestWindowOutput::typedFolderThenOk_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing folder: into the tree's folder") << u"nowhere"_s << false;
    QTest::newRow("hidden folder: followed") << u"volumeB/.versteckt"_s << true;
}

// The tree follows any folder the folder text names, and "OK" writes into
// the tree's folder.
void TestWindowOutput::typedFolderThenOk()
{
    QFETCH(QString, typed);
    QFETCH(bool, exists);
    Window win;
    const QString folder = win.platform.path(typed);
    if (exists)
        QVERIFY(QDir().mkpath(folder));
    win.generate();
    // The tree shows the parent folder and has listed what it holds.
    win.get<QLineEdit>("txt_path")->setText(QFileInfo(folder).path());
    auto *dir1 = win.get<QTreeView>("Dir1");
    QTRY_VERIFY(dir1->model()->rowCount(dir1->currentIndex()) > 0);
    const QString tree = win.chooser()->dirPath();
    win.get<QLineEdit>("txt_path")->setText(folder);
    win.click("cmd_okfiles");
    const QString written = exists ? folder : tree;
    QCOMPARE(win.get<QLineEdit>("txt_path")->text(), written);
    QVERIFY(QFile::exists(RenameProWriter::filePath(written)));
    QCOMPARE(QFile::exists(RenameProWriter::filePath(tree)), !exists);
}

void TestWindowOutput::cancelDiscardsOutput()
{
    Window win;
    win.generate();
    QVERIFY(!win.get<QPlainTextEdit>("txt_OUT")->toPlainText().isEmpty());
    const QString statusBefore = win.status();
    win.click("img_quit");
    QVERIFY(!win.chooser()->isVisible());
    QCOMPARE(win.get<QPlainTextEdit>("txt_OUT")->toPlainText(), QString());
    QCOMPARE(win.status(), statusBefore);
    QVERIFY(!QFile::exists(RenameProWriter::filePath(win.chooser()->dirPath())));
}

void TestWindowOutput::chooserFollowsRememberedFolder_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("remembered folder present") << true;
    QTest::newRow("remembered folder missing") << false;
}

void TestWindowOutput::chooserFollowsRememberedFolder()
{
    QFETCH(bool, exists);
    Window win;
    const QString remembered = win.platform.path(u"volumeB/sub"_s);
    win.get<QLineEdit>("txt_path")->setText(remembered);
    if (!exists)
        QVERIFY(QDir(remembered).removeRecursively());
    win.restart();
    win.generate();
    QCOMPARE(win.chooser()->dirPath(), exists ? remembered : win.platform.startFolder());
    QCOMPARE(win.get<QLineEdit>("txt_path")->text(), win.chooser()->dirPath());
}

void TestWindowOutput::typingMovesTreeOnlyToFolders()
{
    Window win;
    auto *field = win.get<QLineEdit>("txt_path");
    const QString target = win.platform.path(u"volumeB/sub"_s);
    field->clear();
    QStringList visited;
    for (const QChar c : target) {
        const QString before = win.chooser()->dirPath();
        QTest::keyClick(field, c.toLatin1());
        const QString typed = field->text();
        if (QFileInfo(typed).isDir())
            QCOMPARE(QDir::cleanPath(win.chooser()->dirPath()), QDir::cleanPath(typed));
        else
            QCOMPARE(win.chooser()->dirPath(), before);
        if (!visited.contains(win.chooser()->dirPath()))
            visited << win.chooser()->dirPath();
    }
    QCOMPARE(field->text(), target);
    QCOMPARE(win.chooser()->dirPath(), target);
    QVERIFY(visited.contains(QDir::rootPath()));
    QVERIFY(visited.contains(win.platform.path(u"volumeB"_s)));
    QVERIFY(!visited.contains(win.platform.path(u"volumeB/su"_s)));
}

void TestWindowOutput::trailingSeparatorChains()
{
    Window win;
    auto *field = win.get<QLineEdit>("txt_path");
    const QString folder = win.platform.path(u"volumeB"_s);
    QSignalSpy treeMoves(win.get<QTreeView>("Dir1")->selectionModel(), &QItemSelectionModel::currentChanged);
    field->setText(folder + QDir::separator());
    QCOMPARE(win.chooser()->dirPath(), folder);
    QCOMPARE(field->text(), folder);
    QCOMPARE(treeMoves.count(), 1);
    field->setText(folder + QDir::separator());
    QCOMPARE(field->text(), folder + QDir::separator());
    QCOMPARE(treeMoves.count(), 1);
}

void TestWindowOutput::driveChanges()
{
    Window win;
    auto *drives = win.get<QComboBox>("Drive1");
    const QString volume = win.platform.path(u"volumeB"_s);
    QCOMPARE(drives->currentText(), QDir::rootPath());
    drives->setCurrentIndex(drives->findText(volume));
    QCOMPARE(win.chooser()->dirPath(), volume);
    QCOMPARE(win.get<QLineEdit>("txt_path")->text(), volume);
    QCOMPARE(win.status(), u"Status"_s);

    drives->setCurrentIndex(drives->findText(win.platform.path(u"offline"_s)));
    QCOMPARE(drives->currentText(), volume);
    QCOMPARE(win.chooser()->dirPath(), volume);
    QCOMPARE(win.status(), u"Laufwerk nicht verfügbar !"_s);

    // Back on the first drive, the tree returns to the folder it showed there.
    drives->setCurrentIndex(0);
    QCOMPARE(win.chooser()->dirPath(), win.platform.startFolder());
}

QTEST_MAIN(TestWindowOutput)
#include "tst_window_output.moc"

#include "WindowFixture.h"
#include "ui/lists/NameListModel.h"
#include "ui/widgets/FittedLabel.h"

#include <QAbstractTextDocumentLayout>

#include <optional>
#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#endif

namespace {

QByteArray renamePro(const QString &folder)
{
    return TestSupport::readBytes(folder + u"/rename.pro"_s);
}

// Tab until `name` has the focus, then `key` there; false when Tab never
// gets there.
bool keyAt(Window &win, const char *name, const QKeySequence &key = {})
{
    for (int tabs = 0; QApplication::focusWidget() != win.get(name); ++tabs) {
        if (tabs == 50)
            return false;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    if (!key.isEmpty())
        QTest::keySequence(QApplication::focusWidget(), key);
    return true;
}

#ifdef Q_OS_LINUX
// The names of the files opened in `folder` while it lives (Linux only).
class OpenedFiles
{
public:
    explicit OpenedFiles(const QString &folder)
        : m_inotify(inotify_init1(IN_NONBLOCK))
    {
        m_watching = inotify_add_watch(m_inotify, QFile::encodeName(folder).constData(), IN_OPEN) >= 0;
    }
    ~OpenedFiles() { close(m_inotify); }
    bool watching() const { return m_watching; }
    QStringList files() const
    {
        QStringList names;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = read(m_inotify, buffer, sizeof buffer)) > 0;) {
            for (char *at = buffer; at < buffer + n;
                 at += sizeof(inotify_event) + reinterpret_cast<inotify_event *>(at)->len) {
                const auto *event = reinterpret_cast<inotify_event *>(at);
                if (!(event->mask & IN_ISDIR))
                    names << QFile::decodeName(event->name);
            }
        }
        return names;
    }

private:
    int m_inotify;
    bool m_watching = false;
};
#endif

} // namespace

class TestWindowOutput : public QObject
{
    Q_OBJECT

private slots:
    void generationRefusals_data();
    void generationRefusals();
    void questionBeforeBuilding_data();
    void questionBeforeBuilding();
    void mainJobByMouse();
    void mainJobByKeyboard();
    void okWritesOnlyWhereTheFieldPoints_data();
    void okWritesOnlyWhereTheFieldPoints();
    void chooserChains();
    void treeReadOnlyWhileShown();
    void treeOpensNoFile();
    void writesWhatTheOutputFieldHolds_data();
    void writesWhatTheOutputFieldHolds();
    void outputShownWhenSeen_data();
    void outputShownWhenSeen();
    void outputLinesBehaveAsLines_data();
    void outputLinesBehaveAsLines();
    void wayBack_data();
    void wayBack();
};

// The old names are cleaned all the same; nothing is built, and a finding
// of the name check (c.prt kept) asks nothing while the counts differ.
void TestWindowOutput::generationRefusals_data()
{
    const QString differ =
        u"Velmorant | Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen ! | OK"_s;
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<QStringList>("cleaned");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("status");
    QTest::newRow("new list empty") << QStringList{u"C:\\work\\Motor.prt.7"_s} << QStringList{} << names("Motor.prt")
                                    << QStringList{} << u"Achtung: Die Liste der neuen Namen ist leer"_s;
    QTest::newRow("old list empty") << QStringList{} << names("b.prt") << QStringList{} << QStringList{differ}
                                    << u"Status"_s;
    QTest::newRow("one against two") << QStringList{u"x\\c.prt.1"_s} << names("c.prt 2") << names("c.prt")
                                     << QStringList{differ} << u"Status"_s;
}

void TestWindowOutput::generationRefusals()
{
    QFETCH(QStringList, oldNames);
    QFETCH(QStringList, newNames);
    QFETCH(QStringList, cleaned);
    QFETCH(QStringList, boxes);
    QFETCH(QString, status);
    Window win;
    win.oldList()->setEntries(oldNames);
    win.newList()->setEntries(newNames);
    win.get<QPlainTextEdit>("txt_OUT")->setPlainText(u"alt"_s);
    QCOMPARE(win.generate(), boxes);
    QCOMPARE(win.output(), QString());
    QCOMPARE(win.oldList()->entries(), cleaned);
    QVERIFY(!win.chooser()->isVisible() && !win.get("cmd_openmFile")->isVisible());
    QCOMPARE(win.status(), status);
}

// With findings the user is asked first; "Abbrechen", the default, builds
// nothing and leaves the output, the chooser and the command alone.
// With the way back asked for, its own findings join in, and the check
// line, the marks and the question count the same ones.
void TestWindowOutput::questionBeforeBuilding_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("findings");
    const QString unchanged = u"Zeile 1: Warnung: neuer Name gleich dem alten: A.prt"_s;
    QTest::newRow("build anyway") << u"&Trotzdem erstellen"_s << u"C:\\work\\a.prt.3>A.prt"_s << u"Prüfung: 1 Warnung"_s
                                  << u"1 Warnung:\n\n"_s + unchanged;
    QTest::newRow("cancel") << u"Abbrechen"_s << u"C:\\work\\a.prt.3>A.prt"_s << u"Prüfung: 1 Warnung"_s
                            << u"1 Warnung:\n\n"_s + unchanged;
    QTest::newRow("the way back's own findings, counted alike")
        << u"Abbrechen"_s << u"b>c.prt|d.prt>e.prt|b.prt>f.prt"_s << u"Prüfung: 2 Fehler, 1 Warnung"_s
        << u"2 Fehler, 1 Warnung:\n\nZeile 1: Warnung: neuer Name hat einen anderen Typ (.prt statt keiner Endung): "
           "c.prt\nRückweg: Zeile 1: Fehler: neuer Name doppelt (auch Zeile 3): b\nRückweg: Zeile 3: Fehler: neuer "
           "Name doppelt (auch Zeile 1): b.prt"_s;
}

void TestWindowOutput::questionBeforeBuilding()
{
    QFETCH(QString, answer);
    QFETCH(QString, pairs);
    QFETCH(QString, findings);
    Window win;
    const bool wayBack = pairs.contains(u'|');
    QStringList oldNames, newNames;
    for (const QString &pair : pairs.split(u'|')) {
        oldNames << pair.section(u'>', 0, 0);
        newNames << pair.section(u'>', 1);
    }
    win.oldList()->setEntries(oldNames);
    win.newList()->setEntries(newNames);
    if (wayBack) // the box ticked now, the check follows it at once
        win.get<QCheckBox>("chk_rueckweg")->click();
    QTEST(win.get<QLabel>("lbl_pruefung")->text(), "line");
    const QModelIndex third = win.newList()->model()->index(2, 0);
    QCOMPARE(third.data(NameListModel::MarkRole).toInt(), wayBack ? 2 : 0);
    win.get<QPlainTextEdit>("txt_OUT")->setPlainText(u"alt"_s);
    QCOMPARE(win.generate(answer),
             QStringList{u"Velmorant | Die Prüfung der Namen meldet "_s + findings
                         + u"\n\nrename.pro trotzdem erstellen? | &Trotzdem erstellen, Abbrechen*"_s});
    if (wayBack)
        return;
    QCOMPARE(win.oldList()->entries(), names("a.prt"));
    const bool built = answer != u"Abbrechen";
    QCOMPARE(win.output().startsWith(u"save_objects all\n"_s), built);
    QCOMPARE(win.output() == u"alt"_s, !built);
    QCOMPARE(win.chooser()->isVisible(), built);
    QCOMPARE(win.get("cmd_openmFile")->isVisible(), built);
}

// The road of the main job: old names typed in; the mapkeys built from the
// cleaned old names and the new ones; the rule's expression stored; the
// chooser on the remembered folder; the output edited by hand; the file
// written with what the field holds, in Windows-1252 with CR LF, and opened.
void TestWindowOutput::mainJobByMouse()
{
    Window win;
    win.setText("txt_rename", u"_v1"_s);
    win.fill(win.oldList(), {u"C:\\work\\Motor.prt.7"_s, u"plan.drw"_s});
    win.newList()->setEntries({u"Getriebe.prt"_s, u"Geh\u00E4use\u00A0neu.drw"_s});
    win.generate(); // a no-break space in a name is worth a question
    QCOMPARE(win.platform.openSettings()->value(u"txt_rename.Text"_s).toString(), u"_v1"_s);
    QCOMPARE(win.oldList()->entries(), names("Motor.prt plan.drw"));
    QVERIFY(win.chooser()->isVisible() && win.get("cmd_openmFile")->isVisible());
    QCOMPARE(win.chooser()->pos(), QPoint(px(400), px(1000)));
    QCOMPARE(win.chooser()->dirPath(), win.platform.path(u"design"_s));
    auto *out = win.outputField();
    QVERIFY(out->toPlainText().startsWith(u"save_objects all\nmapkey umb0 ~ ;\\\n"_s));
    out->moveCursor(QTextCursor::End);
    QTest::keyClicks(out, u"mapkey x ~ ;"_s);
    QTest::keyClick(out, Qt::Key_Return);

    const QString folder = win.platform.path(u"volumeB"_s);
    win.confirmFolder(folder);
    const QByteArray written = renamePro(folder);
    for (const QByteArray &line :
         {QByteArray("save_objects all\r\nmapkey umb0 ~ ;\\\r\n"), QByteArray("`Inputname` `Motor.prt`;\\\r\n"),
          QByteArray("`InputPanel2` `Getriebe.prt`;\\\r\n"), QByteArray("\r\nmapkey umb1 ~ ;\\\r\n"),
          QByteArray("`InputPanel2` `Geh\xE4use\xA0neu.drw`;\\\r\n"),
          QByteArray("\r\nmapkey rename ~ ;\\\r\nmapkey(continued) ~ ;%CallALLNow;\\\r\n")})
        QVERIFY2(written.contains(line), line.constData());
    QVERIFY(written.endsWith("mapkey(continued) ~ ;\r\nmapkey x ~ ;\r\n\r\n"));
    QCOMPARE(win.status(), u"Datei rename.pro wurde gespeichert in "_s + folder);
    QVERIFY(!win.chooser()->isVisible() && !win.panelShown());
    QVERIFY(win.get("cmd_openmFile")->isVisible());
    // The written file opens from the tree's folder, whatever the text says.
    win.setText("txt_path", u"kein Ordner"_s);
    win.click("cmd_openmFile");
    QTest::mouseDClick(out->viewport(), Qt::LeftButton);
    const QUrl file = QUrl::fromLocalFile(folder + u"/rename.pro"_s);
    QCOMPARE(win.platform.opened, (QList<QUrl>{file, file}));
    win.platform.desktopOpens = false;
    win.click("cmd_openmFile");
    QCOMPARE(win.status(), u"Kein Programm zum Öffnen von rename.pro gefunden"_s);
}

// The panel opened by the Menu key and Shift+F10, the names typed, the
// mapkeys built; the folder field takes the keyboard, the first Tab leads
// to "OK", Enter presses it.
void TestWindowOutput::mainJobByKeyboard()
{
    Window win;
    win.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
    win.click("Image_EXIT");
    for (const auto &[list, key, name] :
         {std::tuple("list_OldName", "Menu", "alt.prt"), std::tuple("list_NewName", "Shift+F10", "neu.prt")}) {
        QVERIFY(keyAt(win, list, QKeySequence(QLatin1String(key))) && win.panelShown() && keyAt(win, "Text1"));
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QVERIFY(keyAt(win, "cmd_mapkeyNow", QKeySequence(Qt::Key_Space)));
    QCOMPARE(QApplication::focusWidget(), win.get("txt_path"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), win.get("cmd_okfiles"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(win.status(), u"Datei rename.pro wurde gespeichert in "_s + win.platform.path(u"design"_s));
}

// "OK" writes only into the folder that the folder field names: a typed
// folder that is not there, or the chosen one removed since, writes
// nothing, although the tree shows its parent, and the chooser stays. The
// tree lists hidden folders too and follows a text that names one; a
// failed write, also one that crosses a file-size limit, says why, keeps
// the output and leaves nothing to open. "%1" stands for the folder.
void TestWindowOutput::okWritesOnlyWhereTheFieldPoints_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<QString>("status");
    const QString notSaved = u"Fehler: Datei rename.pro konnte nicht gespeichert werden in %1: "_s;
    QTest::newRow("typed folder missing") << u"typed"_s << u"Fehler: Ordner nicht gefunden: %1"_s;
    QTest::newRow("chosen folder removed") << u"removed"_s << u"Fehler: Ordner nicht gefunden: %1"_s;
    QTest::newRow("write fails") << u"fails"_s << notSaved + u"Ist ein Ordner"_s;
    QTest::newRow("file size limit") << u"limit"_s << notSaved + u"Datei zu groß (Grenze der Dateigröße erreicht)"_s;
}

void TestWindowOutput::okWritesOnlyWhereTheFieldPoints()
{
    QFETCH(QString, road);
    QFETCH(QString, status);
    Window win;
    const QString hidden = win.platform.path(u"volumeB/sub/.versteckt"_s);
    QVERIFY(QDir().mkpath(hidden));
    win.generate();
    win.setText("txt_path", win.platform.path(u"volumeB/sub"_s));
    auto *dir1 = win.get<QTreeView>("Dir1");
    QTRY_VERIFY(dir1->model()->rowCount(dir1->currentIndex()) > 0);
    win.setText("txt_path", hidden);
    QCOMPARE(win.chooser()->dirPath(), hidden);
    const QPersistentModelIndex shown = dir1->currentIndex();
    QVERIFY(road != u"removed" || QDir().rmdir(hidden));
    QVERIFY(road != u"fails" || QDir(hidden).mkdir(u"rename.pro"_s));
    QTRY_VERIFY(road != u"removed" || !shown.isValid());
    if (road == u"typed")
        QTest::keyClick(win.get("txt_path"), Qt::Key_2);
    if (road == u"limit")
        Platform::failWritesAtFileSizeLimit(); // as the program's start does
    {
        std::optional<TestSupport::FileSizeLimit> limit;
        if (road == u"limit" && !limit.emplace(100, true).active())
            QSKIP("this system sets no file size limit");
        win.click("cmd_okfiles");
    }
    const QString folder = road == u"typed" ? hidden + u'2' : hidden;
    QCOMPARE(win.status(), status.arg(folder));
    QCOMPARE(win.text("txt_path"), folder);
    QCOMPARE(win.chooser()->isVisible(), road == u"typed" || road == u"removed");
    QVERIFY(!win.output().isEmpty());
    QVERIFY(!QDirIterator(win.dir.path(), {u"rename.pro"_s}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories)
                 .hasNext());
    win.click("cmd_openmFile");
    QCOMPARE(win.platform.opened, QList<QUrl>{});
}

// The three controls of the chooser keep each other in step; its cancel
// image discards the output.
void TestWindowOutput::chooserChains()
{
    Window win;
    auto *drives = win.get<QComboBox>("Drive1");
    const QString volume = win.platform.path(u"volumeB"_s);
    const QString start = win.platform.path(u"start"_s);
    // A folder text that names no folder takes the tree's folder when shown.
    win.setText("txt_path", u"kein Ordner"_s);
    win.generate();
    QCOMPARE(win.text("txt_path"), start);
    // The tree's own form of a folder goes back into the text once; typed
    // again, the separator stays where the tree already is.
    QSignalSpy treeMoves(win.get<QTreeView>("Dir1")->selectionModel(), &QItemSelectionModel::currentChanged);
    win.setText("txt_path", volume + QDir::separator());
    QCOMPARE(win.chooser()->dirPath(), volume);
    QCOMPARE(win.text("txt_path"), volume);
    win.setText("txt_path", volume + QDir::separator());
    QCOMPARE(win.text("txt_path"), volume + QDir::separator());
    QCOMPARE(treeMoves.count(), 1);
    // Drives: the tree goes to the folder last shown there; one without a
    // medium sends the drive list back.
    const QString sub = win.platform.path(u"volumeB/sub"_s);
    win.setText("txt_path", sub);
    drives->setCurrentIndex(drives->findText(volume));
    QCOMPARE(win.chooser()->dirPath(), sub);
    drives->setCurrentIndex(0);
    QCOMPARE(win.chooser()->dirPath(), start);
    QCOMPARE(win.text("txt_path"), start);
    drives->setCurrentIndex(drives->findText(volume));
    QCOMPARE(win.chooser()->dirPath(), sub);
    QCOMPARE(win.status(), u"Status"_s);
    drives->setCurrentIndex(drives->findText(win.platform.path(u"offline"_s)));
    QCOMPARE(drives->currentText(), volume);
    QCOMPARE(win.chooser()->dirPath(), sub);
    QCOMPARE(win.status(), u"Laufwerk nicht verfügbar !"_s);
    win.click("img_quit");
    QVERIFY(!win.chooser()->isVisible());
    QCOMPARE(win.output(), QString());
    QCOMPARE(win.status(), u"Laufwerk nicht verfügbar !"_s);
    QVERIFY(!QFile::exists(sub + u"/rename.pro"_s));
}

// The tree watches its folders only while the chooser is shown, and reads
// them afresh each time it opens: a folder made while it is hidden starts
// no read, and it is there when the chooser opens again.
void TestWindowOutput::treeReadOnlyWhileShown()
{
    Window win;
    win.generate();
    auto *dir1 = win.get<QTreeView>("Dir1");
    const QVariantList folder{QDir::fromNativeSeparators(win.chooser()->dirPath())};
    QSignalSpy opening(dir1->model(), SIGNAL(directoryLoaded(QString)));
    QTRY_VERIFY(opening.contains(folder));
    // Read afresh, the folders above it fill in; the folder stays in sight.
    QTRY_VERIFY(dir1->viewport()->rect().contains(dir1->visualRect(dir1->currentIndex())));
    // Scrolled away by the user, it stays where the user put it.
    dir1->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    QMetaObject::invokeMethod(dir1->model(), "layoutChanged");
    QTest::qWait(50);
    QCOMPARE(dir1->verticalScrollBar()->value(), 0);
    win.click("img_quit");
    QSignalSpy reads(dir1->model(), SIGNAL(directoryLoaded(QString)));
    QVERIFY(QDir(win.chooser()->dirPath()).mkdir(u"neu"_s));
    // Longer than the 400 ms a watched folder may wait to be read again.
    QTest::qWait(500);
    QCOMPARE(reads.count(folder), 0);
    win.generate();
    QTRY_COMPARE(dir1->model()->rowCount(dir1->currentIndex()), 1);
    QCOMPARE(dir1->model()->index(0, 0, dir1->currentIndex()).data().toString(), u"neu"_s);
}

// The tree knows files by their names and kinds only: it opens none, so no
// file whose reading never ends (such as /proc/kmsg) can hold the window.
void TestWindowOutput::treeOpensNoFile()
{
#ifdef Q_OS_LINUX
    Window win;
    const QString folder = win.platform.path(u"volumeB/sub"_s);
    QVERIFY(TestSupport::writeBytes(folder + u"/bericht"_s, "%PDF-1.4\n"));
    const OpenedFiles opened(folder);
    QVERIFY(opened.watching());
    win.generate();
    QSignalSpy reads(win.get<QTreeView>("Dir1")->model(), SIGNAL(directoryLoaded(QString)));
    win.setText("txt_path", folder);
    QTRY_VERIFY(reads.contains(QVariantList{folder}));
    QCOMPARE(opened.files(), QStringList{});
#else
    QSKIP("Only Linux tells which files were opened");
#endif
}

// Unedited, "OK" writes the generated bytes; edited, the field's text. An
// edit that is undone writes the same file as no edit; a typed line is
// written after the generated ones.
void TestWindowOutput::writesWhatTheOutputFieldHolds_data()
{
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("undone");
    QTest::addColumn<QByteArray>("tail");
    QTest::newRow("no-break space and umlauts")
        << QStringList{u"Geh\u00E4use\u00A0neu.prt"_s} << QString() << false << QByteArray();
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
    const QString folder = win.platform.path(u"volumeB"_s);
    win.confirmFolder(folder);
    const QByteArray unedited = renamePro(folder);
    auto *out = win.outputField();
    if (!typed.isEmpty()) {
        out->moveCursor(QTextCursor::End);
        QTest::keyClicks(out, typed);
        QTest::keyClick(out, Qt::Key_Return);
    }
    while (undone && out->document()->isUndoAvailable())
        out->undo();
    win.confirmFolder(folder);
    QVERIFY(unedited.startsWith("save_objects all\r\n") && unedited.endsWith("mapkey(continued) ~ ;\r\n\r\n"));
    COMPARE_BYTES(renamePro(folder), unedited.chopped(2) + tail + "\r\n");
}

// The field takes the generated text only once it is seen: at the wide
// width, or when the keyboard reaches it beyond the narrow window's edge;
// a strip of it inside the edge is not enough.
// Until then "OK" writes the generated bytes; an edit made after showing
// is written instead.
void TestWindowOutput::outputShownWhenSeen_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<QByteArray>("tail");
    QTest::newRow("OK, the field never shown") << u"ok"_s << QByteArray();
    QTest::newRow("OK, a strip of the field inside the edge") << u"strip"_s << QByteArray();
    QTest::newRow("shown at the wide width") << u"wide"_s << QByteArray();
    QTest::newRow("shown when the keyboard reaches it") << u"tab"_s << QByteArray();
    QTest::newRow("edited after showing") << u"edit"_s << QByteArray("mapkey x ~ ;\r\n");
}

void TestWindowOutput::outputShownWhenSeen()
{
    QFETCH(QString, road);
    QFETCH(QByteArray, tail);
    Window win;
    win.oldList()->setEntries(names("alt1.prt alt2.asm"));
    win.newList()->setEntries(names("neu1.prt neu2.asm"));
    win.generate();
    auto *out = win.get<QPlainTextEdit>("txt_OUT");
    QVERIFY(out->document()->isEmpty());
    if (road == u"strip") {
        win.w->resize(out->x() + 6, win.w->height());
    } else if (road == u"tab") {
        win.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win.w.get()) && keyAt(win, "txt_OUT"));
    } else if (road != u"ok" && road != u"strip") {
        win.outputField();
    }
    const QByteArray golden = TestSupport::readBytes(QFINDTESTDATA(u"data/two-pairs.pro"_s));
    const QString shown = QString::fromLatin1(golden.chopped(2)).replace(u"\r\n"_s, u"\n"_s);
    QCOMPARE(out->toPlainText(), road == u"ok" || road == u"strip" ? QString() : shown);
    // The scroll bar counts lines, those of paragraphs not laid out yet too.
    if (!out->document()->isEmpty())
        QCOMPARE(out->document()->documentLayout()->documentSize().height(), double(shown.count(u'\n') + 1));
    if (road == u"edit") {
        out->moveCursor(QTextCursor::End);
        QTest::keyClicks(out, u"mapkey x ~ ;"_s);
        QTest::keyClick(out, Qt::Key_Return);
    }
    const QString folder = win.platform.path(u"volumeB"_s);
    win.confirmFolder(folder);
    COMPARE_BYTES(renamePro(folder), golden.chopped(2) + tail + "\r\n");
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
    QTest::newRow("triple click selects one line")
        << 0 << u"triple click"_s << 34 << u"mapkey umb0 ~ ;\\\n"_s << u"save_objects all\nmapkey"_s;
    QTest::newRow("word left from a line start")
        << 17 << u"ctrl+left"_s << 16 << QString() << u"save_objects all\nmapkey"_s;
    QTest::newRow("word right from a line end")
        << 16 << u"ctrl+right"_s << 17 << QString() << u"save_objects all\nmapkey"_s;
    QTest::newRow("word deleted at a line start")
        << 17 << u"ctrl+backspace"_s << 16 << QString() << u"save_objects allmapkey"_s;
    QTest::newRow("word right from inside a line: its end")
        << 14 << u"ctrl+right"_s << 16 << QString() << u"save_objects all\nmapkey"_s;
    // From line 64, three characters in, two lines up (3851: off the view's
    // edge, where the cursor would pull a view that paged a line too far
    // back into place), to a paragraph's edge and back.
    QTest::newRow("pages down and up: the same line, the same view")
        << 4010 << u"Up, Up, PgDown, PgDown, PgUp, PgUp"_s << 3851 << QString() << u"save_objects all\nmapkey"_s;
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
    auto *out = win.outputField();
    QTextCursor cursor = out->textCursor();
    cursor.setPosition(start);
    out->setTextCursor(cursor);
    cursor.setPosition(20);
    const QPoint onSecondLine = out->cursorRect(cursor).center();
    const int top = out->verticalScrollBar()->value();
    if (action == u"triple click") {
        QTest::mouseDClick(out->viewport(), Qt::LeftButton, {}, onSecondLine);
        QTest::mouseClick(out->viewport(), Qt::LeftButton, {}, onSecondLine);
    } else {
        for (const QString &key : action.split(u", "_s)) {
            const QKeyCombination keys = QKeySequence(key)[0];
            QTest::keyClick(out, keys.key(), keys.keyboardModifiers());
        }
    }
    QCOMPARE(out->textCursor().position(), position);
    QCOMPARE(out->textCursor().selection().toPlainText(), selected);
    QVERIFY(out->toPlainText().startsWith(textStart));
    QCOMPARE(out->verticalScrollBar()->value(), top); // paging comes back to the same view
}

// Ticked, "OK" writes rename_zurueck.pro after rename.pro from the pairs
// that were built, whatever the lists hold by then, and the status line
// tells both, or why the way back was not written. The way back's own
// findings are asked about before building when the box was ticked then,
// otherwise at "OK", before anything is written. An earlier way back is
// kept under its date; after a refused generation "OK" writes nothing.
// "%1" in the status stands for the folder; `written` names the files
// that hold new mapkeys.
void TestWindowOutput::wayBack_data()
{
    QTest::addColumn<bool>("tickedFirst");
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("road");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("written");
    const QString finding = u"Velmorant | Die Prüfung der Namen meldet 1 Fehler:\n\nRückweg: Zeile 1: Fehler: neuer "
                            "Name enthält ein unzulässiges Zeichen (Leerzeichen): a b.prt\n\n%1 trotzdem erstellen? | "
                            "&Trotzdem erstellen, Abbrechen*"_s;
    const QString saved = u"Datei rename.pro wurde gespeichert in %1"_s;
    const QString written = saved + u"; Rückweg: rename_zurueck.pro"_s;
    const QString both = u"rename.pro rename_zurueck.pro"_s;
    QTest::newRow("ticked before building")
        << true << u"alt1.prt"_s << QString() << QString() << QStringList{} << written << both;
    QTest::newRow("ticked before building, its finding in the question")
        << true << u"a b.prt"_s << u"&Trotzdem erstellen"_s << QString() << QStringList{finding.arg(u"rename.pro"_s)}
        << written << both;
    QTest::newRow("ticked after building, its finding asked before writing")
        << false << u"a b.prt"_s << u"Abbrechen"_s << QString()
        << QStringList{finding.arg(u"rename.pro und rename_zurueck.pro"_s)} << u"Nichts geschrieben: abgebrochen"_s
        << QString();
    QTest::newRow("a folder in its place, the reason follows")
        << true << u"alt1.prt"_s << QString() << u"folder rename_zurueck.pro"_s << QStringList{}
        << saved + u"; Rückweg nicht geschrieben: Ist ein Ordner"_s << u"rename.pro"_s;
    QTest::newRow("no way back without rename.pro")
        << true << u"alt1.prt"_s << QString() << u"folder rename.pro"_s << QStringList{}
        << u"Fehler: Datei rename.pro konnte nicht gespeichert werden in %1: Ist ein Ordner"_s << QString();
    QTest::newRow("an earlier way back kept")
        << true << u"alt1.prt"_s << QString() << u"earlier"_s << QStringList{}
        << written + u"; frühere Rückweg-Datei aufbewahrt als rename_zurueck_2023-04-05_06-07-08.pro"_s << both;
    const QStringList differ{
        u"Velmorant | Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen ! | OK"_s};
    QTest::newRow("OK after a refused generation") << true << u"alt1.prt"_s << QString() << u"refused"_s << differ
                                                   << u"Nichts geschrieben: keine erzeugte Mapkey-Datei"_s << QString();
    QTest::newRow("text typed after a refused generation: no pairs for a way back")
        << true << u"alt1.prt"_s << QString() << u"refused, typed"_s << differ
        << saved + u"; Rückweg nicht geschrieben: keine erzeugten Paare"_s << QString();
}

void TestWindowOutput::wayBack()
{
    QFETCH(bool, tickedFirst);
    QFETCH(QString, oldName);
    QFETCH(QString, answer);
    QFETCH(QString, road);
    QFETCH(QString, status);
    QFETCH(QString, written);
    Window win;
    auto *box = win.get<QCheckBox>("chk_rueckweg");
    box->setChecked(tickedFirst);
    win.oldList()->setEntries({oldName, u"alt2.asm"_s});
    win.newList()->setEntries({u"neu1"_s, u"neu2.asm"_s});
    QStringList boxes = win.generate(answer);
    box->setChecked(true);
    win.oldList()->setEntries(road.startsWith(u"refused") ? names("x.prt") : QStringList{});
    if (road.startsWith(u"refused"))
        boxes += win.generate();
    if (road == u"refused, typed")
        win.get<QPlainTextEdit>("txt_OUT")->setPlainText(u"eigener Text"_s);
    const QString folder = win.platform.path(u"volumeB"_s);
    const QString back = folder + u"/rename_zurueck.pro"_s;
    QVERIFY(!road.startsWith(u"folder ") || QDir(folder).mkdir(road.mid(7)));
    QVERIFY(road != u"earlier" || TestSupport::writeDated(back, "alt\r\n", {QDate(2023, 4, 5), QTime(6, 7, 8)}));
    win.setText("txt_path", folder);
    boxes += win.answering("cmd_okfiles", answer);
    QTEST(boxes, "boxes");
    QCOMPARE(win.status(), status.arg(folder));
    if (road == u"folder rename_zurueck.pro") { // longer than its line: whole under the pointer
        QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), win.w->mapToGlobal(win.get("lbl_status")->pos()));
        QApplication::sendEvent(win.get("lbl_status"), &hover);
        QCOMPARE(shownTip(QToolTip::text()), win.status());
        // The folder gives way on the line, the reason stays.
        const QString shown = win.get<FittedLabel>("lbl_status")->shownText();
        QVERIFY2(shown.contains(u'…') && shown.endsWith(u"; Rückweg nicht geschrieben: Ist ein Ordner"_s),
                 qPrintable(shown));
        // and the line shows that text.
        auto *line = win.get<FittedLabel>("lbl_status");
        QLabel plain(shown);
        plain.setFont(line->font());
        plain.resize(line->size());
        QCOMPARE(line->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 plain.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
    QStringList made;
    for (const QString &file : {u"rename.pro"_s, u"rename_zurueck.pro"_s}) {
        if (TestSupport::readBytes(folder + u'/' + file).startsWith("save_objects all"))
            made << file;
    }
    QCOMPARE(made.join(u' '), written);
    if (oldName == u"alt1.prt" && written == u"rename.pro rename_zurueck.pro")
        COMPARE_BYTES(TestSupport::readBytes(back),
                      TestSupport::readBytes(QFINDTESTDATA(u"data/two-pairs-back.pro"_s)));
    if (road == u"earlier")
        COMPARE_BYTES(TestSupport::readBytes(folder + u"/rename_zurueck_2023-04-05_06-07-08.pro"_s), "alt\r\n");
}

QTEST_MAIN(TestWindowOutput)
#include "tst_window_output.moc"

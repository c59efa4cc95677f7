#include "WindowFixture.h"
#include "ui/platform/GermanFileDetails.h"
#include "ui/platform/KindIconProvider.h"

namespace {

// Empty when the control's caption has room in it; else what is missing.
QString captionMisfit(QWidget *control)
{
    QSize needed;
    QSize room = control->size();
    if (auto *label = qobject_cast<QLabel *>(control)) {
        if (label->text().isEmpty())
            return {};
        needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->sizeHint();
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        if (button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<QRadioButton *>(button);
        room = button->style()
                   ->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option,
                                    button)
                   .size();
        needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        needed = QSize(frame->minimumSizeHint().width(), 0);
    } else {
        return {};
    }
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return {};
    return u"%1 needs %2 x %3, has %4 x %5"_s.arg(control->objectName())
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

QStringList misfits(const QWidget *window)
{
    QStringList found;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (const QString misfit = captionMisfit(control); !misfit.isEmpty())
            found << misfit;
    }
    return found;
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void qtTextsAreGerman();
    void captionsFitTheirControls();
    void nothingOverlaps();
    void controlsHaveGermanNames();
    void mnemonicsDiffer();
    void buttonsByKeyboard_data();
    void buttonsByKeyboard();
};

// Qt's menus in German, and its file dialog's sizes and dates in German
// too where the system's locale is another.
void TestDesktop::qtTextsAreGerman()
{
    // Every kind of entry has its picture, on a desktop without an icon
    // theme too: the dialog's side bar scales what it gets.
    QTest::failOnWarning(QRegularExpression(u"null pixmap"_s));
    QVERIFY(Platform::useGermanForQt());
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QCOMPARE(menu->actions().first()->text(), u"&Rückgängig\tStrg+Z"_s);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"paare.csv"_s));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(36, 'x')) == 36 && file.flush());
    QVERIFY(file.setFileTime(QDateTime(QDate(2026, 12, 6), QTime(14, 30)), QFileDevice::FileModificationTime));
    QFileSystemModel files;
    GermanFileDetails details;
    details.setSourceModel(&files);
    QSignalSpy loaded(&files, &QFileSystemModel::directoryLoaded);
    files.setRootPath(dir.path());
    QVERIFY(loaded.wait());
    const QModelIndex shown = details.mapFromSource(files.index(file.fileName()));
    QCOMPARE(shown.siblingAtColumn(1).data().toString() + u' ' + shown.siblingAtColumn(3).data().toString(),
             u"36 Bytes 06.12.26 14:30"_s);
    int wired = 0;
    const auto countWiring = [&wired] {
        QTimer::singleShot(0, [&wired] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            wired += dialog && qobject_cast<GermanFileDetails *>(dialog->proxyModel())
                && dynamic_cast<KindIconProvider *>(dialog->iconProvider());
            if (dialog)
                dialog->reject();
        });
    };
    countWiring();
    Platform().askFileName(nullptr, u"Paare öffnen"_s, u"Paare (*.csv)"_s, false);
    countWiring();
    Platform().askFolderName(nullptr, u"Prüfordner wählen"_s, dir.path());
    QCOMPARE(wired, 2);
}

// Run once more by CTest with 120 dpi fonts.
void TestDesktop::captionsFitTheirControls()
{
    Window win;
    win.click("cmd_info");
    QStringList found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window == win.w.get() || qobject_cast<frm_Info *>(window))
            found += misfits(window);
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u"; "_s)));
}

// At the smallest, the start and a tall height, with the command that
// opens the written file shown: no control of the main window covers
// another, but for the list menu and the folder chooser, which stand over
// the lists by design. Run once more by CTest with 120 dpi fonts.
void TestDesktop::nothingOverlaps()
{
    Window win;
    win.get("cmd_openmFile")->show();
    QStringList found;
    for (const double height : {6000.0, 8000.0, 11000.0}) {
        win.w->setOuterHeightTwips(height);
        QWidgetList shown;
        for (QWidget *control : win.w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (control->isVisible() && control != win.get("kontextmenue") && control != win.chooser())
                shown << control;
        }
        for (qsizetype i = 0; i < shown.size(); ++i) {
            for (qsizetype j = i + 1; j < shown.size(); ++j) {
                if (shown[i]->geometry().intersects(shown[j]->geometry()))
                    found << shown[i]->objectName() + u" and "_s + shown[j]->objectName() + u" at "_s
                            + QString::number(height);
            }
        }
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u"; "_s)));
}

// Every control the keyboard reaches, in both windows, has a name that
// starts as a German word starts, without the stray blank or the English
// word of a caption, and a description; three names as they must be.
void TestDesktop::controlsHaveGermanNames()
{
    static const QRegularExpression clean(u"^(?!.*(paste|Action|SAVE|EXIT))\\p{Lu}(.*\\S)?\\|\\S(.*\\S)?$"_s);
    Window win;
    win.click("cmd_info");
    QStringList found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            const QString spoken = accessible->text(QAccessible::Name) + u'|'
                + accessible->text(QAccessible::Description);
            if ((control->focusPolicy() & Qt::TabFocus) && !clean.match(spoken).hasMatch())
                found << control->objectName() + u": "_s + spoken;
        }
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u"; "_s)));
    for (const auto &[control, name] :
         {std::pair("paste", u"Einfügen"_s), {"Drive1", u"Laufwerk"_s}, {"save", u"Liste speichern"_s}})
        QCOMPARE(QAccessible::queryAccessibleInterface(win.get(control))->text(QAccessible::Name), name);
}

// Alt and a letter reach every command of the groups, and no letter
// serves two commands of a window.
void TestDesktop::mnemonicsDiffer()
{
    Window win;
    QMap<QChar, QStringList> letters;
    for (QAbstractButton *button : win.w->findChildren<QAbstractButton *>()) {
        if (const qsizetype at = button->text().indexOf(u'&'); at >= 0)
            letters[button->text().at(at + 1).toLower()] << button->objectName();
        else if (QStringList{u"Frame_paare"_s, u"Frame_ordner"_s}.contains(button->parentWidget()->objectName()))
            letters[u'-'] << button->objectName();
    }
    QStringList found;
    for (auto it = letters.cbegin(); it != letters.cend(); ++it) {
        if (it.value().size() > 1 || it.key() == u'-')
            found << QString(it.key()) + u": "_s + it.value().join(u", "_s);
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u"; "_s)));
}

// Space presses a focused button; Enter and Return do too, in the main
// window as in a dialog.
void TestDesktop::buttonsByKeyboard_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::newRow("OK, Return") << u"cmd_okfiles"_s << int(Qt::Key_Return);
    QTest::newRow("a panel command, Enter") << u"cmd_paarLoeschen"_s << int(Qt::Key_Enter);
    QTest::newRow("a group command, Space") << u"cmd_ordnen"_s << int(Qt::Key_Space);
    QTest::newRow("save") << u"save"_s << int(Qt::Key_Space);
    QTest::newRow("Image_EXIT") << u"Image_EXIT"_s << int(Qt::Key_Return);
    QTest::newRow("img_EXIT") << u"img_EXIT"_s << int(Qt::Key_Enter);
    QTest::newRow("imgOpen") << u"imgOpen"_s << int(Qt::Key_Space);
    QTest::newRow("imgclose") << u"imgclose"_s << int(Qt::Key_Return);
    QTest::newRow("img_quit") << u"img_quit"_s << int(Qt::Key_Space);
}

void TestDesktop::buttonsByKeyboard()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    Window win;
    auto *button = win.get<QAbstractButton>(name.toLatin1().constData());
    QVERIFY(button->focusPolicy() & Qt::TabFocus);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::keyClick(button, Qt::Key(key));
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"

#include "WindowFixture.h"

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
    void controlsHaveGermanNames();
    void imageButtonsByKeyboard_data();
    void imageButtonsByKeyboard();
};

// Qt's menus in German, and its file dialog's sizes and dates in German
// too where the system's locale is another.
void TestDesktop::qtTextsAreGerman()
{
    QVERIFY(Platform::useGermanForQt());
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QCOMPARE(menu->actions().first()->text(), u"&Rückgängig\tStrg+Z"_s);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"paare.csv"_s));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(36, 'x')) == 36 && file.flush());
    QVERIFY(file.setFileTime(QDateTime(QDate(2026, 12, 6), QTime(14, 30)), QFileDevice::FileModificationTime));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QStringList shown;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&shown] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        auto *view = dialog ? dialog->findChild<QTreeView *>(u"treeView"_s) : nullptr;
        const QModelIndexList hits = view ? view->model()->match(view->model()->index(0, 0, view->rootIndex()),
                                                                 Qt::DisplayRole, u"paare.csv"_s)
                                          : QModelIndexList();
        if (!hits.isEmpty()) {
            shown << hits[0].siblingAtColumn(1).data().toString() << hits[0].siblingAtColumn(3).data().toString();
            dialog->reject();
        }
    });
    watcher.start(10);
    Platform().askFileName(nullptr, u"Paare öffnen"_s, u"Paare (*.csv)"_s, false);
    QDir::setCurrent(before);
    QCOMPARE(shown, QStringList({u"36 Bytes"_s, u"06.12.26 14:30"_s}));
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

// Every control the keyboard reaches, in both windows, has a name that
// starts as a German word starts, without the stray blank or the English
// word of a caption, and a description.
void TestDesktop::controlsHaveGermanNames()
{
    Window win;
    win.click("cmd_info");
    QStringList found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            const QString name = accessible->text(QAccessible::Name);
            const QString description = accessible->text(QAccessible::Description);
            if ((control->focusPolicy() & Qt::TabFocus)
                && (!name.front().isUpper() || description.isEmpty()
                    || QRegularExpression(u"(^\\s|\\s$|paste|Action|SAVE|EXIT)"_s).match(name + description).hasMatch()))
                found << control->objectName() + u": "_s + name + u" / "_s + description;
        }
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u"; "_s)));
    QCOMPARE(QAccessible::queryAccessibleInterface(win.get("paste"))->text(QAccessible::Name), u"Einfügen"_s);
    QCOMPARE(QAccessible::queryAccessibleInterface(win.get("Drive1"))->text(QAccessible::Name), u"Laufwerk"_s);
}

void TestDesktop::imageButtonsByKeyboard_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<int>("key");
    QTest::newRow("save") << u"save"_s << u"Liste speichern"_s << int(Qt::Key_Space);
    QTest::newRow("Image_EXIT") << u"Image_EXIT"_s << u"Listenmenü schließen"_s << int(Qt::Key_Return);
    QTest::newRow("img_EXIT") << u"img_EXIT"_s << u"Programm beenden"_s << int(Qt::Key_Enter);
    QTest::newRow("imgOpen") << u"imgOpen"_s << u"Ausgabe einblenden"_s << int(Qt::Key_Space);
    QTest::newRow("imgclose") << u"imgclose"_s << u"Ausgabe ausblenden"_s << int(Qt::Key_Return);
    QTest::newRow("img_quit") << u"img_quit"_s << u"Ausgabe verwerfen"_s << int(Qt::Key_Space);
}

void TestDesktop::imageButtonsByKeyboard()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(int, key);
    Window win;
    auto *button = win.get<QAbstractButton>(name.toLatin1().constData());
    QVERIFY(button->focusPolicy() & Qt::TabFocus);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::keyClick(button, Qt::Key(key));
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"

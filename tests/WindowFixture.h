#pragma once

// Drives the real main window on the offscreen platform. A TestPlatform
// keeps settings, list files and drives inside a temporary folder, and
// records what would have been handed to the desktop.

#include "TestSupport.h"
#include "ui/chooser/FolderChooser.h"
#include "ui/frm_rename.h"
#include "ui/info/frm_Info.h"
#include "ui/lists/NameListView.h"
#include "ui/platform/Platform.h"
#include "ui/platform/Twips.h"
#include "ui/widgets/ImageButton.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>

using namespace Qt::StringLiterals;

inline int px(double twips)
{
    return Twips::toPixels(twips);
}

// What a tooltip shows: it may come as rich text.
inline QString shownTip(const QString &tip)
{
    return QTextDocumentFragment::fromHtml(tip).toPlainText();
}

// "a b c" as a list; "" as an empty one.
inline QStringList names(const char *spaced)
{
    return QString::fromUtf8(spaced).split(u' ', Qt::SkipEmptyParts);
}

// Folders of the temporary root: the program's folder, where the tree
// starts, the folder field's design text, and a second drive "volumeB"
// beside a drive "offline" that has no medium.
class TestPlatform : public Platform
{
public:
    explicit TestPlatform(const QString &root)
        : m_root(root)
    {
        for (const char *folder : {"program", "start", "design", "volumeB/sub"})
            QDir(root).mkpath(QLatin1String(folder));
    }

    QString path(const QString &relative) const { return QDir::toNativeSeparators(m_root + u'/' + relative); }

    QStringList drives() const override { return {QDir::rootPath(), path(u"volumeB"_s), path(u"offline"_s)}; }
    QString driveRoot(const QString &drive) const override { return drive; }
    QString driveOf(const QString &p) const override
    {
        for (const QString &drive : drives().mid(1)) {
            if (p == drive || p.startsWith(drive + QDir::separator()))
                return drive;
        }
        return QDir::rootPath();
    }
    QString programFolder() const override { return path(u"program"_s); }
    // The lists stay in the fake program folder.
    QString listFolder() const override { return programFolder(); }
    QString designFolderText() const override { return path(u"design"_s); }
    QString startFolder() const override { return path(u"start"_s); }
    bool openWithDesktop(const QUrl &url) const override
    {
        opened.append(url);
        return desktopOpens;
    }
    QString askFileName(QWidget *, const QString &, const QString &, bool) const override { return fileAnswer; }
    QString askFolderName(QWidget *, const QString &, const QString &) const override { return fileAnswer; }
    // The program's own store, in the root's Velmorant/Velmorant.ini; the
    // registry of Windows cannot be moved there, so a file of the same
    // layout stands in for it.
    std::unique_ptr<QSettings> openSettings() const override
    {
#ifdef Q_OS_WIN
        auto settings = std::make_unique<QSettings>(path(u"Velmorant/Velmorant.ini"_s), QSettings::IniFormat);
        settings->beginGroup(u"Optionen"_s);
        return settings;
#else
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_root);
        return Platform::openSettings();
#endif
    }

    // What the file and folder questions answer: a path, or empty as if cancelled.
    QString fileAnswer;
    mutable QList<QUrl> opened;
    // False for a desktop that has no program for what it is asked to open.
    bool desktopOpens = true;

private:
    QString m_root;
};

class Window
{
public:
    Window()
        : platform(dir.path())
    {
        open();
    }

    void open()
    {
        w = std::make_unique<frm_rename>(platform);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    template <typename T = QWidget>
    T *get(const char *name) const
    {
        T *control = w->findChild<T *>(QLatin1String(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QString text(const char *name) const { return get<QLineEdit>(name)->text(); }
    void setText(const char *name, const QString &text) const { get<QLineEdit>(name)->setText(text); }

    NameListView *oldList() const { return get<NameListView>("list_OldName"); }
    NameListView *newList() const { return get<NameListView>("list_NewName"); }
    FolderChooser *chooser() const { return get<FolderChooser>("Frame5"); }
    QString status() const { return get<QLabel>("lbl_status")->text(); }
    // The output field as the user reaches it: the window dragged to the
    // wide width, where the field shows what the generation made.
    QPlainTextEdit *outputField()
    {
        if (w->frameGeometry().width() < px(16755)) {
            w->setOuterWidthTwips(16755);
            if (!QTest::qWaitFor([this] { return w->frameGeometry().width() == px(16755); }))
                qWarning("the window did not widen");
        }
        return get<QPlainTextEdit>("txt_OUT");
    }
    QString output() { return outputField()->toPlainText(); }
    bool panelShown() const { return get("kontextmenue")->isVisible(); }
    bool newListCurrent() const { return get<QRadioButton>("Option2")->isChecked(); }

    void click(const char *name) { QTest::mouseClick(get(name), Qt::LeftButton); }

    void press(NameListView *list, Qt::MouseButton button, int row = -1)
    {
        const QPoint at = row >= 0 ? list->visualRect(list->model()->index(row, 0)).center()
                                   : QPoint(5, list->viewport()->height() - 5);
        QTest::mousePress(list->viewport(), button, {}, at);
        QTest::mouseRelease(list->viewport(), button, {}, at);
    }

    // Opens the panel on `list` and adds each name through "hinzufügen".
    void fill(NameListView *list, const QStringList &names)
    {
        press(list, Qt::RightButton);
        for (const QString &name : names) {
            auto *field = get<QLineEdit>("Text1");
            field->clear();
            QTest::keyClicks(field, name);
            click("cmd_hinzu");
        }
    }

    // Presses the generation command. Every message box is recorded as
    // "title | text | buttons, the default one marked *" and answered with
    // the button captioned `answer`, or closed without one.
    QStringList generate(const QString &answer = u"&Trotzdem erstellen"_s)
    {
        return answering("cmd_mapkeyNow", answer);
    }

    // The same for any button.
    QStringList answering(const char *button, const QString &answer)
    {
        QStringList seen;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&seen, &answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            QStringList buttons;
            QAbstractButton *answering = nullptr;
            for (QAbstractButton *button : box->buttons()) {
                buttons << button->text() + (button == box->defaultButton() ? u"*"_s : QString());
                if (button->text() == answer)
                    answering = button;
            }
            // Names in the text are shown as they stand, never as rich text.
            const QString text = box->textFormat() == Qt::PlainText ? box->text() : u"(rich) "_s + box->text();
            seen << box->windowTitle() + u" | "_s + text + u" | "_s + buttons.join(u", "_s);
            if (answering)
                answering->click();
            else
                box->accept();
        });
        watcher.start(10);
        click(button);
        return seen;
    }

    // The folder text set to `folder`, then "OK".
    void confirmFolder(const QString &folder)
    {
        setText("txt_path", folder);
        click("cmd_okfiles");
    }

    QTemporaryDir dir;
    TestPlatform platform;
    std::unique_ptr<frm_rename> w;
};

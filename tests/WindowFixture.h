#pragma once

// Drives the real main window on the offscreen platform. A TestPlatform
// keeps settings, list files and drives inside a temporary folder, and
// records what would have been handed to the desktop.

#include "ui/FolderChooser.h"
#include "ui/ImageButton.h"
#include "ui/NameListView.h"
#include "ui/Platform.h"
#include "ui/Twips.h"
#include "ui/frm_rename.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

inline int px(double twips)
{
    return Twips::toPixels(twips);
}

class TestPlatform : public Platform
{
public:
    explicit TestPlatform(const QString &root)
        : m_root(root)
    {
        QDir(root).mkpath(QStringLiteral("program"));
        QDir(root).mkpath(QStringLiteral("start"));
        QDir(root).mkpath(QStringLiteral("design"));
        QDir(root).mkpath(QStringLiteral("volumeB/sub"));
    }

    QString path(const QString &relative) const { return QDir::toNativeSeparators(m_root + u'/' + relative); }

    QStringList drives() const override
    {
        return {QDir::rootPath(), path(QStringLiteral("volumeB")), path(QStringLiteral("offline"))};
    }
    QString driveRoot(const QString &drive) const override { return drive; }
    QString driveOf(const QString &p) const override
    {
        for (const QString &drive : drives().mid(1)) {
            if (p == drive || p.startsWith(drive + QDir::separator()))
                return drive;
        }
        return QDir::rootPath();
    }
    std::unique_ptr<QSettings> openSettings() const override
    {
        auto settings = std::make_unique<QSettings>(path(QStringLiteral("settings.ini")), QSettings::IniFormat);
        settings->beginGroup(QStringLiteral("Optionen"));
        return settings;
    }
    QString programFolder() const override { return m_programFolder.isEmpty() ? path(QStringLiteral("program")) : m_programFolder; }
    // The lists stay in the fake program folder, writable or not, so that a
    // failing save can be provoked.
    QString listFolder() const override { return programFolder(); }
    QString designFolderText() const override { return path(QStringLiteral("design")); }
    QString startFolder() const override { return path(QStringLiteral("start")); }
    bool openWithDesktop(const QUrl &url) const override
    {
        opened.append(url);
        return true;
    }
    QString askFileName(QWidget *, const QString &, const QString &, bool) const override { return fileAnswer; }

    QString m_programFolder;
    // What the file question answers: a path, or empty as if cancelled.
    QString fileAnswer;
    mutable QList<QUrl> opened;

private:
    QString m_root;
};

// What a message box showed before the watcher answered it.
struct SeenMessageBox {
    int count = 0;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    QString escapeButton;
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

    // Closes the window as its close box would and starts a fresh one.
    void restart()
    {
        w->close();
        w.reset();
        open();
    }

    template <typename T = QWidget>
    T *get(const char *name) const
    {
        T *control = w->findChild<T *>(QLatin1String(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }

    NameListView *oldList() const { return get<NameListView>("list_OldName"); }
    NameListView *newList() const { return get<NameListView>("list_NewName"); }
    FolderChooser *chooser() const { return get<FolderChooser>("Frame5"); }
    QString status() const { return get<QLabel>("lbl_status")->text(); }
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

    // Types a name into the panel's field and presses "hinzufügen".
    void add(const QString &text)
    {
        auto *field = get<QLineEdit>("Text1");
        field->clear();
        QTest::keyClicks(field, text);
        click("cmd_hinzu");
    }

    void fill(NameListView *list, const QStringList &names)
    {
        press(list, Qt::RightButton);
        for (const QString &name : names)
            add(name);
    }

    // Presses the generation command; any message box is recorded and
    // answered with the button captioned `answer`, or closed without one.
    SeenMessageBox generate(const QString &answer = QStringLiteral("&Trotzdem erstellen"))
    {
        SeenMessageBox seen;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&seen, &answer] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(top);
                if (!box || !box->isVisible())
                    continue;
                ++seen.count;
                seen.title = box->windowTitle();
                seen.text = box->text();
                seen.icon = box->icon();
                QAbstractButton *answering = nullptr;
                for (QAbstractButton *button : box->buttons()) {
                    seen.buttons << button->text();
                    if (button->text() == answer)
                        answering = button;
                }
                seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
                seen.escapeButton = box->escapeButton() ? box->escapeButton()->text() : QString();
                if (answering)
                    answering->click();
                else
                    box->accept();
            }
        });
        watcher.start(10);
        click("cmd_mapkeyNow");
        return seen;
    }

    // The chooser's folder tree moved to `folder`, then "OK".
    void confirmFolder(const QString &folder)
    {
        get<QLineEdit>("txt_path")->setText(folder);
        click("cmd_okfiles");
    }

    QTemporaryDir dir;
    TestPlatform platform;
    std::unique_ptr<frm_rename> w;
};



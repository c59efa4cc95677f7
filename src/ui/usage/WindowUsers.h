#pragma once

#include "check/NameCheck.h"
#include "check/UseIndex.h"
#include "usage/FolderUsage.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class CheckFolder;
class Platform;
class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

// The window's side of the users of what is renamed: the box "Verwender
// mitnehmen" and the command "Verwendung …" in the group "Ordner", the
// check folder's use as last read, and what the window asks of it. The
// decisions are UsersToTake's; this only holds the use and the controls.
class WindowUsers : public QObject
{
    Q_OBJECT

public:
    WindowUsers(const Platform &platform, const CheckFolder &folder)
        : m_platform(platform)
        , m_folder(folder)
    {
    }

    // The box, as last remembered (ticked at first), and the command,
    // below the group's other commands.
    void createControls(QWidget *group);
    QCheckBox *chk_Verwender = nullptr;
    QPushButton *cmd_verwendung = nullptr;

    // Reads the check folder's use once the folder itself is read: again
    // only the files that changed; a long read shows the wait cursor and its
    // count in `label`. Without a readable check folder there is no use.
    void read(QLabel *label);
    const UseIndex &use() const { return m_index; }
    // Counts the reads of the use, so that a check kept from before one
    // is known to be out of date.
    quint64 version() const { return m_version; }
    // Whether the run takes the users along: the box ticked, with a check
    // folder read.
    bool taking() const;
    // The use for the rule on users left behind: none when they are taken.
    const UseIndex *usersLeft() const;
    // The users the run (or its way back) takes; none when it takes none.
    QStringList toTake(const QStringList &oldNames, const QStringList &newNames) const;
    QStringList toTakeBack(const QStringList &oldNames, const QStringList &newNames) const;
    // The check line with what it says of the use, and the old names'
    // tooltips with their users.
    QString checkLine(const QString &line, const QStringList &oldNames, const QStringList &newNames) const;
    QList<NameCheck::RowMark> withUsers(QList<NameCheck::RowMark> marks, const QStringList &oldNames) const;
    // "Verwendung …" over `parent`, closed by the user.
    void showOverview(QWidget *parent, const QStringList &oldNames, const QStringList &newNames) const;

signals:
    // The box was ticked or cleared: the check changes with it.
    void takingChanged();

private:
    // Remembered at once, like the way-back box.
    void chk_Verwender_Click(bool checked);

    const Platform &m_platform;
    const CheckFolder &m_folder;
    FolderUsage m_usage;
    UseIndex m_index;
    quint64 m_version = 0;
};

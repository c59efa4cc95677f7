#pragma once

#include <QHash>
#include <QString>

#include <functional>
#include <optional>

// The decisions of the output folder chooser, apart from its widgets: what
// follows a change of the folder tree, of the folder text and of the drive
// list, and what showing the chooser brings into line. The tree's folder
// and the folder it last showed on each drive are kept here.
//
// Each reaction names what to set; the chooser sets it, and setting a
// control raises that control's own reaction in turn, as a user change
// would, until a control is set to what it already holds.
class FolderChoice
{
public:
    // How the chooser sees the disk.
    struct Disk {
        std::function<bool(const QString &path)> folderExists;
        // The drive list's entry of the drive that holds `path`.
        std::function<QString(const QString &path)> driveOf;
        // The folder a drive list entry stands for.
        std::function<QString(const QString &drive)> driveRoot;
    };

    struct Reaction {
        std::optional<QString> treeTo;  // move the folder tree there
        std::optional<QString> textTo;  // set the folder text to it
        std::optional<QString> driveTo; // set the drive list back to this entry
        QString status;                 // for the status line, when not empty
    };

    explicit FolderChoice(Disk disk);

    // The folder the tree shows at first; no reaction.
    void startAt(const QString &treeFolder);
    QString treeFolder() const { return m_treeFolder; }

    Reaction treeChanged(const QString &treeFolder);
    Reaction textChanged(const QString &text) const;
    Reaction driveChanged(const QString &drive) const;
    Reaction shown(const QString &text) const;
    // "OK": the folder field decides where rename.pro goes. A text that
    // names no folder writes nothing and the reaction holds only the
    // status; otherwise the field takes the tree's form of the same
    // folder, or the tree goes to the field's folder.
    Reaction confirmed(const QString &text) const;

private:
    void remember(const QString &treeFolder);

    Disk m_disk;
    QString m_treeFolder;
    // The folder the tree last showed on each drive, the way a drive keeps
    // its current folder.
    QHash<QString, QString> m_folderOnDrive;
};

#include "ui/chooser/FolderChoice.h"

#include <QDir>

namespace {

// "C:\temp\" and "C:\temp" are one folder, and so are "/b/" and "/b".
bool sameFolder(const QString &a, const QString &b)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(a)) == QDir::cleanPath(QDir::fromNativeSeparators(b));
}

} // namespace

FolderChoice::FolderChoice(Disk disk)
    : m_disk(std::move(disk))
{
}

void FolderChoice::startAt(const QString &treeFolder)
{
    remember(treeFolder);
}

void FolderChoice::remember(const QString &treeFolder)
{
    m_treeFolder = treeFolder;
    m_folderOnDrive.insert(m_disk.driveOf(treeFolder), treeFolder);
}

// The folder text always says where the tree is.
FolderChoice::Reaction FolderChoice::treeChanged(const QString &treeFolder)
{
    if (treeFolder == m_treeFolder)
        return {};
    remember(treeFolder);
    Reaction reaction;
    reaction.textTo = treeFolder;
    return reaction;
}

// A text that names no folder, as while the user is still typing, leaves
// the tree where it is.
FolderChoice::Reaction FolderChoice::textChanged(const QString &text) const
{
    Reaction reaction;
    if (m_disk.folderExists(text))
        reaction.treeTo = text;
    return reaction;
}

// An available drive shows the folder the tree last showed there, or its
// root; an unavailable one sends the drive list back to the tree's drive.
FolderChoice::Reaction FolderChoice::driveChanged(const QString &drive) const
{
    Reaction reaction;
    if (!m_disk.folderExists(m_disk.driveRoot(drive))) {
        reaction.driveTo = m_disk.driveOf(m_treeFolder);
        reaction.status = QStringLiteral("Laufwerk nicht verfügbar !");
        return reaction;
    }
    if (m_disk.driveOf(m_treeFolder) == drive)
        return reaction; // the tree already shows that drive's current folder
    const QString remembered = m_folderOnDrive.value(drive);
    reaction.treeTo = m_disk.folderExists(remembered) ? remembered : m_disk.driveRoot(drive);
    return reaction;
}

// The folder text wins when it names a folder; otherwise it takes the
// tree's folder, so that "OK" writes where the tree shows.
FolderChoice::Reaction FolderChoice::shown(const QString &text) const
{
    Reaction reaction = textChanged(text);
    if (!reaction.treeTo)
        reaction.textTo = m_treeFolder;
    return reaction;
}

// Never the tree's folder in place of a typed one that is not there: while
// the user types, the tree stays on the last folder the text named.
FolderChoice::Reaction FolderChoice::confirmed(const QString &text) const
{
    Reaction reaction;
    if (!m_disk.folderExists(text))
        reaction.status = QStringLiteral("Fehler: Ordner nicht gefunden: ") + text;
    else if (sameFolder(text, m_treeFolder))
        reaction.textTo = m_treeFolder;
    else
        reaction.treeTo = text;
    return reaction;
}

#include "ui/platform/KindIconProvider.h"

#include <QApplication>
#include <QFileInfo>
#include <QStyle>

QIcon KindIconProvider::icon(IconType type) const
{
    if (const QIcon themed = QAbstractFileIconProvider::icon(type); !themed.isNull())
        return themed;
    switch (type) {
    case Computer:
        return QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    case Drive:
        return QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon);
    case Folder:
        return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    default:
        return QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    }
}

QIcon KindIconProvider::icon(const QFileInfo &info) const
{
    return icon(kindOf(info));
}

QString KindIconProvider::type(const QFileInfo &info) const
{
    switch (kindOf(info)) {
    case Computer:
        return QStringLiteral("Computer");
    case Drive:
        return QStringLiteral("Laufwerk");
    case Folder:
        return QStringLiteral("Ordner");
    default:
        return QStringLiteral("Datei");
    }
}

// What a look at the file system's entry tells, which opens nothing.
QAbstractFileIconProvider::IconType KindIconProvider::kindOf(const QFileInfo &info)
{
    // The file dialog's "Computer", above the drives, has no path.
    if (info.filePath().isEmpty())
        return Computer;
    if (info.isRoot())
        return Drive;
    return info.isDir() ? Folder : File;
}

#include "ui/platform/GermanFileDetails.h"

#include <QFileSystemModel>
#include <QLocale>

QVariant GermanFileDetails::data(const QModelIndex &index, int role) const
{
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (role != Qt::DisplayRole || !files)
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    // The columns of QFileSystemModel: name, size, type, date modified.
    if (index.column() == 1 && !files->isDir(source))
        return QLocale().formattedDataSize(files->size(source));
    if (index.column() == 3)
        return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
    return QIdentityProxyModel::data(index, role);
}

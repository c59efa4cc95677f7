#include "usage/FolderUsage.h"

// A placeholder until the folder's reader lands: no objects.
bool FolderUsage::refresh(const QString &folder, const Progress &)
{
    m_folder = folder;
    m_objects.clear();
    m_usersByName.clear();
    return true;
}

QStringList FolderUsage::usersOf(const QString &name) const
{
    return m_usersByName.value(name);
}

QList<const FolderUsage::Object *> FolderUsage::unknown() const
{
    QList<const Object *> result;
    for (const Object &object : m_objects)
        if (!object.reading.known)
            result.append(&object);
    return result;
}

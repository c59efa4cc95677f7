#include "check/UseIndex.h"

#include <algorithm>

using ObjectUse::FileKind;

bool UseIndex::Unread::taken() const
{
    return kind == FileKind::Assembly || kind == FileKind::Drawing;
}

UseIndex::UseIndex(const QList<FolderUsage::Object> &objects)
{
    for (const FolderUsage::Object &object : objects) {
        const QString user = object.name.toLower();
        if (!object.reading.known) {
            const Unread unread{user, object.reading.reason, object.reading.fileKind};
            m_unread.append(unread);
            if (unread.taken())
                m_unreadTaken.append(user);
            else if (unread.kind == FileKind::NotAnObject)
                ++m_notObjects;
            else
                ++m_unreadLeft;
            continue;
        }
        for (const ObjectUse::Used &used : object.reading.uses) {
            // An object named in its own list is no user of itself.
            if (used.name.compare(user, Qt::CaseInsensitive) == 0)
                continue;
            QStringList &users = m_users[used.name.toLower()];
            // A file names an object once, but a user may come twice when
            // its list holds the name in two letter cases.
            if (users.isEmpty() || users.constLast() != user)
                users.append(user);
        }
    }
    const auto byName = [](const auto &a, const auto &b) { return a.name < b.name; };
    std::sort(m_unread.begin(), m_unread.end(), byName);
    std::sort(m_unreadTaken.begin(), m_unreadTaken.end());
    for (QStringList &users : m_users) {
        std::sort(users.begin(), users.end());
        users.erase(std::unique(users.begin(), users.end()), users.end());
    }
}

QStringList UseIndex::usersOf(const QString &name) const
{
    // Most names are lower case already, and then shared rather than copied.
    return m_users.value(name.toLower());
}

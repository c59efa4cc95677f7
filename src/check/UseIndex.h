#pragma once

#include "usage/FolderUsage.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The use of a check folder as the check, the generator and the check after
// a run ask it: who uses an object, and which objects could not be read.
// Built once per read of the folder from what FolderUsage found, so that
// checking on every edit asks a table rather than the files.
class UseIndex
{
public:
    // An object whose use is not known. An assembly or a drawing is taken
    // along all the same, as it might use an object renamed; a part or an
    // object of another kind is not, nor a file that is no object at all.
    struct Unread {
        QString name;
        QString reason;
        ObjectUse::FileKind kind = ObjectUse::FileKind::NotAnObject;
        bool taken() const;
    };

    UseIndex() = default;
    explicit UseIndex(const QList<FolderUsage::Object> &objects);

    // The objects whose known use names `name` (any letter case, with its
    // type: "welle.prt"), sorted; each object once.
    QStringList usersOf(const QString &name) const;
    // Sorted by name.
    const QList<Unread> &unread() const { return m_unread; }
    // The assemblies and drawings among them, sorted.
    const QStringList &unreadTaken() const { return m_unreadTaken; }
    // The unread parts and objects of other kinds, and the files that are
    // no objects, each counted.
    qsizetype unreadLeft() const { return m_unreadLeft; }
    qsizetype notObjects() const { return m_notObjects; }
    bool isEmpty() const { return m_users.isEmpty() && m_unread.isEmpty(); }

private:
    QHash<QString, QStringList> m_users; // used name -> users
    QList<Unread> m_unread;
    QStringList m_unreadTaken;
    qsizetype m_unreadLeft = 0;
    qsizetype m_notObjects = 0;
};

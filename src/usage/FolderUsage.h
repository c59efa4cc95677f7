#pragma once

#include "usage/ObjectUse.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <vector>

// Which objects of a folder use which: for the newest version of each
// object file in the folder, what ObjectUse reads from it. Read again, only
// the files whose size or modification time changed are read anew.
class FolderUsage
{
public:
    // Called now and then while a read lasts: files read so far, of how many.
    using Progress = std::function<void(qsizetype done, qsizetype total)>;

    struct Object {
        // The object's name in lower case with its type, version taken off:
        // "baugruppe.asm".
        QString name;
        // The file read: "baugruppe.asm.3".
        QString fileName;
        ObjectUse::Reading reading;
    };

    // Reads `folder` (again); false when the folder cannot be read, with
    // error() saying why in German.
    bool refresh(const QString &folder, const Progress &progress = {});

    const QString &folder() const { return m_folder; }
    QString error() const { return m_error; }
    // Every object file of the folder (newest version each), sorted by name;
    // who uses a given object, UseIndex answers from these.
    const QList<Object> &objects() const { return m_objects; }
    // The objects whose use could not be read, with their reason.
    QList<const Object *> unknown() const;

    // A file's size and modification time, in the file system's own count:
    // turning it into a date for every file of a large folder would take
    // longer than the look at it. A size of -1: not known.
    struct Stamp {
        qint64 size = -1;
        qint64 modified = 0;
    };

private:
    // The objects (newest version each) of the files listed.
    void choose(const std::vector<std::filesystem::path::string_type> &listing);
    void forget();

    QString m_folder;
    QString m_error;
    QList<Object> m_objects;
    // Beside each object: its file's stamp when it was read, and where the
    // file stands in m_listing.
    std::vector<Stamp> m_stamps;
    std::vector<std::size_t> m_listed;
    // The names of the folder's regular files, in the order of the listing.
    std::vector<std::filesystem::path::string_type> m_listing;
};

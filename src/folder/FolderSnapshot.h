#pragma once

#include "folder/FolderReader.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <vector>

// One read of a folder's object files, kept. Choosing among them by a name
// filter and types never reads the disk again, and the folder is read again
// only when it has changed since: a folder of hundreds of thousands of
// files takes seconds to read, a look at its modification time none.
class FolderSnapshot
{
public:
    // Called every few thousand files while a read lasts, with how many of
    // the folder's entries it has seen.
    using Progress = std::function<void(qsizetype entries)>;

    // No folder read: the status is Missing.
    FolderSnapshot() = default;
    // Reads `folder` now.
    explicit FolderSnapshot(const QString &folder, const Progress &progress = {});

    // Whether the folder may differ from what was read: a failed read (a
    // drive may come back), another modification time, or one so close to
    // the read that a change in the same instant would not show in it.
    bool isStale() const;
    // Reads the folder again when it is stale; true when it did.
    bool refresh(const Progress &progress = {});

    const QString &folder() const { return m_folder; }
    FolderReader::Result::Status status() const { return m_status; }
    // The objects that `options` choose, as FolderReader::read gives them.
    FolderReader::Result select(const FolderReader::Options &options) const;

private:
    void read(const Progress &progress);

    // The names of one object type in lower case, versions folded, each
    // list sorted by its characters.
    struct OfType {
        QStringList takeable;
        QStringList invalid;    // no name a list can take
        QStringList unreadable; // not valid in the system's encoding, as shown
    };

    QString m_folder;
    FolderReader::Result::Status m_status = FolderReader::Result::Status::Missing;
    std::filesystem::file_time_type m_modified;
    bool m_settled = false; // m_modified is old enough to tell a later change
    std::vector<OfType> m_types;
};

#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

// The objects of a check folder as the pairs are compared with them:
// letter case aside, versions already folded by reading. Kept between two
// reads of the folder, so that checking never waits for the disk.
class FolderObjects
{
public:
    FolderObjects() = default;
    // Names "base.ext" in Windows-1252, as FolderReader::read gives them.
    explicit FolderObjects(const QStringList &names);

    // Whether the folder holds `base` + `extension` (no version), in any
    // letter case. Asked once per name of a full list, so it puts
    // nothing on the heap.
    bool contains(QStringView base, QStringView extension = {}) const;

private:
    QSet<QString> m_folded;
};

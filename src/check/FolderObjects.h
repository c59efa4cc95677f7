#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The objects of a check folder as the pairs are compared with them:
// letter case aside, versions already folded by reading. Kept between two
// reads of the folder, so that checking never waits for the disk.
class FolderObjects
{
public:
    FolderObjects() = default;
    // Names "base.ext", as FolderReader::read gives them; any characters.
    explicit FolderObjects(const QStringList &names);

    // Whether the folder holds `base` + `extension` (no version), in any
    // letter case. Asked several times per pair of a full list, so it puts
    // nothing on the heap and compares a name only when its hash matches.
    bool contains(QStringView base, QStringView extension = {}) const;
    // How many objects, letter case aside.
    qsizetype size() const { return qsizetype(m_names.size()); }

private:
    struct Slot {
        size_t hash = 0;
        qsizetype name = -1; // index into m_names; -1 for a free slot
    };
    qsizetype find(size_t hash, QStringView base, QStringView extension) const;

    std::vector<QString> m_names; // folded
    std::vector<Slot> m_slots;    // open addressing: a power of two, at most half full
};

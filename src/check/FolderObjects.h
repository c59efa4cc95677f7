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
    qsizetype size() const { return m_count; }

private:
    // Small, so that probing stays within few cache lines; the name itself
    // is one more read, into one buffer rather than a string of its own.
    struct Slot {
        quint32 hash = 0;
        qint32 name = -1; // where the name's length stands in m_text; -1 for a free slot
    };
    qsizetype find(size_t hash, QStringView base, QStringView extension) const;
    bool holds(const Slot &slot, QStringView base, QStringView extension) const;

    // Each name folded, after one unit holding its length: a name of an
    // object is far shorter than 65,536 units.
    std::vector<char16_t> m_text;
    std::vector<Slot> m_slots; // open addressing: a power of two, at most half full
    qsizetype m_count = 0;
};

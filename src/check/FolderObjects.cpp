#include "check/FolderObjects.h"

namespace {

// ASCII without a table. A surrogate stays as it is: a letter beyond the
// first plane is compared with its letter case, and a name that holds one
// is refused by the name check anyway.
char16_t folded(char16_t u)
{
    return u >= u'A' && u <= u'Z' ? u + 32 : u < 0x80 ? u : char16_t(QChar::toCaseFolded(u));
}

// FNV-1a over the folded units of `base` and `extension` in a row.
size_t hashOf(QStringView base, QStringView extension)
{
    size_t hash = 14695981039346656037ull;
    for (const QStringView piece : {base, extension}) {
        for (const QChar c : piece)
            hash = (hash ^ folded(c.unicode())) * 1099511628211ull;
    }
    return hash;
}

} // namespace

FolderObjects::FolderObjects(const QStringList &names)
{
    size_t slotCount = 16;
    while (slotCount < 2 * size_t(names.size()))
        slotCount *= 2;
    m_slots.resize(slotCount);
    for (const QString &name : names) {
        // A name longer than a length unit can say is no object name.
        if (name.size() > 0xffff)
            continue;
        const size_t hash = hashOf(name, {});
        const qsizetype at = find(hash, name, {});
        if (m_slots[at].name >= 0)
            continue;
        m_slots[at] = {quint32(hash), qint32(m_text.size())};
        m_text.push_back(char16_t(name.size()));
        for (const QChar c : name)
            m_text.push_back(folded(c.unicode()));
        ++m_count;
    }
}

// Folded on the fly, so that a lookup puts nothing on the heap.
bool FolderObjects::contains(QStringView base, QStringView extension) const
{
    if (m_slots.empty())
        return false;
    return m_slots[find(hashOf(base, extension), base, extension)].name >= 0;
}

// Whether the slot's folded name is `base` + `extension`, letter case aside.
bool FolderObjects::holds(const Slot &slot, QStringView base, QStringView extension) const
{
    const char16_t *at = m_text.data() + slot.name;
    if (*at++ != base.size() + extension.size())
        return false;
    for (const QStringView piece : {base, extension}) {
        for (const QChar c : piece) {
            if (*at++ != folded(c.unicode()))
                return false;
        }
    }
    return true;
}

// The slot that holds the name, or the free slot where it would go.
qsizetype FolderObjects::find(size_t hash, QStringView base, QStringView extension) const
{
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.name < 0 || (slot.hash == quint32(hash) && holds(slot, base, extension)))
            return qsizetype(i);
    }
}

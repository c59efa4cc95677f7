#include "check/FolderObjects.h"

#include <algorithm>

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

// Whether the folded `name` is `base` + `extension`, letter case aside.
bool isFoldedName(QStringView name, QStringView base, QStringView extension)
{
    if (name.size() != base.size() + extension.size())
        return false;
    const QChar *at = name.data();
    for (const QStringView piece : {base, extension}) {
        for (const QChar c : piece) {
            if (at++->unicode() != folded(c.unicode()))
                return false;
        }
    }
    return true;
}

} // namespace

FolderObjects::FolderObjects(const QStringList &names)
{
    size_t slotCount = 16;
    while (slotCount < 2 * size_t(names.size()))
        slotCount *= 2;
    m_slots.resize(slotCount);
    m_names.reserve(names.size());
    for (const QString &name : names) {
        const size_t hash = hashOf(name, {});
        const qsizetype at = find(hash, name, {});
        if (m_slots[at].name >= 0)
            continue;
        m_slots[at] = {hash, qsizetype(m_names.size())};
        QString folding(name.size(), Qt::Uninitialized);
        std::transform(name.begin(), name.end(), folding.begin(), [](QChar c) { return QChar(folded(c.unicode())); });
        m_names.push_back(std::move(folding));
    }
}

// Folded on the fly, so that a lookup puts nothing on the heap.
bool FolderObjects::contains(QStringView base, QStringView extension) const
{
    if (m_slots.empty())
        return false;
    return m_slots[find(hashOf(base, extension), base, extension)].name >= 0;
}

// The slot that holds the name, or the free slot where it would go.
qsizetype FolderObjects::find(size_t hash, QStringView base, QStringView extension) const
{
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.name < 0 || (slot.hash == hash && isFoldedName(m_names[slot.name], base, extension)))
            return qsizetype(i);
    }
}

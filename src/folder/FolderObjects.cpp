#include "folder/FolderObjects.h"

#include <QHashFunctions>
#include <QVarLengthArray>

namespace {

using Folded = QVarLengthArray<QChar, 64>;

// Folded one UTF-16 unit at a time, ASCII without a table: the folder's
// names are all Windows-1252, so a name with surrogates is never among
// them anyway.
void appendFolded(QStringView text, Folded &out)
{
    const qsizetype at = out.size();
    out.resize(at + text.size());
    QChar *to = out.data() + at;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        *to++ = QChar(u >= u'A' && u <= u'Z' ? u + 32 : u < 0x80 ? u : char16_t(QChar::toCaseFolded(u)));
    }
}

QStringView viewOf(const Folded &folded)
{
    return QStringView(folded.constData(), folded.size());
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
        Folded folded;
        appendFolded(name, folded);
        const size_t hash = qHash(viewOf(folded));
        const qsizetype at = find(viewOf(folded), hash);
        if (m_slots[at].name >= 0)
            continue;
        m_slots[at] = {hash, qsizetype(m_names.size())};
        m_names.emplace_back(viewOf(folded).toString());
    }
}

bool FolderObjects::contains(QStringView base, QStringView extension) const
{
    if (m_slots.empty())
        return false;
    Folded folded;
    appendFolded(base, folded);
    appendFolded(extension, folded);
    return m_slots[find(viewOf(folded), qHash(viewOf(folded)))].name >= 0;
}

// The slot that holds the name, or the free slot where it would go.
qsizetype FolderObjects::find(QStringView folded, size_t hash) const
{
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.name < 0 || (slot.hash == hash && QStringView(m_names[slot.name]) == folded))
            return qsizetype(i);
    }
}

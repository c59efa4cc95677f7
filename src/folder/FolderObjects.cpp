#include "folder/FolderObjects.h"

#include <QVarLengthArray>

FolderObjects::FolderObjects(const QStringList &names)
{
    m_folded.reserve(names.size());
    for (const QString &name : names)
        m_folded.insert(name.toCaseFolded());
}

bool FolderObjects::contains(QStringView base, QStringView extension) const
{
    // Folded one UTF-16 unit at a time, ASCII without a table: the
    // folder's names are all Windows-1252, so a name with surrogates is
    // never among them anyway.
    QVarLengthArray<QChar, 64> folded;
    for (const QStringView part : {base, extension}) {
        for (const QChar c : part) {
            const char16_t u = c.unicode();
            folded.append(QChar(u >= u'A' && u <= u'Z' ? u + 32 : u < 0x80 ? u : char16_t(QChar::toCaseFolded(u))));
        }
    }
    return m_folded.contains(QString::fromRawData(folded.constData(), folded.size()));
}

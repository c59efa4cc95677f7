#include "common/Module1.h"

#include <QFileInfo>

namespace Module1 {

QString ReplaceFirst(const QString &text, const QString &search, const QString &replacement)
{
    if (text.isEmpty())
        return text;
    const qsizetype p = text.indexOf(search, 0, Qt::CaseSensitive);
    if (p < 0)
        return text;
    QString result;
    result.reserve(text.size() - search.size() + replacement.size());
    result.append(QStringView(text).left(p));
    result.append(replacement);
    result.append(QStringView(text).mid(p + search.size()));
    return result;
}

namespace {

struct NameParts {
    QString base;
    QString extension;
};

// One scan from the right serves both FileBaseName and FileExtension. Every
// dot cuts the rest off, so the extension that survives is the one at the
// leftmost dot of the last component that still had text after it.
NameParts splitName(const QString &path)
{
    QStringView r(path);
    if (r.size() >= 2 && r.at(1) == u':')
        r = r.mid(2);

    NameParts parts;
    for (qsizetype i = r.size() - 1; i >= 0; --i) {
        const QChar c = r.at(i);
        if (c == u'.') {
            if (i + 1 < r.size())
                parts.extension = r.mid(i).toString();
            r = r.left(i);
        } else if (c == u'\\' && i + 1 < r.size()) {
            parts.base = r.mid(i + 1).toString();
            return parts;
        }
    }
    parts.base = r.toString();
    return parts;
}

} // namespace

QString FileBaseName(const QString &path)
{
    return splitName(path).base;
}

QString FileExtension(const QString &path)
{
    return splitName(path).extension;
}

QString NormalisedName(const QString &path)
{
    NameParts parts = splitName(path);
    return parts.base + parts.extension;
}

bool FolderExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(path).isDir();
}

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QString PathInFolder(const QString &folder, const QString &fileName, QChar separator)
{
    if (folder.endsWith(separator))
        return folder + fileName;
    return folder + separator + fileName;
}

} // namespace Module1

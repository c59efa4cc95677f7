#include "common/Module1.h"

#include <QFileInfo>

#include <algorithm>

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

// Views into the path: the name check splits every name of a full list.
struct NameParts {
    QStringView base;
    QStringView extension;
};

// One scan from the right serves both FileBaseName and FileExtension. Every
// dot cuts the rest off, so the extension that survives is the one at the
// leftmost dot of the last component that still had text after it.
NameParts splitName(QStringView path)
{
    QStringView r(path);
    if (r.size() >= 2 && r.at(1) == u':')
        r = r.mid(2);

    NameParts parts;
    for (qsizetype i = r.size() - 1; i >= 0; --i) {
        const QChar c = r.at(i);
        if (c == u'.') {
            if (i + 1 < r.size())
                parts.extension = r.mid(i);
            r = r.left(i);
        } else if (c == u'\\' && i + 1 < r.size()) {
            parts.base = r.mid(i + 1);
            return parts;
        }
    }
    parts.base = r;
    return parts;
}

} // namespace

QString FileBaseName(const QString &path)
{
    return splitName(path).base.toString();
}

QString FileExtension(const QString &path)
{
    return splitName(path).extension.toString();
}

// A name without drive, folder and version is its own normalised form and
// shares the path's text.
QString NormalisedName(const QString &path)
{
    const NameParts parts = splitName(path);
    if (parts.base.data() == path.constData() && parts.base.size() + parts.extension.size() == path.size()
        && (parts.extension.isEmpty() || parts.extension.data() == parts.base.data() + parts.base.size()))
        return path;
    QString name(parts.base.size() + parts.extension.size(), Qt::Uninitialized);
    std::copy(parts.extension.begin(), parts.extension.end(),
              std::copy(parts.base.begin(), parts.base.end(), name.data()));
    return name;
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

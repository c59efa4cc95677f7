#include "generator/RenameProWriter.h"

#include "common/Module1.h"

#include <QDir>

#include <algorithm>

namespace RenameProWriter {

QString withCrLf(QStringView paragraphs)
{
    const auto isBreak = [](QChar c) { return c == QChar::ParagraphSeparator || c == QChar::LineSeparator; };
    const qsizetype breaks = std::count_if(paragraphs.begin(), paragraphs.end(), isBreak);
    QString text(paragraphs.size() + breaks, Qt::Uninitialized);
    QChar *out = text.data();
    for (const QChar c : paragraphs) {
        if (isBreak(c)) {
            *out++ = u'\r';
            *out++ = u'\n';
        } else {
            *out++ = c;
        }
    }
    return text;
}

QString filePath(const QString &folder, const QString &fileName)
{
    return Module1::PathInFolder(folder, fileName, QDir::separator());
}

} // namespace RenameProWriter

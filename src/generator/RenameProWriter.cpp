#include "generator/RenameProWriter.h"

#include "common/AtomicFile.h"
#include "common/Cp1252.h"
#include "common/Module1.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace RenameProWriter {

QString withCrLf(QStringView paragraphs)
{
    const qsizetype breaks = paragraphs.count(QChar::ParagraphSeparator);
    QString text(paragraphs.size() + breaks, Qt::Uninitialized);
    QChar *out = text.data();
    for (const QChar c : paragraphs) {
        if (c == QChar::ParagraphSeparator) {
            *out++ = u'\r';
            *out++ = u'\n';
        } else {
            *out++ = c;
        }
    }
    return text;
}

QString filePath(const QString &folder)
{
    return Module1::PathInFolder(folder, kFileName, QDir::separator());
}

WriteReport write(const QString &folder, QStringView outputText)
{
    WriteReport report;
    QByteArray bytes;
    bytes.reserve(outputText.size() + 2);
    QString badCharacter;
    if (!Cp1252::encodeAppend(outputText, bytes, &badCharacter)) {
        report.statusText = Cp1252::unrepresentableMessage(badCharacter);
        return report;
    }
    bytes.append("\r\n", 2);
    return writeBytes(folder, bytes);
}

WriteReport writeBytes(const QString &folder, const QByteArray &fileBytes)
{
    WriteReport report;
    report.ok = AtomicFile::write(filePath(folder), fileBytes, &report.reason);
    report.statusText = report.ok
        ? u"Datei rename.pro wurde gespeichert in "_s + folder
        : u"Fehler: Datei rename.pro konnte nicht gespeichert werden in "_s + folder;
    return report;
}

} // namespace RenameProWriter

#include "generator/RenameProWriter.h"

#include "common/AtomicFile.h"
#include "common/Cp1252.h"
#include "common/Module1.h"

#include <QDir>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

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

WriteReport write(const QString &folder, QStringView outputText, const BeforeReplacing &beforeReplacing)
{
    WriteReport report;
    QByteArray bytes;
    bytes.reserve(outputText.size() + 2);
    QString badCharacter;
    if (!Cp1252::encodeAppend(outputText, bytes, &badCharacter)) {
        const qsizetype pair = MapkeyGenerator::pairAt(outputText, outputText.indexOf(badCharacter));
        report.statusText = Cp1252::unrepresentableMessage(badCharacter, pair);
        return report;
    }
    bytes.append("\r\n", 2);
    return writeBytes(folder, bytes, beforeReplacing);
}

namespace {

WriteReport report(bool ok, const QString &folder, const QString &reason, const QString &fileName = kFileName)
{
    WriteReport report;
    report.ok = ok;
    report.reason = ok ? QString() : reason;
    report.statusText = ok ? u"Datei "_s + fileName + u" wurde gespeichert in "_s + folder
                           : u"Fehler: Datei "_s + fileName + u" konnte nicht gespeichert werden in "_s + folder;
    return report;
}

} // namespace

WriteReport writeBytes(const QString &folder, const QByteArray &fileBytes, const BeforeReplacing &beforeReplacing)
{
    AtomicFile::Writer file(filePath(folder));
    if (file.write(fileBytes) && beforeReplacing) {
        WriteReport refused = beforeReplacing();
        if (!refused.ok)
            return refused;
    }
    const bool ok = file.commit();
    return report(ok, folder, file.errorString());
}

GeneratedWrite writeGenerated(const QString &folder, const QStringList &oldNames, const QStringList &newNames,
                              const QString &fileName, const BeforeReplacing &beforeReplacing,
                              const TemplateSet &templates, const QStringList &users)
{
    GeneratedWrite result;
    AtomicFile::Writer file(filePath(folder, fileName));
    result.generation = MapkeyGenerator::streamFile(
        oldNames, newNames, [&file](QByteArrayView piece) { return file.write(piece); }, templates, users);
    const MapkeyGenerator::EncodedGeneration &g = result.generation;
    if (!g.countsMatch)
        return result;
    if (!g.firstUnrepresentable.isEmpty()) {
        result.report.statusText = g.unrepresentableMessage();
        return result;
    }
    if (!g.sinkStopped && beforeReplacing) {
        WriteReport refused = beforeReplacing();
        if (!refused.ok) {
            result.report = std::move(refused);
            return result;
        }
    }
    const bool ok = !g.sinkStopped && file.commit();
    result.report = report(ok, folder, file.errorString(), fileName);
    return result;
}

} // namespace RenameProWriter

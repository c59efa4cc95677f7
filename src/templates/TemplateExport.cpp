#include "templates/TemplateExport.h"

#include "common/Cp1252.h"

using namespace Qt::StringLiterals;

namespace TemplateExport {

namespace {

constexpr QStringView kContinued = u"mapkey(continued) ";
constexpr QStringView kLineEnd = u"\\\r\n";

// The body's continuation lines as one definition: its first line's text
// behind "mapkey NAME ", the last line without its backslash.
void appendDefinition(QString &out, const QString &name, const QString &body)
{
    const QList<QStringView> lines = QStringView(body).split(kLineEnd, Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        out += i == 0 ? u"mapkey "_s + name + u' ' : kContinued.toString();
        out += lines.at(i).mid(kContinued.size());
        out += i + 1 < lines.size() ? kLineEnd : QStringView(u"\r\n");
    }
}

} // namespace

QByteArray recording(const TemplateSet &set, const RecordedTemplates::Choice &names)
{
    QString text;
    appendDefinition(text, names.renameKey, set.renameBody(names.oldSample, names.newSample));
    appendDefinition(text, names.saveKey, set.saveBody(names.oldSample));
    appendDefinition(text, names.openKey, set.openBody(names.oldSample));
    QByteArray bytes;
    Cp1252::encodeAppend(text, bytes, nullptr);
    return bytes;
}

} // namespace TemplateExport

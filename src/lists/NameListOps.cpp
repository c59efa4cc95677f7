#include "lists/NameListOps.h"

using namespace Qt::StringLiterals;

namespace NameListOps {

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start).toString());
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start).toString());
    return lines;
}

QStringList clipboardLines(QStringView text)
{
    QStringList lines = splitLines(text);
    lines.removeIf([](const QString &line) { return line.isEmpty() || line == u"Name"; });
    return lines;
}

QStringList withoutMarkedAndEmpty(const QStringList &entries, qsizetype selectedRow)
{
    QStringList kept;
    kept.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (i != selectedRow && !entries.at(i).isEmpty())
            kept.append(entries.at(i));
    }
    return kept;
}

Fitted fitInto(QStringList lines, qsizetype held)
{
    Fitted fitted;
    const qsizetype room = std::max<qsizetype>(0, kMaxEntries - held);
    if (lines.size() > room) {
        fitted.leftOut = lines.size() - room;
        lines.resize(room);
    }
    fitted.taken = std::move(lines);
    return fitted;
}

bool holdsLineBreak(QStringView text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

QString lineBreakMessage()
{
    return u"Achtung: Ein Eintrag darf keinen Zeilenumbruch enthalten"_s;
}

QString listFullMessage()
{
    return u"Achtung: Die Liste ist voll (32767 Einträge)"_s;
}

QString linesLeftOutMessage(qsizetype leftOut)
{
    return listFullMessage() + u", "_s + QString::number(leftOut) + u" Zeilen nicht übernommen"_s;
}

} // namespace NameListOps

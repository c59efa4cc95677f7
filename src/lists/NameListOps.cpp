#include "lists/NameListOps.h"

#include "common/Counted.h"

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace NameListOps {

LineSplitter::LineSplitter(qsizetype keepAtMost)
    : m_keepAtMost(keepAtMost)
{
}

LineSplitter::LineSplitter(Sink sink)
    : m_keepAtMost(std::numeric_limits<qsizetype>::max())
    , m_sink(std::move(sink))
{
}

void LineSplitter::feed(QStringView text)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (m_afterCr) {
            m_afterCr = false;
            if (c == u'\n') {
                start = i + 1;
                continue;
            }
        }
        if (!isLineEnd(c))
            continue;
        take(text.mid(start, i - start));
        endLine();
        m_afterCr = c == u'\r';
        start = i + 1;
    }
    take(text.mid(start));
}

void LineSplitter::finish()
{
    if (m_inLine)
        endLine();
}

void LineSplitter::take(QStringView piece)
{
    if (piece.isEmpty())
        return;
    m_inLine = true;
    if (m_lines.size() < m_keepAtMost)
        m_line.append(piece);
}

void LineSplitter::endLine()
{
    if (m_sink)
        m_sink(std::exchange(m_line, QString()));
    else if (m_lines.size() < m_keepAtMost)
        m_lines.append(std::exchange(m_line, QString()));
    else
        ++m_leftOut;
    m_inLine = false;
}

QStringList splitLines(QStringView text)
{
    LineSplitter splitter;
    splitter.feed(text);
    splitter.finish();
    return splitter.takeLines();
}

QStringList clipboardLines(QStringView text)
{
    QStringList lines = splitLines(text);
    lines.removeIf([](const QString &line) {
        return line.isEmpty() || line == u"Name" || line.compare(u"Alter Name", Qt::CaseInsensitive) == 0
            || line.compare(u"Neuer Name", Qt::CaseInsensitive) == 0;
    });
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
    return std::any_of(text.begin(), text.end(), isLineEnd);
}

std::optional<QString> pastedIntoLine(QStringView pasted)
{
    qsizetype end = pasted.size();
    if (pasted.endsWith(u"\r\n"))
        end -= 2;
    else if (end > 0 && isLineEnd(pasted.back()))
        --end;
    const QStringView line = pasted.first(end);
    if (holdsLineBreak(line))
        return std::nullopt;
    return line.toString();
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

QString entriesTakenMessage(qsizetype taken)
{
    return Counted::text(taken, u"Eintrag"_s, u"Einträge"_s) + u" übernommen"_s;
}

QString fittedMessage(qsizetype taken, qsizetype leftOut)
{
    return leftOut > 0 ? linesLeftOutMessage(leftOut) : entriesTakenMessage(taken);
}

QString pairsTakenMessage(qsizetype pairs)
{
    return Counted::text(pairs, u"Paar"_s, u"Paare"_s) + u" übernommen"_s;
}

QString listSavedMessage(const QString &path)
{
    return u"Liste gespeichert: "_s + path;
}

QString ruleAppliedMessage(qsizetype changed, qsizetype names)
{
    // "Namen" serves one name and many alike.
    return u"Regel angewandt: %1 von %2 Namen geändert"_s.arg(changed).arg(names);
}

QString entryEditedMessage(qsizetype row)
{
    return u"Zeile %1 geändert"_s.arg(row + 1);
}

QString pairDeletedMessage(qsizetype row)
{
    return u"Paar %1 gelöscht"_s.arg(row + 1);
}

QString noPairMarkedMessage()
{
    return u"Achtung: Kein Eintrag markiert, kein Paar gelöscht"_s;
}

QString countsDifferMessage(qsizetype oldCount, qsizetype newCount)
{
    return u"Listen ungleich lang: %1 alte, %2 neue Namen"_s.arg(oldCount).arg(newCount);
}

} // namespace NameListOps

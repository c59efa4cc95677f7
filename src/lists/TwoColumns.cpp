#include "lists/TwoColumns.h"

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace TwoColumns {

namespace {

const QString kOldHeading = u"alter Name"_s;
const QString kNewHeading = u"neuer Name"_s;

QString wrongCellsMessage(Source source, qsizetype line, qsizetype cells)
{
    return u"Achtung: Zeile %1 %2 hat %3 statt 2 Spalten (getrennt durch Tabulator oder Semikolon), nichts übernommen"_s
        .arg(QString::number(line), source == Source::File ? u"der Datei"_s : u"der Tabelle"_s, QString::number(cells));
}

bool isBlank(const QString &line)
{
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c == u' ' || c == u'\t' || c == u';'; });
}

} // namespace

QString tableFullMessage()
{
    return NameListOps::listFullMessage() + u", nichts übernommen"_s;
}

QString headerLine()
{
    return kOldHeading + u';' + kNewHeading;
}

Reader::Reader(Source source, qsizetype room)
    : m_source(source)
    , m_room(room)
{
}

void Reader::refuse(const QString &error)
{
    m_table = Table{};
    m_table.error = error;
}

bool Reader::add(const QString &line)
{
    ++m_lines;
    if (!m_table.ok() || isBlank(line))
        return m_table.ok();
    const QChar separator = line.contains(u'\t') ? u'\t' : u';';
    const qsizetype cut = line.indexOf(separator);
    const qsizetype cells = line.count(separator) + 1;
    if (cells != 2) {
        refuse(wrongCellsMessage(m_source, m_lines, cells));
        return false;
    }
    QString first = line.left(cut);
    QString second = line.mid(cut + 1);
    // A spreadsheet's heading may come in its own letter case.
    if (std::exchange(m_headerPossible, false) && first.compare(kOldHeading, Qt::CaseInsensitive) == 0
        && second.compare(kNewHeading, Qt::CaseInsensitive) == 0)
        return true;
    if (m_table.first.size() == m_room) {
        refuse(tableFullMessage());
        return false;
    }
    m_table.first.append(std::move(first));
    m_table.second.append(std::move(second));
    return true;
}

Table read(const QStringList &lines, Source source, qsizetype room)
{
    Reader reader(source, room);
    for (const QString &line : lines) {
        if (!reader.add(line))
            break;
    }
    return reader.take();
}

Table appended(const QStringList &oldNames, const QStringList &newNames, const QStringList &lines)
{
    if (oldNames.size() != newNames.size())
        return Table{{}, {}, u"Achtung: Die Listen sind verschieden lang, Tabelle nicht übernommen"_s};
    Table table = read(lines, Source::Clipboard, std::max<qsizetype>(0, NameListOps::kMaxEntries - oldNames.size()));
    if (table.ok()) {
        table.first = oldNames + table.first;
        table.second = newNames + table.second;
    }
    return table;
}

} // namespace TwoColumns

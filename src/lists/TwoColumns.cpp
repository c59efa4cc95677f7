#include "lists/TwoColumns.h"

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace TwoColumns {

namespace {

const QString kOldHeading = u"alter Name"_s;
const QString kNewHeading = u"neuer Name"_s;

QString wrongCellsMessage(qsizetype line, qsizetype cells)
{
    return u"Achtung: Zeile %1 hat %2 statt 2 Spalten (getrennt durch Tabulator oder Semikolon), nichts übernommen"_s
        .arg(QString::number(line), QString::number(cells));
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

Table read(const QStringList &lines, qsizetype room)
{
    Table table;
    bool headerPossible = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.isEmpty())
            continue;
        const QChar separator = line.contains(u'\t') ? u'\t' : u';';
        const qsizetype cut = line.indexOf(separator);
        const qsizetype cells = line.count(separator) + 1;
        if (cells != 2) {
            table = Table{};
            table.error = wrongCellsMessage(i + 1, cells);
            return table;
        }
        QString first = line.left(cut);
        QString second = line.mid(cut + 1);
        if (std::exchange(headerPossible, false) && first == kOldHeading && second == kNewHeading)
            continue;
        if (table.first.size() == room) {
            table = Table{};
            table.error = tableFullMessage();
            return table;
        }
        table.first.append(std::move(first));
        table.second.append(std::move(second));
    }
    return table;
}

Table appended(const QStringList &oldNames, const QStringList &newNames, const QStringList &lines)
{
    if (oldNames.size() != newNames.size())
        return Table{{}, {}, u"Achtung: Die Listen sind verschieden lang, Tabelle nicht übernommen"_s};
    Table table = read(lines, std::max<qsizetype>(0, NameListOps::kMaxEntries - oldNames.size()));
    if (table.ok()) {
        table.first = oldNames + table.first;
        table.second = newNames + table.second;
    }
    return table;
}

} // namespace TwoColumns

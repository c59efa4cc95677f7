#pragma once

#include <QString>
#include <QStringList>

#include "lists/NameListOps.h"

// Two columns of names, one pair per line, as a spreadsheet copies them
// (tab between the cells) or as a pairs file holds them (semicolon). The
// first column holds old names, the second new names.
namespace TwoColumns {

// The line a pairs file begins with; read, it is skipped.
QString headerLine();

// Why a table that would pass the entry limit was not taken.
QString tableFullMessage();

struct Table {
    QStringList first;
    QStringList second;
    // Empty when every line was read; otherwise why nothing was taken.
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Where the lines come from, as an error names a line: "Zeile 4 der Datei",
// "Zeile 4 der Tabelle". A finding's "Zeile N" counts pairs instead.
enum class Source { File, Clipboard };

// A table read line by line, as a file is read. Blank lines (nothing but
// blanks, tabs and semicolons: the empty rows a spreadsheet copies) are
// skipped and count toward no limit, and so is the header as the first
// line with text ("alter Name" and "neuer Name" in any letter case). Every
// other line holds exactly two cells: a line with a tab is cut at its tabs
// (cells may then hold semicolons), any other at its semicolons. A line
// with another number of cells, or more than `room` pairs, refuses the
// whole table and the error names the first bad line (1-based, as an
// editor counts, blank lines included).
class Reader
{
public:
    explicit Reader(Source source, qsizetype room = NameListOps::kMaxEntries);
    // False once the table is refused; later lines change nothing.
    bool add(const QString &line);
    bool ok() const { return m_table.ok(); }
    Table take() { return std::move(m_table); }

private:
    void refuse(const QString &error);

    Table m_table;
    Source m_source;
    qsizetype m_room;
    qsizetype m_lines = 0;
    bool m_headerPossible = true;
};

Table read(const QStringList &lines, Source source, qsizetype room = NameListOps::kMaxEntries);

// Both lists with the pasted table's pairs appended ("Tabelle einfügen"), or an
// error and no lists: the lists must pair up beforehand, and neither may
// pass the entry limit.
Table appended(const QStringList &oldNames, const QStringList &newNames, const QStringList &lines);

} // namespace TwoColumns

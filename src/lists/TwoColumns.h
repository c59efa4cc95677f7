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

// Empty lines are skipped, and so is the header as the first line with
// text. Every other line holds exactly two cells: a line with a tab is cut
// at its tabs (cells may then hold semicolons), any other at its
// semicolons. A line with another number of cells, or more than `room`
// pairs, refuses the whole table and the error names the first bad line
// (1-based, as an editor counts).
Table read(const QStringList &lines, qsizetype room = NameListOps::kMaxEntries);

// Both lists with the table's pairs appended ("Tabelle einfügen"), or an
// error and no lists: the lists must pair up beforehand, and neither may
// pass the entry limit.
Table appended(const QStringList &oldNames, const QStringList &newNames, const QStringList &lines);

} // namespace TwoColumns

#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// What the list commands do to a list's entries, apart from the widgets
// that show them.
namespace NameListOps {

// Counts and positions were 16-bit; files written by older versions and
// users' habits rely on this bound.
inline constexpr qsizetype kMaxEntries = 32767;

// The lines of a text: CR LF, a lone CR and a lone LF each end a line, and
// a last line without a line end counts too. An entry never holds a line
// break.
QStringList splitLines(QStringView text);

// The lines of pasted text worth keeping: empty lines and the column
// heading "Name" (exactly so) are left out.
QStringList clipboardLines(QStringView text);

// The entries left after "markiertes löschen": the selected row goes, and so
// does every empty entry. `selectedRow` is -1 when nothing is selected.
QStringList withoutMarkedAndEmpty(const QStringList &entries, qsizetype selectedRow);

// How many of `lines` fit into a list already holding `held` entries.
struct Fitted {
    QStringList taken;
    qsizetype leftOut = 0;
};
Fitted fitInto(QStringList lines, qsizetype held);

// A pasted or typed text can hold line breaks; an entry must not, or the
// mapkey lines and the list files would break apart.
bool holdsLineBreak(QStringView text);
QString lineBreakMessage();

QString listFullMessage();
QString linesLeftOutMessage(qsizetype leftOut);

} // namespace NameListOps

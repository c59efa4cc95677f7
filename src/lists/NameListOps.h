#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <limits>
#include <optional>

// What the list commands do to a list's entries, apart from the widgets
// that show them.
namespace NameListOps {

// Counts and positions were 16-bit; files written by older versions and
// users' habits rely on this bound.
inline constexpr qsizetype kMaxEntries = 32767;

// A line end, wherever a text comes from: CR, LF, and the Unicode next
// line (U+0085), line separator (U+2028) and paragraph separator (U+2029).
// The output field keeps its lines apart with U+2029, so any of them in a
// name would split that name's line in rename.pro.
inline bool isLineEnd(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'\n' || u == u'\r' || u == 0x0085 || u == 0x2028 || u == 0x2029;
}

// The lines of a text fed in pieces: CR LF is one line end, any other line
// end character one each, and a last line without a line end counts too.
// Keeps at most `keepAtMost` lines and counts the others without keeping
// them, so a huge text costs no more memory than the lines kept; or hands
// each line to a sink as it ends.
class LineSplitter
{
public:
    using Sink = std::function<void(QString &&line)>;
    explicit LineSplitter(qsizetype keepAtMost = std::numeric_limits<qsizetype>::max());
    explicit LineSplitter(Sink sink);
    void feed(QStringView text);
    // Ends the last line when it has no line end.
    void finish();
    QStringList takeLines() { return std::move(m_lines); }
    qsizetype leftOut() const { return m_leftOut; }
    // How much of the line not yet ended is held.
    qsizetype pendingSize() const { return m_line.size(); }

private:
    void take(QStringView piece);
    void endLine();

    QStringList m_lines;
    QString m_line;
    bool m_inLine = false;
    bool m_afterCr = false;
    qsizetype m_keepAtMost;
    qsizetype m_leftOut = 0;
    Sink m_sink;
};

// All lines of a text. An entry never holds a line break.
QStringList splitLines(QStringView text);

// The lines of pasted text worth keeping: empty lines and a column's
// heading are left out: "Name" exactly so, and "Alter Name" or "Neuer
// Name" in any letter case, as the heading line of a pasted table.
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

// Text pasted or dropped into a one-line field: a cell copied from a
// spreadsheet brings one line end (CR LF, or any one line end character),
// which is dropped; text that holds a line end besides is refused (none).
std::optional<QString> pastedIntoLine(QStringView pasted);

QString listFullMessage();
QString linesLeftOutMessage(qsizetype leftOut);

// What a list command that worked says in the status line, so that no
// earlier error stays standing there.
QString entriesTakenMessage(qsizetype taken);
// Lines pasted or read into a list: how many were taken, or, when the list
// ran full, how many were left out.
QString fittedMessage(qsizetype taken, qsizetype leftOut);
QString pairsTakenMessage(qsizetype pairs);
QString listSavedMessage(const QString &path);
// After "Action": how many of the names the rule changed.
QString ruleAppliedMessage(qsizetype changed, qsizetype names);
// `row` counts from 0, the message from 1, as the list shows it.
QString entryEditedMessage(qsizetype row);
QString pairDeletedMessage(qsizetype row);
QString noPairMarkedMessage();
// Lists that do not pair up, with both counts.
QString countsDifferMessage(qsizetype oldCount, qsizetype newCount);

} // namespace NameListOps

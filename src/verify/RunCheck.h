#pragma once

#include "check/NameCheck.h"

#include <QList>
#include <QString>
#include <QStringList>

class FolderObjects;

// How far a run of rename.pro got, read back from the working folder
// after it. Pro/ENGINEER renames an object with all its versions at once,
// so the folder shows by name which pairs ran. Pairs that share a name,
// directly or through others, form a group; they ran in their list order,
// each depending on those before it, so the done pairs of a group are its
// first k. Before the run the group's old names were there and its other
// names not; each pair takes its old name away and adds its new one. The k
// whose state differs from the folder in the fewest names wins; where
// several do, the pairs between the first and the last of them are
// unclear, and nothing is guessed for them. A group in which a name is
// the old name of two pairs, or the new name of two, ran otherwise than
// its list says (the second pair could not open or not rename): all its
// pairs are unclear. Names are compared as the
// folder check compares them: letter case and versions aside, a new name
// without an extension of the old name's type.
namespace RunCheck {

enum class State { Done, Open, Unclear };

struct Finding {
    qsizetype row = 0; // 0-based pair index
    QString text;      // the whole line, "Zeile 3: Abweichung: …"
};

struct Result {
    QList<State> states;     // one per pair, up to the shorter list's length
    QList<Finding> findings; // sorted by row
    // How many findings are differences between the folder and the state
    // taken; the others each tell of a pair in Unclear.
    qsizetype differences = 0;

    qsizetype count(State state) const;
    // Whether anything differs from a run that stopped cleanly somewhere.
    bool anyDoubt() const { return differences > 0 || count(State::Unclear) > 0; }
};

// The pairs of the two lists in the order rename.pro ran them, against the
// objects of the folder as read after the run.
Result check(const QStringList &oldNames, const QStringList &newNames, const FolderObjects &folder);

// The pairs of the lists in `state`, in their order, as the lists hold them.
struct Pairs {
    QStringList oldNames;
    QStringList newNames;
    QList<qsizetype> rows;
};
Pairs pairsIn(const QStringList &oldNames, const QStringList &newNames, const Result &result, State state);

// The name check's `findings` while the marks of `run` show: the folder
// rules judge a folder before its run, and after it misread every pair
// the run has judged (a done pair's new name is "im Ordner schon
// vergeben"), so they are left out for the done and the open pairs; an
// unclear pair keeps them, as the user looks at its folder.
QList<NameCheck::Finding> withoutFolderRules(const QList<NameCheck::Finding> &findings, const Result &run);

// What a list row shows of the run: its state, and its state word and
// findings as tooltip.
struct RowMark {
    State state = State::Open;
    QString tooltip;
};
QList<RowMark> rowMarks(const Result &result);

} // namespace RunCheck

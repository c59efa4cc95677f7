#pragma once

#include <QList>
#include <QStringList>

// How much the window's undo history may hold. One step may hold two bytes
// or a hundred megabytes, so the history is bounded by memory, not by
// steps: when its steps together hold more than the budget, the oldest are
// forgotten.
namespace UndoBudget {

// Estimated, so in practice the history holds less: steps share most of
// their names with the lists and with each other.
constexpr qint64 kBytes = qint64(64) << 20;

// The memory `names` hold in a step, estimated from above: each name's
// characters, its header and its place in the list, and the step itself.
qint64 bytesOf(const QStringList &names);

// How many of the oldest steps, whose estimates are `costs` from the oldest
// on, are to be forgotten so that the rest hold at most `budget`. The
// newest step stays whatever it holds: the last command can be undone.
qsizetype oldestToForget(const QList<qint64> &costs, qint64 budget);

} // namespace UndoBudget

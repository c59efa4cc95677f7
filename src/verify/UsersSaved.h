#pragma once

#include "check/UseIndex.h"
#include "verify/RunCheck.h"

#include <QList>
#include <QString>
#include <QStringList>

// After a run, the parents read again: a parent in session takes the new
// name of its child when the child is renamed, and keeps it once saved. One
// that still names the old name of a done pair was not saved by the run
// (or not opened before it) and misses its child when it is next opened.
namespace UsersSaved {

// For each done pair of `run`, the objects whose use, read after the run,
// still names its old name: "Zeile 3: Abweichung: baugruppe.asm verweist
// noch auf a.prt", sorted by row and then by user.
QList<RunCheck::Finding> check(const QStringList &oldNames, const QStringList &newNames, const RunCheck::Result &run,
                               const UseIndex &after);

// `run` with `findings` among its own, by row, each one more difference.
void add(RunCheck::Result &run, const QList<RunCheck::Finding> &findings);

} // namespace UsersSaved

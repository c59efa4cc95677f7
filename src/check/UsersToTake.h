#pragma once

#include "check/ComparedPairs.h"
#include "check/NameCheck.h"
#include "check/UseIndex.h"

#include <QList>
#include <QString>
#include <QStringList>

// The parents of what a run renames. Pro/ENGINEER updates a parent that is
// in session when its child is renamed; a parent left on disk keeps the old
// name and misses its child when it is next opened. The run takes along the
// users of the old names that it does not rename itself: opened before the
// first rename, saved after the last. An assembly or a drawing whose use
// could not be read is taken too, as it might use one; a part is not.
namespace UsersToTake {

// The users to take for the pairs up to the shorter list's length, sorted
// and each once; none without a pair.
QStringList choose(const QStringList &oldNames, const QStringList &newNames, const UseIndex &use);
// The same for the way back: the users of the old names, and those of the
// new names (a new name without extension of the old one's type), which
// the parents name once the run has saved them.
QStringList chooseBack(const QStringList &oldNames, const QStringList &newNames, const UseIndex &use);

// The rule for a run that takes no users: a warning for each pair whose
// old name has users that no pair renames, sorted by row.
QList<NameCheck::Finding> check(const ComparedPairs &compared, const UseIndex &use);

// "a.prt wird verwendet von baugruppe.asm, zeichnung.drw, die der Lauf
// nicht öffnet (Verwender mitnehmen)"; a long list of users ends in how
// many more there are.
QString leftText(const QString &name, const QStringList &users);
// What a row's tooltip says of its old name: "Verwendet von: baugruppe.asm".
// Empty without users.
QString usedByText(const QStringList &users);
// What the check line adds of the folder's use, empty when there is
// nothing to say: with `taking` how many users the run takes and how many
// of them could not be read, else how many objects could not be read;
// files that are no objects are counted in either case. "2 Verwender
// mitgenommen (1 nicht lesbar); 3 Teile: Verwendung nicht lesbar, nicht
// mitgenommen; 1 Datei: kein Objekt".
QString note(const UseIndex &use, bool taking, qsizetype taken);

// The old names' users in the rows' tooltips, after their findings; a row
// without findings gets a tooltip all the same, and no mark.
void addUsedBy(QList<NameCheck::RowMark> &marks, const QStringList &oldNames, const UseIndex &use);

// What "Verwendung …" lists: for each pair with an old name who uses it
// ("a.prt: verwendet von baugruppe.asm, zeichnung.drw" or "a.prt: kein
// Verwender im Prüfordner"), then each object whose use could not be read,
// with its reason and whether the run takes it along.
QStringList overview(const QStringList &oldNames, const QStringList &newNames, const UseIndex &use);

} // namespace UsersToTake

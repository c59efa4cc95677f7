#pragma once

#include "check/NameCheck.h"
#include "verify/RunCheck.h"

#include <QString>

// Every German text of the check after a run. Rows are passed 0-based and
// shown 1-based; names are shown cut short and with their hidden
// characters as code points.
namespace RunTexts {

// "erledigt", "offen", "unklar".
QString stateWord(RunCheck::State state);

// "Zeile 3: erledigt: a.prt -> b.prt", the old name normalised as in
// rename.pro, the new one as the list holds it.
QString pairLine(qsizetype row, RunCheck::State state, const QString &oldName, const QString &newName);

// The differences, `name` in the folder's form: "Zeile 3: Abweichung:
// b.prt sollte da sein, fehlt" and "… sollte weg sein, ist noch da".
QString missing(qsizetype row, const QString &name);
QString stillThere(qsizetype row, const QString &name);
// A pair that the folder fits as well done as open.
QString bothThere(qsizetype row, const QString &oldName, const QString &newName);
QString neitherThere(qsizetype row, const QString &oldName, const QString &newName);
QString unchanged(qsizetype row);
QString eitherWay(qsizetype row);
// A parent the run did not save: "Zeile 3: Abweichung: baugruppe.asm
// verweist noch auf a.prt".
QString stillNamed(qsizetype row, const QString &user, const QString &oldName);
// A pair whose old or new name other pairs hold too, as the name check
// tells it: "Zeile 2: Abweichung: nicht eindeutig, alter Name doppelt
// (auch Zeile 1): a.prt"; and a pair that shares names with such a pair,
// directly or through others.
QString twice(qsizetype row, bool oldName, qsizetype otherRow, qsizetype otherRows, const QString &name);
QString besideTwice(qsizetype row, qsizetype twiceRow);

// "Lauf: 57 von 120 Paaren erledigt, 62 offen, 1 unklar, 2 Abweichungen".
QString summary(const RunCheck::Result &result);
// The check line while the run's marks show: the run's result first, then
// what the name check says beside it: "Lauf: …; Prüfung gegen D:\arbeit:
// keine Befunde".
QString checkLine(const RunCheck::Result &result, const QString &checkSummary);

// The status of "Offene übernehmen" and "Rückweg für Erledigte" when there
// is nothing to take.
QString openKept(qsizetype count);
QString noneOpen();
QString noneDone();
// The question before writing rename_zurueck.pro for the done pairs alone,
// about those of the way back's own `findings` that are on a pair `run`
// found done; empty when there are none, as the others are not written.
QString wayBackQuestion(const QList<NameCheck::Finding> &findings, const RunCheck::Result &run);

} // namespace RunTexts

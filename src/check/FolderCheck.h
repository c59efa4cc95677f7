#pragma once

#include "check/ComparedPairs.h"
#include "check/FolderObjects.h"
#include "check/NameCheck.h"

#include <QList>
#include <QStringList>

// The pairs against the folder their objects live in: the old object must
// be there for the mapkey to open it, the new name must not be taken by
// another object, and a drawing named after its model should be renamed
// with it, or it keeps pointing at a name that no longer exists. Names
// are compared as the name check compares them.
namespace FolderCheck {

// The findings of the three folder rules, sorted by row and then by rule,
// for the pairs up to the shorter list's length. A new name that some pair
// renames away is not taken: running that pair first is the chain's
// business.
QList<NameCheck::Finding> check(const QStringList &oldNames, const QStringList &newNames, const FolderObjects &folder);
// The same for pairs the name check has already compared: comparing a full
// list costs more than the three rules.
QList<NameCheck::Finding> check(const ComparedPairs &compared, const QStringList &newNames,
                                const FolderObjects &folder);

// For each drawing left behind, the pair that renames it after its model,
// in the order of the models' pairs; a drawing that two pairs would take
// along comes once. Appended to the lists, they leave nothing to add.
struct DrawingPairs {
    QStringList oldNames;
    QStringList newNames;
};
DrawingPairs drawingPairs(const QStringList &oldNames, const QStringList &newNames, const FolderObjects &folder);
// "2 Zeichnungen ergänzt", or that there was none to add.
QString drawingsAdded(qsizetype count);

} // namespace FolderCheck

#pragma once

#include "check/NameCheck.h"

#include <QList>
#include <QString>
#include <QStringList>

// The name check of the way back. Most of what it finds mirrors what the
// forward check already said about the same pair (a new name twice is an
// old name twice on the way back); only what the way back finds of its own
// is told, with "Rückweg: " before it, on the row of the pair in the lists,
// so that the user finds it where the forward findings point; a row it
// names in its text counts the lists' rows as well.
namespace WayBackCheck {

// The way back's own findings for the pairs as rename.pro runs them, in the
// order of their rows.
QList<NameCheck::Finding> ownFindings(const QStringList &oldNames, const QStringList &newNames);

// The forward findings, those of a check folder among them, with the way
// back's own ones after those of the same row: what is told before both
// files are written.
QList<NameCheck::Finding> check(const QStringList &oldNames, const QStringList &newNames,
                                const FolderObjects *folder = nullptr, const UseIndex *usersLeft = nullptr);

// The question before writing rename.pro and rename_zurueck.pro despite
// `findings` of the way back alone.
QString questionText(const QList<NameCheck::Finding> &findings);

} // namespace WayBackCheck

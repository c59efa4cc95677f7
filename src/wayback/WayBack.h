#pragma once

#include "generator/MapkeyGenerator.h"

#include <QString>
#include <QStringList>

// The way back: rename_zurueck.pro, written beside rename.pro from the same
// pairs, runs the same kind of mapkeys backwards, so that a run that went
// wrong halfway, or new names that were a mistake, can be undone in
// Pro/ENGINEER by loading it and running "rename" again.
namespace WayBack {

inline const QString kFileName = QStringLiteral("rename_zurueck.pro");

struct Pairs {
    QStringList oldNames;
    QStringList newNames;
};

// For the pairs in the order rename.pro runs them: the same pairs in the
// opposite order, each from its new name back to its normalised old name.
// Pro/ENGINEER's rename keeps the type, so a new name without an extension
// is opened with the old name's. Reversed, a chain that runs b → c, then
// a → b is undone as b → a, then c → b: every name is free when it is used.
// Rows beyond the shorter list have no pair and are left out.
Pairs pairs(const QStringList &oldNames, const QStringList &newNames);

// rename_zurueck.pro's bytes (Windows-1252, final CR LF included), built
// from the same template set as the rename.pro it undoes, with the same
// users: the parents opened and saved again take the old names back.
// MapkeyFiles writes it.
MapkeyGenerator::EncodedGeneration generateFile(const QStringList &oldNames, const QStringList &newNames,
                                                const TemplateSet &templates = TemplateSet::builtIn(),
                                                const QStringList &users = {});

} // namespace WayBack

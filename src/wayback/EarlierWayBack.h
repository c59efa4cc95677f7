#pragma once

#include "generator/RenameProWriter.h"

#include <QString>

// A rename_zurueck.pro already in a folder undoes the run of the rename.pro
// it was written with, which may have been made in Pro/ENGINEER already and
// then has no other undo. So it is never replaced and never left beside a
// rename.pro it does not belong to: before either file is written into the
// folder, it is renamed to rename_zurueck_JJJJ-MM-TT_hh-mm-ss.pro after its
// own modification time, with "_2", "_3" … after that while the name is
// taken. Nothing is deleted.
namespace EarlierWayBack {

struct Kept {
    // False when it could not be renamed; then nothing may be written.
    bool ok = true;
    // The name it has now; empty when the folder held none.
    QString keptAs;
    // The system's words for why it could not be renamed.
    QString reason;
};

// Renames the folder's rename_zurueck.pro, if it holds one (a file, or a
// link to one; a folder of that name is no way back and stays).
Kept keep(const QString &folder);

// For the writer of either file: keeps the earlier way back once the new
// file is complete, right before it replaces anything, and stops the
// writing when that fails. `kept` receives what became of it.
RenameProWriter::BeforeReplacing keeping(const QString &folder, Kept &kept);

// "frühere Rückweg-Datei aufbewahrt als …", empty when nothing was kept.
QString keptText(const Kept &kept);

} // namespace EarlierWayBack

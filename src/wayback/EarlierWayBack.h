#pragma once

#include <QString>

// A rename_zurueck.pro already in a folder undoes the run of the rename.pro
// it was written with, which may have been made in Pro/ENGINEER already and
// then has no other undo. So it is never replaced and never left beside a
// rename.pro it does not belong to: before either file replaces anything in
// the folder, it is renamed to rename_zurueck_JJJJ-MM-TT_hh-mm-ss.pro after
// its own modification time, with "_2", "_3" … after that while the name is
// taken. Nothing is deleted.
namespace EarlierWayBack {

struct Kept {
    // False when it could not be renamed; then nothing may be written.
    bool ok = true;
    // The name it has now; empty when the folder held none.
    QString keptAs;
    // Why it could not be renamed, in German.
    QString reason;
};

// Renames the folder's rename_zurueck.pro, if it holds one of any kind: a
// file, or a link (to a file inside or outside the folder, or to nothing),
// which keeps leading where it did. A folder of that name is no way back
// and stays.
Kept keep(const QString &folder);

// "Fehler: Nichts geschrieben: frühere Rückweg-Datei … konnte nicht
// umbenannt werden: …", for a `kept` that is not ok.
QString notKeptText(const QString &folder, const Kept &kept);

// "frühere Rückweg-Datei aufbewahrt als …", empty when nothing was kept.
QString keptText(const Kept &kept);

} // namespace EarlierWayBack

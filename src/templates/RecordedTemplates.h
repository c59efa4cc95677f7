#pragma once

#include "generator/TemplateSet.h"
#include "templates/Recording.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A template set recorded in the user's own version of Pro/ENGINEER: three
// mapkeys, one per role, recorded on a sample object, with the names of
// each pair put where the sample names were typed. Each definition is
// taken as RecordedBody reads it (labels and keystroke echoes out), then
// written back in the pieces between the line ends that remain, each as a
// continuation line, a piece of nothing but blanks left out. A set with an
// error is never used, and nothing falls back to the built-in set without
// the user choosing so.
namespace RecordedTemplates {

enum class Role { Rename, OpenSaveClose, OpenClose };

inline const QString kDefaultRenameKey = QStringLiteral("velmorant_umbenennen");
inline const QString kDefaultSaveKey = QStringLiteral("velmorant_speichern");
inline const QString kDefaultOpenKey = QStringLiteral("velmorant_oeffnen");
inline const QString kDefaultOldSample = QStringLiteral("velmorant_alt.prt");
inline const QString kDefaultNewSample = QStringLiteral("velmorant_neu");

// Which set is in use: the built-in one when `file` is empty, otherwise
// the recording in `file`, its mapkey for each role, and the names typed
// while recording (matched exactly, letter case included).
struct Choice {
    QString file;
    QString renameKey = kDefaultRenameKey;
    QString saveKey = kDefaultSaveKey;
    QString openKey = kDefaultOpenKey;
    QString oldSample = kDefaultOldSample;
    QString newSample = kDefaultNewSample;

    bool isBuiltIn() const { return file.isEmpty(); }
    const QString &key(Role role) const;
};

struct Finding {
    bool error = false;
    // "Vorlage, Zeile 12: Fehler: Mapkey … (Umbenennen): …", one line.
    QString text;
};

struct Checked {
    // Present when no finding is an error.
    std::optional<TemplateSet> set;
    // Errors and warnings in the order of the roles.
    QList<Finding> findings;
    // The names of the file's mapkeys in the order of the file, once each.
    QStringList mapkeys;

    bool usable() const { return set.has_value(); }
    // The findings, one per line, each line ended.
    QString findingLines() const;
};

// The set the file's text gives for `choice`, with its findings.
Checked check(const Recording::File &file, const Choice &choice);
// The same with the file read now: a file may change or go between runs.
Checked load(const Choice &choice);

} // namespace RecordedTemplates

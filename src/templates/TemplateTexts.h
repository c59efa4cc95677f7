#pragma once

#include "lists/ListFile.h"
#include "templates/RecordedTemplates.h"

#include <QString>

// Every German text of a recorded template set: its findings, each naming
// the mapkey and its role and, where there is one, the line of the file,
// and what the window and the command line say about the set in use.
namespace TemplateTexts {

// "Vorlage, Zeile 12: Fehler: " + message, or without a line (0) "Vorlage: Fehler: " + message.
QString finding(qsizetype line, bool error, const QString &message);

// "Mapkey velmorant_umbenennen (Umbenennen)".
QString mapkey(const QString &name, RecordedTemplates::Role role);

QString unreadable(ListFile::ReadResult::Status status, const QString &path);
QString emptySample(bool oldSample);
QString missing(const QString &mapkey);
QString notClosed(const QString &mapkey);
QString sampleMissing(const QString &mapkey, bool oldSample, const QString &sample);
QString sampleTwice(const QString &mapkey, bool oldSample, const QString &sample, qsizetype firstLine);
QString newBeforeOld(const QString &mapkey, const QString &sample, qsizetype oldLine);
QString sampleSplit(const QString &mapkey, bool oldSample, const QString &sample);
QString newSampleOutOfPlace(const QString &mapkey, const QString &sample);
QString unrepresentable(const QString &mapkey, const QString &character);

QString callsMapkey(const QString &mapkey, const QString &called);
QString folderPath(const QString &mapkey, const QString &value);
QString samplesEqual(const QString &mapkey, const QString &sample);
QString typingSlip(const QString &mapkey, const QString &dialog, const QString &field, const QString &value);

// What the check line names while a recorded set is in use: "Vorlage:
// config.pro", with " (nicht verwendbar)" when it does not check.
QString inUse(const QString &file, bool usable);
// "die eingebaute Vorlage", or the file with its three mapkeys.
QString described(const RecordedTemplates::Choice &choice);
// The status line once a set is chosen.
QString chosen(const RecordedTemplates::Choice &choice);
// The message and the status line when generation is refused.
QString refused(const QString &file, const QString &findingLines);
QString refusedStatus(const QString &file);
// Writing the built-in set out as a recording.
QString exported(const QString &path, bool ok, const QString &reason);

} // namespace TemplateTexts

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

QString unreadable(const Recording::File &file, const QString &path);
QString emptySample(bool oldSample);
QString noObjectName(bool oldSample, const QString &sample);
QString strayContinuation();
QString blankAfterBackslash(const QString &mapkey);
QString missing(const QString &mapkey);
QString notClosed(const QString &mapkey);
// `partOf`: a typed value that holds the sample inside it, on `partLine`;
// empty when there is none.
QString sampleNowhere(const QString &mapkey, bool oldSample, const QString &sample, const QString &partOf,
                      qsizetype partLine);
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
// The dialog's last word once a recording is opened, or read again for use
// and found wanting.
QString opened(const QString &path, const Recording::File &file, qsizetype mapkeys);
QString notUsed(const QString &path);
// Writing the built-in set out as a recording.
QString exported(const QString &path, bool ok, const QString &reason);

} // namespace TemplateTexts

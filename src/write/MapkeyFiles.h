#pragma once

#include "common/Cp1252Text.h"
#include "generator/TemplateSet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// rename.pro and its way back rename_zurueck.pro, written into a folder by
// one road for every caller: the window's "OK" and "Rückweg für
// Erledigte", and the command line's --out. Always in this order: each
// file asked for is made complete under a temporary name in the folder;
// then an earlier rename_zurueck.pro there is kept under its dated name
// (EarlierWayBack); then the new files replace the old ones, rename.pro
// first. A file that cannot be made replaces nothing, and when the earlier
// way back cannot be kept, nothing is written at all.
//
// Both files are written as plain files inside the folder: a link of
// their name is replaced, never followed, so nothing outside the folder is
// created or changed.
namespace MapkeyFiles {

using Sink = Cp1252Text::Sink;

// Hands a file's bytes to the sink, piece by piece, so that memory need
// hold one piece; stops when the sink returns false (the disk failed).
// Returns an empty text, or why the file cannot be made, a name without a
// byte in Windows-1252 for instance; then nothing of it is written.
using Content = std::function<QString(const Sink &)>;

// rename.pro as the bytes that were generated, final CR LF included.
Content fileBytes(QByteArray bytes);
// rename.pro as a text whose lines end in CR LF (the output field as the
// user edited it): encoded, with one more CR LF at the end.
Content outputText(QString text);
// rename.pro generated from the pairs while it is written, opening
// `users` first and saving them last.
Content generated(QStringList oldNames, QStringList newNames, TemplateSet templates, QStringList users = {});
// The way back of the pairs (WayBack::pairs), generated while it is written,
// with the users it takes along.
Content wayBack(const QStringList &oldNames, const QStringList &newNames, TemplateSet templates,
                QStringList users = {});

struct Request {
    QString folder;
    // Each file is written when its content is given.
    Content renamePro;
    Content wayBack;
    // Beside rename.pro without a way back: why the way back asked for is
    // not made; the status line tells it.
    QString noWayBack;
};

struct Result {
    enum class Outcome {
        // Every file asked for replaced the old one; beside rename.pro, the
        // way back may still have failed, which `wayBackText` tells.
        Written,
        // The content could not be made; nothing was written.
        Refused,
        // The file system failed; the old files are as they were, except
        // that an earlier way back may have been kept.
        Failed,
    };
    Outcome outcome = Outcome::Failed;
    // "Datei rename.pro wurde gespeichert in …", or why not; the file is
    // the way back when only that was asked for.
    QString fileText;
    // Beside rename.pro: "Rückweg: rename_zurueck.pro", or why not.
    QString wayBackText;
    // "frühere Rückweg-Datei aufbewahrt als …", or empty.
    QString keptText;

    bool written() const { return outcome == Outcome::Written; }
    // The three texts the status line shows, joined by "; ".
    QString statusText() const;
};

Result write(const Request &request);

} // namespace MapkeyFiles

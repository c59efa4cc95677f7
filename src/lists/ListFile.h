#pragma once

#include "common/WriteReport.h"
#include "lists/NameListOps.h"

#include <QString>
#include <QStringList>

// The saved name lists: Windows-1252 text beside the program, one entry per
// line, every entry followed by CR LF.
namespace ListFile {

enum class Kind { OldNames, NewNames };

QString fileName(Kind kind);
QString path(const QString &programFolder, Kind kind);

// A list file larger than this is no list of names; it is refused before
// anything is read.
inline constexpr qint64 kMaxFileBytes = 256 * 1024 * 1024;

struct ReadResult {
    // NotAFile: a folder, a pipe or a device, which is never opened (a
    // pipe would wait for a writer, a device may never end).
    enum class Status { Read, Missing, NotAFile, TooLarge, Unreadable };
    Status status = Status::Missing;
    // At most a full list; the lines beyond it are only counted.
    QStringList lines;
    qsizetype linesLeftOut = 0;
};

// Every line is an entry, empty ones included; nothing is trimmed. At most
// `maxLines` lines are kept.
ReadResult read(const QString &path, qsizetype maxLines = NameListOps::kMaxEntries);

// Why a list file was not read: "nicht gefunden", "ist keine Datei", too
// large, or unreadable.
QString failureMessage(ReadResult::Status status, const QString &path);

// All or nothing: on failure the file keeps its old content and the status
// text says why.
WriteReport write(const QString &path, const QStringList &entries);

QString unreadableMessage(const QString &path);

} // namespace ListFile

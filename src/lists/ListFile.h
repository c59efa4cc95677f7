#pragma once

#include "common/WriteReport.h"
#include "lists/NameListOps.h"

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// The saved name lists: Windows-1252 text beside the program, one entry per
// line, every entry followed by CR LF. Read, a list file may also be UTF-8 or
// UTF-16 (see TextDecoding).
namespace ListFile {

enum class Kind { OldNames, NewNames };

QString fileName(Kind kind);
QString path(const QString &programFolder, Kind kind);

// A list file larger than this is no list of names; it is refused before
// anything is read.
inline constexpr qint64 kMaxFileBytes = 256 * 1024 * 1024;

struct ReadResult {
    // NotAFile: a folder, a pipe or a device, which is never opened (a
    // pipe would wait for a writer, a device may never end). NotText: NUL
    // bytes, or bytes its byte-order mark does not allow.
    enum class Status { Read, Missing, NotAFile, TooLarge, NotText, Unreadable };
    Status status = Status::Missing;
    // At most a full list; the lines beyond it are only counted.
    QStringList lines;
    qsizetype linesLeftOut = 0;
};

// The text of a file of names, decoded, handed to `take` piece by piece
// until it returns false. Memory holds one piece of the file at a time.
ReadResult::Status readText(const QString &path, const std::function<bool(QStringView)> &take);
// The same from a stream read once from where it stands, such as standard
// input: memory holds all its bytes, up to the bound, before any is decoded.
ReadResult::Status readText(QIODevice &stream, const std::function<bool(QStringView)> &take);

// Every line is an entry, empty ones included; nothing is trimmed. At most
// `maxLines` lines are kept.
ReadResult read(const QString &path, qsizetype maxLines = NameListOps::kMaxEntries);
ReadResult read(QIODevice &stream, qsizetype maxLines = NameListOps::kMaxEntries);

// What a file read holds, as its failure messages name it.
enum class Content { Names, Pairs, Rules };

// Why a file was not read: "nicht gefunden", "ist keine Datei", too large,
// "ist keine Textdatei", or unreadable.
QString failureMessage(ReadResult::Status status, const QString &path, Content content = Content::Names);

// All or nothing: on failure the file keeps its old content and the status
// text says why.
WriteReport write(const QString &path, const QStringList &entries);

QString unreadableMessage(const QString &path);

} // namespace ListFile

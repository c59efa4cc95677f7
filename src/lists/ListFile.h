#pragma once

#include "common/WriteReport.h"

#include <QString>
#include <QStringList>

// The saved name lists: Windows-1252 text beside the program, one entry per
// line, every entry followed by CR LF.
namespace ListFile {

enum class Kind { OldNames, NewNames };

QString fileName(Kind kind);
QString path(const QString &programFolder, Kind kind);

struct ReadResult {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    QStringList lines;
};

// Every line is an entry, empty ones included; nothing is trimmed.
ReadResult read(const QString &path);

// All or nothing: on failure the file keeps its old content and the status
// text says why.
WriteReport write(const QString &path, const QStringList &entries);

QString unreadableMessage(const QString &path);

} // namespace ListFile

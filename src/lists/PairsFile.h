#pragma once

#include "common/WriteReport.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

// A file of rename pairs that a spreadsheet can open: the header line
// "alter Name;neuer Name", then one "old;new" line per pair, Windows-1252,
// every line followed by CR LF.
namespace PairsFile {

struct ReadResult {
    bool ok = false;
    QStringList oldNames;
    QStringList newNames;
    // Why nothing was read, when `ok` is false.
    QString statusText;
};

// Takes tab-separated files, files without the header and files in UTF-8
// or UTF-16 too; see TwoColumns::Reader for the rules of a line.
ReadResult read(const QString &path);
// The same from a stream read once, such as standard input (see
// ListFile::readText); messages call it `name`.
ReadResult read(QIODevice &stream, const QString &name);

// All or nothing: the lists must pair up and no name may hold a semicolon
// or a tab, which would move it into another column when read back. On
// failure an existing file keeps its old content and the status text says
// why.
WriteReport write(const QString &path, const QStringList &oldNames, const QStringList &newNames);

} // namespace PairsFile

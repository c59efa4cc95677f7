#pragma once

#include "lists/ListFile.h"

#include <QList>
#include <QString>
#include <QStringView>

// The mapkeys of a configuration file as Pro/ENGINEER writes them: a line
// "mapkey NAME …" that ends in a backslash, continued on lines that begin
// with "mapkey(continued)", the last line without the backslash. Every
// other line (options, comments) is passed over, so the file may be the
// user's whole configuration.
namespace Recording {

// One definition as the file holds it.
struct Definition {
    QString name;
    // 1-based line of "mapkey NAME".
    qsizetype firstLine = 0;
    // The text of each line after "mapkey NAME " or "mapkey(continued) "
    // and before its closing backslash, in a row: the recorder wraps a long
    // line anywhere, even inside a value, so an action may run over a line
    // end.
    QString text;
    // Where in `text` each line but the last one ended.
    QList<qsizetype> lineEnds;
    // False when the file ended, or another line followed, after a
    // backslash; `lastLine` is then the line with that backslash.
    bool closed = true;
    qsizetype lastLine = 0;

    // The file line that holds the character at `position` of `text`.
    qsizetype lineAt(qsizetype position) const;
};

// Every definition in the order of the file.
QList<Definition> definitions(QStringView fileText);

// The file's text, decoded as every file the program reads; `status`
// tells why there is none.
struct File {
    ListFile::ReadResult::Status status = ListFile::ReadResult::Status::Missing;
    QString text;
};
File read(const QString &path);

} // namespace Recording

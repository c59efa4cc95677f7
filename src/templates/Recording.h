#pragma once

#include "lists/ListFile.h"

#include <QList>
#include <QString>
#include <QStringView>

// The mapkeys of a configuration file as Pro/ENGINEER writes them: a line
// "mapkey NAME …" that ends in a backslash, continued on lines that begin
// with "mapkey(continued)", the last line without the backslash. Every
// other line (options, comments) is passed over, so the file may be the
// user's whole configuration. CR, LF and CR LF all end a line, as in a
// list file.
namespace Recording {

// A real configuration file is a few hundred kilobytes at most; anything
// far larger, or with a line this long, is no recording and is refused
// before it is read whole.
inline constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
inline constexpr qsizetype kMaxLineLength = 1024 * 1024;

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
    // Lines whose closing backslash is followed by blanks or tabs: an
    // editor leaves them unseen, and the definition goes on all the same.
    QList<qsizetype> blankAfterBackslash;

    // The file line that holds the character at `position` of `text`.
    qsizetype lineAt(qsizetype position) const;
};

struct Contents {
    // Every definition in the order of the file.
    QList<Definition> definitions;
    // Lines "mapkey(continued)" that continue nothing: the line before
    // them does not end in a backslash, so some definition lost its end.
    QList<qsizetype> strayContinuations;
};

// `fileText` as read() gives it, every line ended by LF.
Contents contents(QStringView fileText);

// The file's text, decoded as every file the program reads, each line
// ended by LF however the file ends it; `status` tells why there is none.
struct File {
    ListFile::ReadResult::Status status = ListFile::ReadResult::Status::Missing;
    QString text;
    // With TooLarge: the first line longer than kMaxLineLength, or 0 when
    // the file is larger than kMaxFileBytes.
    qsizetype longLine = 0;
};
File read(const QString &path);
// The same for a text at hand, such as a recording made by the program.
File fromText(QStringView text);

} // namespace Recording

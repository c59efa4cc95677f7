#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

// A one-line message made to fit its line. What a message says, a finding or
// a reason, stands around a folder or a file's path, and the path is what
// may give way: each path loses its middle, keeping its start and its own
// name at the end, before the message loses anything. Only when every path
// is down to "…" is the message cut at its end, which keeps its start, the
// words that say what happened.
namespace ShortLine {

struct Span {
    qsizetype start = 0;
    qsizetype length = 0;
};

// The paths in `text`, in order: a word holding '/' or '\', with the words
// after it up to the last one holding a separator too, as a folder may
// hold blanks ("C:\Dokumente und Einstellungen\huber"); a ':', ';' or ','
// at a word's end ends the path there, as do quotes and brackets around it.
QList<Span> paths(QStringView text);

// How wide a text is, in whatever unit the width is given.
using Advance = std::function<int(const QString &)>;

// `text` as it fits into `width`: itself when it fits, else with its paths
// shortened in the middle, each to the same number of characters, as few
// as it takes; else with them all "…" and the end cut off behind "…".
QString fitted(const QString &text, int width, const Advance &advance);

} // namespace ShortLine

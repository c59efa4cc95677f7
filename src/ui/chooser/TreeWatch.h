#pragma once

#include <QStringList>
#include <QtGlobal>

// When the folder tree reads a watched folder again, apart from its
// widgets. A folder where a program saves, or writes its trail, changes
// every few milliseconds; reading it at each change would keep the window
// busy. Changes are gathered and a folder is read at most once an
// interval, and the tree takes the reading only when the subfolders it
// shows have changed: files come and go without it.
namespace TreeWatch {

// Short enough that a folder made beside the tree shows at once to the eye.
inline constexpr qint64 kReadIntervalMs = 400;

// Milliseconds from a change until the changed folders are read, given the
// time since the last reading (negative: none yet): at once when that lies
// an interval back, otherwise when the interval is over.
qint64 readDelay(qint64 sinceLastReadMs, qint64 intervalMs = kReadIntervalMs);

// Whether the tree must take a folder's reading: the subfolders it shows
// differ from those on disk, whatever their order.
bool subfoldersDiffer(const QStringList &shown, const QStringList &onDisk);

} // namespace TreeWatch

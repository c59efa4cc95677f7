#pragma once

#include <QByteArray>
#include <QString>

namespace AtomicFile {

// Replaces the file at `path` with `bytes`, or leaves whatever was there
// untouched: the bytes go to a temporary file beside it, which is renamed
// over the old one only once everything is on disk. Returns false on any
// failure (missing folder, no write access, a folder of that name, disk full).
bool write(const QString &path, const QByteArray &bytes);

} // namespace AtomicFile

#pragma once

#include <QByteArray>
#include <QString>

namespace AtomicFile {

// Replaces the file at `path` with `bytes`, or leaves whatever was there
// untouched: the bytes go to a temporary file beside it, which is renamed
// over the old one only once every byte is written and flushed. Returns
// false on any failure (missing folder, no write access, a folder of that
// name, a full disk); `error` then receives the file system's reason. No
// temporary file stays behind either way.
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace AtomicFile

#include "common/AtomicFile.h"

#include <QSaveFile>

namespace AtomicFile {

namespace {

// A short write is no error by itself: the file system says why only when
// asked for the rest. So the rest is asked for until every byte is taken
// or an attempt takes nothing.
bool writeEveryByte(QSaveFile &file, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 taken = file.write(bytes.constData() + done, bytes.size() - done);
        if (taken <= 0)
            return false;
        done += taken;
    }
    // A small file sits wholly in the write buffer, and commit() would
    // flush it and rename even when the disk took only part of it: the
    // flush is done and checked here.
    qint64 left = file.bytesToWrite();
    while (!file.flush()) {
        const qint64 now = file.bytesToWrite();
        if (now == 0 || now >= left)
            return false;
        left = now;
    }
    return true;
}

} // namespace

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && writeEveryByte(file, bytes) && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    // Without a commit the temporary file goes with `file`; the old file
    // stays as it was.
    file.cancelWriting();
    return false;
}

} // namespace AtomicFile

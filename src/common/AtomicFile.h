#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <system_error>

namespace AtomicFile {

// The first of nameFor(1), nameFor(2), … (paths) that names nothing, not
// even a link that leads nowhere; empty, with `error` set, when the folder
// cannot be looked into.
QString freeName(const std::function<QString(int number)> &nameFor, std::error_code &error);

// Replaces the file at `path` with `bytes`, or leaves whatever was there
// untouched: the bytes go to a temporary file beside it, which is renamed
// over the old one only once every byte is written and flushed. Returns
// false on any failure (missing folder, no write access, a folder of that
// name, a full disk); `error` then receives the reason: German words for
// the usual causes (see WriteFailure), else the system's. No temporary
// file stays behind either way. An old file keeps its permission bits; a
// new one gets those the umask leaves.
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// The same, for content that arrives in pieces: memory need hold only one
// piece. The temporary file is created with the first piece; commit()
// replaces the file, and a writer destroyed without a successful commit
// leaves the old file and no temporary file.
//
// A symbolic link at `path` is followed, so that the file it leads to gets
// the new bytes, unless the link is to be `Replaced`: then the new file is
// made inside the folder of `path` and takes the link's place as a plain
// file, and whatever the link led to stays as it was.
enum class Link { Followed, Replaced };

class Writer
{
public:
    explicit Writer(const QString &path, Link link = Link::Followed);
    ~Writer();
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    // False once anything failed; later pieces are then refused too.
    bool write(QByteArrayView piece);
    bool commit();
    // The reason for the first failure.
    QString errorString() const { return m_error; }

private:
    bool open();
    // Records the first failure: `reason`, or the file system's own.
    bool fail(const QString &reason = {});

    QSaveFile m_file;
    // The path to replace; with a link `Replaced`, the file is first made
    // under a free name beside it, which is then renamed onto the link.
    QString m_path;
    Link m_link;
    bool m_besideLink = false;
    bool m_opened = false;
    bool m_failed = false;
    bool m_committed = false;
    QString m_error;
    qint64 m_written = 0;
};

// Has the system start putting a piece that was just written on the disk,
// without waiting for it. The one sync before the file is renamed then
// finds most of the file there already instead of all of it still to do.
// The program sets one where its system offers it; correctness never
// depends on it.
using WritebackStarter = void (*)(int handle, qint64 offset, qint64 size);
void setWritebackStarter(WritebackStarter starter);

} // namespace AtomicFile

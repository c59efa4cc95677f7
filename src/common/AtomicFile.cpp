#include "common/AtomicFile.h"
#include "common/WriteFailure.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <filesystem>
#include <system_error>

using namespace Qt::StringLiterals;

namespace AtomicFile {

namespace {

WritebackStarter g_writebackStarter = nullptr;

} // namespace

QString freeName(const std::function<QString(int number)> &nameFor, std::error_code &error)
{
    for (int number = 1;; ++number) {
        const QString name = nameFor(number);
        const auto type = std::filesystem::symlink_status(QFileInfo(name).filesystemFilePath(), error).type();
        if (type == std::filesystem::file_type::not_found)
            return name;
        if (error)
            return {};
    }
}

void setWritebackStarter(WritebackStarter starter)
{
    g_writebackStarter = starter;
}

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
    Writer file(path);
    if (file.write(bytes) && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

Writer::Writer(const QString &path, Link link)
    : m_file(path)
    , m_path(path)
    , m_link(link)
{
}

// Without a commit the temporary file goes; the old file stays as it was.
Writer::~Writer()
{
    if (m_opened && !m_committed)
        m_file.cancelWriting();
}

bool Writer::open()
{
    m_opened = true;
    // Qt would write the file a link leads to, wherever that is, and
    // create it when it is missing.
    if (m_link == Link::Replaced && QFileInfo(m_path).isSymbolicLink()) {
        m_besideLink = true;
        // The name and ".neu", then a number, as long as they are taken.
        std::error_code error;
        const QString beside = freeName(
            [this](int number) { return m_path + (number > 1 ? u".neu"_s + QString::number(number) : u".neu"_s); },
            error);
        if (beside.isEmpty())
            return fail(WriteFailure::told(error));
        m_file.setFileName(beside);
        if (!m_file.open(QIODevice::WriteOnly))
            return fail();
        return true;
    }
    // Qt refuses these two itself, in English. A file on a read-only file
    // system is no more writable than one without write permission, and
    // would be misreported as one.
    const QFileInfo old(m_file.fileName());
    if (old.isDir())
        return fail(WriteFailure::reason(EISDIR));
    if (old.exists() && !old.isWritable())
        return fail(QStorageInfo(old.absolutePath()).isReadOnly()
                        ? WriteFailure::reason(EROFS)
                        : u"Keine Schreibberechtigung für die vorhandene Datei"_s);
    if (!m_file.open(QIODevice::WriteOnly))
        return fail();
    // Qt hands the new file the old one's permissions as the writer sees
    // them, and root may write anything: a read-only file would come back
    // writable for its owner. The old file's own bits are kept instead. A
    // file system that keeps no permissions does not stop the writing.
    if (old.exists())
        m_file.setPermissions(old.permissions()
                              & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser));
    return true;
}

bool Writer::fail(const QString &reason)
{
    if (!m_failed)
        m_error = reason.isNull() ? WriteFailure::toldFromQt(m_file.errorString()) : reason;
    m_failed = true;
    return false;
}

// A short write is no error by itself: the file system says why only when
// asked for the rest. So the rest is asked for until every byte is taken
// or an attempt takes nothing.
bool Writer::write(QByteArrayView piece)
{
    if (m_failed || (!m_opened && !open()))
        return false;
    for (qsizetype done = 0; done < piece.size();) {
        const qint64 taken = m_file.write(piece.data() + done, piece.size() - done);
        if (taken <= 0)
            return fail();
        done += taken;
    }
    // A piece larger than the write buffer went straight to the system.
    if (g_writebackStarter && m_file.bytesToWrite() == 0)
        g_writebackStarter(m_file.handle(), m_written, piece.size());
    m_written += piece.size();
    return true;
}

bool Writer::commit()
{
    if (m_failed || (!m_opened && !open()))
        return false;
    // A small file sits wholly in the write buffer, and commit() would
    // flush it and rename even when the disk took only part of it: the
    // flush is done and checked here.
    qint64 left = m_file.bytesToWrite();
    while (!m_file.flush()) {
        const qint64 now = m_file.bytesToWrite();
        if (now == 0 || now >= left)
            return fail();
        left = now;
    }
    if (!m_file.commit())
        return fail();
    m_committed = true;
    if (m_besideLink) {
        // Renaming onto a link replaces the link itself.
        namespace fs = std::filesystem;
        const fs::path made = QFileInfo(m_file.fileName()).filesystemFilePath();
        std::error_code error;
        fs::rename(made, QFileInfo(m_path).filesystemFilePath(), error);
        if (error) {
            m_failed = true;
            m_error = WriteFailure::told(error);
            fs::remove(made, error);
            return false;
        }
    }
    return true;
}

} // namespace AtomicFile

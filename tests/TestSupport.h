#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>
#include <QTest>

#include <utility>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sched.h>
#include <sys/mount.h>
#endif

namespace TestSupport {

// The first line in which two texts part, numbered, from each of them; two
// empty texts when they are equal.
inline std::pair<QByteArray, QByteArray> firstDifferentLines(const QByteArray &actual, const QByteArray &expected)
{
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
        const QByteArray number = "line " + QByteArray::number(i + 1) + ": ";
        if (i >= a.size() || i >= e.size() || a.at(i) != e.at(i))
            return {number + a.value(i, "<end of text>"), number + e.value(i, "<end of text>")};
    }
    return {};
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<cannot read ") + path.toLocal8Bit() + '>';
    return file.readAll();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A file whose modification time is `modified`, in local time.
inline bool writeDated(const QString &path, const QByteArray &bytes, const QDateTime &modified)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && file.setFileTime(modified, QFileDevice::FileModificationTime);
}

// Qt's permission flags for the bits of a mode such as 0644.
inline QFileDevice::Permissions mode(int bits)
{
    return QFileDevice::Permissions::fromInt((bits & 0700) << 6 | (bits & 070) << 1 | (bits & 07));
}

#ifdef Q_OS_UNIX
inline int umask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return int(mask);
}

// While it lives, a process of root's acts as nobody, the way back kept.
struct AsNobody {
    static bool root() { return geteuid() == 0; }
    AsNobody() { m_nobody = setresgid(65534, 65534, 0) == 0 && setresuid(65534, 65534, 0) == 0; }
    ~AsNobody() { m_nobody = setresuid(0, 0, 0) == 0 && setresgid(0, 0, 0) == 0; }
    bool m_nobody;
};

// A disk that takes only `bytes` more: while a FileSizeLimit lives, every
// file this process writes stops growing there, and the write that crosses
// the limit comes back short instead of raising SIGXFSZ, unless
// `signalKept`: then the signal is left as the program under test set it.
// set() alone does the same in a child process between fork and exec.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes, bool signalKept = false)
        : m_active(getrlimit(RLIMIT_FSIZE, &m_before) == 0 && set(bytes, signalKept))
    {
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_before); }
    static bool set(qint64 bytes, bool signalKept = false)
    {
        if (!signalKept)
            std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = rlim_t(bytes);
        return setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    bool active() const { return m_active; }

private:
    rlimit m_before{};
    bool m_active;
};

// A named pipe at `path`: opening it for reading waits for a writer.
inline bool makeFifo(const QString &path)
{
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// An empty file named by bytes that need not be text: Qt can neither make
// nor remove it.
inline bool makeFileNamed(const QByteArray &path)
{
    const int handle = ::open(path.constData(), O_CREAT | O_WRONLY, 0600);
    return handle >= 0 && ::close(handle) == 0;
}

// A file system of its own over `folder` while it lives, read-only once
// sealed. Only root mounts one, in a mount namespace the test process
// takes for itself, so that no other process sees it.
class ReadOnlyMount
{
public:
    explicit ReadOnlyMount(const QString &folder)
        : m_path(QFile::encodeName(folder))
    {
#ifdef Q_OS_LINUX
        m_mounted = AsNobody::root() && unshare(CLONE_NEWNS) == 0
            && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            && mount("tmpfs", m_path.constData(), "tmpfs", 0, "size=1m") == 0;
#endif
    }
    ~ReadOnlyMount()
    {
#ifdef Q_OS_LINUX
        if (m_mounted)
            umount2(m_path.constData(), MNT_DETACH);
#endif
    }
    bool seal()
    {
#ifdef Q_OS_LINUX
        return m_mounted && mount(nullptr, m_path.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
        return false;
#endif
    }
    bool m_mounted = false;

private:
    QByteArray m_path;
};
#else
inline int umask()
{
    return 0;
}
struct AsNobody {
    static bool root() { return false; }
};
struct FileSizeLimit {
    explicit FileSizeLimit(qint64, bool = false) { }
    static bool set(qint64, bool = false) { return false; }
    bool active() const { return false; }
};
struct ReadOnlyMount {
    explicit ReadOnlyMount(const QString &) { }
    bool seal() { return false; }
    bool m_mounted = false;
};
inline bool makeFifo(const QString &)
{
    return false;
}
inline bool makeFileNamed(const QByteArray &)
{
    return false;
}
#endif

} // namespace TestSupport

// Byte-for-byte comparison that shows the first differing line.
#define COMPARE_BYTES(actual, expected)                                                                                \
    do {                                                                                                               \
        const auto [actualLine, expectedLine] = TestSupport::firstDifferentLines((actual), (expected));                \
        QCOMPARE(actualLine, expectedLine);                                                                            \
    } while (false)

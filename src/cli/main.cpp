#include "cli/CliJob.h"
#include "common/AtomicFile.h"
#include "common/WriteFailure.h"

#include "VelmorantVersion.h"

#include <QCoreApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Messages and help are UTF-8. A Windows console shows them as such only in
// its UTF-8 code page: switched to it for the run, and back at the end.
class Utf8Console
{
public:
#ifdef Q_OS_WIN
    Utf8Console()
        : m_previous(GetConsoleOutputCP())
    {
        if (m_previous != 0)
            SetConsoleOutputCP(CP_UTF8);
    }
    ~Utf8Console()
    {
        if (m_previous != 0)
            SetConsoleOutputCP(m_previous);
    }
    Utf8Console(const Utf8Console &) = delete;
    Utf8Console &operator=(const Utf8Console &) = delete;

private:
    UINT m_previous;
#endif
};

// A list read from standard input and --stdout carry exact bytes: no
// newline translation.
void setBinaryStandardStreams()
{
#ifdef Q_OS_WIN
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

// Started with a standard stream closed, the next file opened would get
// that number: the output would land in it, or "-" would read it as a list.
// A placeholder holds the number so that using the stream fails and is
// reported: the outputs take no writes, and input is a folder, which reads
// fail on. In this order, as each open() takes the lowest free number.
void holdClosedStandardStreams()
{
#ifndef Q_OS_WIN
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            open(fd == STDIN_FILENO ? "/" : "/dev/null", O_RDONLY);
    }
#endif
}

// A write that crosses a file-size limit (ulimit -f) fails like any other
// and is told, rather than the signal ending the tool without a word.
void failWritesAtFileSizeLimit()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

// 0 when the stream took every byte and flushed them, otherwise the
// system's error number.
int print(FILE *stream, const QByteArray &bytes)
{
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) != size_t(bytes.size())
        || std::fflush(stream) != 0)
        return errno != 0 ? errno : EIO;
    return 0;
}

#ifdef Q_OS_LINUX
// rename.pro is written in pieces while it is made: each piece starts on its
// way to the disk at once, so the sync at the end waits for little more
// than the last one.
void startWriteback(int handle, qint64 offset, qint64 size)
{
    sync_file_range(handle, offset, size, SYNC_FILE_RANGE_WRITE);
}
#endif

#ifdef Q_OS_LINUX
// Qt decodes the arguments as UTF-8, and a file name that is not UTF-8
// comes out with U+FFFD in place of its odd bytes, naming no file. Such a
// name is opened by its bytes, with O_PATH (nothing is read yet, so a pipe
// does not wait), and reached through the descriptor's link in /proc.
QStringList openablePaths(int argc, char *argv[])
{
    QStringList paths;
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        QString path = QString::fromUtf8(bytes);
        if (path.toUtf8() != bytes) {
            if (const int handle = open(argv[i], O_PATH | O_CLOEXEC); handle >= 0)
                path = QStringLiteral("/proc/self/fd/") + QString::number(handle);
        }
        paths.append(path);
    }
    return paths;
}
#else
// Windows hands Qt the arguments as UTF-16, so every name arrives whole;
// other systems keep what Qt makes of them.
QStringList openablePaths(int, char *[])
{
    return {};
}
#endif

int reportStdoutFailure(int error)
{
    print(stderr,
          (QStringLiteral("Fehler: Standardausgabe konnte nicht geschrieben werden: ") + WriteFailure::told(error)
           + QLatin1Char('\n'))
              .toLocal8Bit());
    return CliJob::WriteFailed;
}

} // namespace

int main(int argc, char *argv[])
{
    holdClosedStandardStreams();
    failWritesAtFileSizeLimit();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmorant-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORANT_VERSION));
    [[maybe_unused]] const Utf8Console console;
    CliJob job;
    if (!job.parse(app.arguments().mid(1), openablePaths(argc, argv))) {
        print(stderr,
              (QStringLiteral("Fehler: ") + job.error() + QStringLiteral("\nAufruf: velmorant-cli --help\n")).toUtf8());
        return CliJob::BadInput;
    }
    setBinaryStandardStreams();
#ifdef Q_OS_LINUX
    AtomicFile::setWritebackStarter(startWriteback);
#endif
    QByteArray out;
    QString err;
    const int status = job.run(out, err);
    // The name check's findings come before the result they belong to.
    if (!err.isEmpty())
        print(stderr, err.toUtf8());
    if (!out.isEmpty()) {
        if (const int error = print(stdout, out))
            return reportStdoutFailure(error);
    }
    return status;
}

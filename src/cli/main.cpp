#include "cli/CliJob.h"

#include "VelmorantVersion.h"

#include <QCoreApplication>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
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

// --stdout carries the file's exact bytes: no newline translation.
void setBinaryStdout()
{
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

void print(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmorant-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORANT_VERSION));
    [[maybe_unused]] const Utf8Console console;
    CliJob job;
    if (!job.parse(app.arguments().mid(1))) {
        print(stderr, (QStringLiteral("Fehler: ") + job.error() + QStringLiteral("\n\n") + CliJob::usage()).toUtf8());
        return CliJob::BadInput;
    }
    setBinaryStdout();
    QByteArray out;
    QString err;
    const int status = job.run(out, err);
    print(stdout, out);
    if (!err.isEmpty())
        print(stderr, err.toUtf8());
    return status;
}

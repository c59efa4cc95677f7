#include "cli/CliJob.h"

#include <QCoreApplication>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

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
    CliJob job;
    if (!job.parse(app.arguments().mid(1))) {
        print(stderr, (QStringLiteral("Fehler: ") + job.error() + QStringLiteral("\n\n") + CliJob::usage()).toLocal8Bit());
        return CliJob::BadInput;
    }
    setBinaryStdout();
    QByteArray out;
    QString err;
    const int status = job.run(out, err);
    print(stdout, out);
    if (!err.isEmpty())
        print(stderr, err.toLocal8Bit());
    return status;
}

#include "ui/WindowCommandLine.h"
#include "ui/frm_rename.h"
#include "ui/platform/Platform.h"

#include "VelmorantVersion.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// A help that did not reach standard output is a write error, as in velmorant-cli.
int give(const WindowCommandLine::Answer &answer)
{
    std::fwrite(answer.out.constData(), 1, size_t(answer.out.size()), stdout);
    std::fwrite(answer.err.constData(), 1, size_t(answer.err.size()), stderr);
    return std::fflush(stdout) == 0 ? answer.exitCode : 3;
}

} // namespace

int main(int argc, char *argv[])
{
    Platform::failWritesAtFileSizeLimit();
    // Help and version need no display: answered before Qt looks for one.
    if (const WindowCommandLine::Answer early = WindowCommandLine::answer(argumentsOf(argc, argv), false); early.done)
        return give(early);
    QApplication app(argc, argv);
    if (const WindowCommandLine::Answer late = WindowCommandLine::answer(QCoreApplication::arguments(), true);
        late.done)
        return give(late);
    QApplication::setApplicationName(QStringLiteral("Velmorant"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORANT_VERSION));
    // Launchers and Wayland compositors find the icon through the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmorant.velmorant"));
    Platform::useGermanForQt();
    Platform platform;
    frm_rename window(platform);
    window.show();
    // For measuring the start-up (make bench): once the window is shown and
    // painted, say so and end without storing anything.
    if (qEnvironmentVariableIsSet("VELMORANT_EXIT_WHEN_SHOWN")) {
        QTimer::singleShot(0, &app, [&window] {
            window.repaint();
            std::puts("shown");
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    return app.exec();
}

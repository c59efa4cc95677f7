#include "ui/Platform.h"
#include "ui/frm_rename.h"

#include "VelmorantVersion.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmorant"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORANT_VERSION));
    // Launchers and Wayland compositors find the icon through the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmorant.Velmorant"));
    Platform::loadQtTranslations();
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

#include "ui/Platform.h"
#include "ui/frm_rename.h"

#include "VelmorantVersion.h"

#include <QApplication>

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
    return app.exec();
}

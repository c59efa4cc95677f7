#include "ui/Platform.h"
#include "ui/frm_rename.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmorant"));
    Platform platform;
    frm_rename window(platform);
    window.show();
    return app.exec();
}

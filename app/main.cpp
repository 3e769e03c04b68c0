#include "app/application.h"
#include "app/single_instance.h"
#include "ui/icons.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalink"));
    QApplication::setApplicationVersion(QStringLiteral(ORVALINK_VERSION));
    // The desktop entry's name, so that the desktop puts our windows under our icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvalink.Orvalink"));
    QApplication::setWindowIcon(orvalink::applicationIcon());

    orvalink::SingleInstance instance(orvalink::SingleInstance::defaultServerName());
    if (instance.claim() == orvalink::SingleInstance::Role::Later)
        return EXIT_SUCCESS;

    orvalink::Application program;
    QObject::connect(&instance, &orvalink::SingleInstance::activationRequested,
                     &program.mainWindow(), &orvalink::Form1::bringToFront);
    program.mainWindow().show();
    return QApplication::exec();
}

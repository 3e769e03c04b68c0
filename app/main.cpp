#include "app/application.h"
#include "app/single_instance.h"
#include "platform/user_name.h"
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

    // Where the options live is decided once; everything below is handed this object.
    orvalink::ProgramSettings settings = orvalink::ProgramSettings::forThisMachine();
    orvalink::SingleInstance instance(
        orvalink::SingleInstance::serverNameFor(orvalink::GetLogonUserName(), settings.folder()));
    if (instance.claim() == orvalink::SingleInstance::Role::Later)
        return EXIT_SUCCESS;

    orvalink::Application program(std::move(settings));
    QObject::connect(&instance, &orvalink::SingleInstance::activationRequested,
                     &program.mainWindow(), &orvalink::Form1::bringToFront);
    program.mainWindow().show();
    return QApplication::exec();
}

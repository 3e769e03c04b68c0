// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/single_instance.h"
#include "platform/user_name.h"
#include "ui/icons.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>

namespace {

const char kHelp[] = R"(Usage: orvalink [OPTIONS] [FILE]

Orvalink moves web-browser bookmarks between an Internet Explorer Favorites folder,
a Netscape bookmark file (Firefox's bookmarks.html) and an Opera hotlist (.adr),
and publishes them as a cascading menu page. This opens its main window; the
command line is orvalink-cli.

Options:
  -h, --help      Show this help.
  -V, --version   Show the version.
)";

// Answers --help and --version before anything opens a window, so that both work without a
// display; false when the program should start. Options of Qt's own (-style, -platform) are
// left to QApplication, so an option this parser does not know is no error here.
bool answeredCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("V"), QStringLiteral("version")});
    parser.addOptions({help, version});
    // A FILE to open is accepted and not yet used.
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    parser.parse(arguments);
    if (parser.isSet(help))
        std::fputs(kHelp, stdout);
    else if (parser.isSet(version))
        std::printf("orvalink %s\n", ORVALINK_VERSION);
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (answeredCommandLine(argc, argv))
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? EXIT_SUCCESS : EXIT_FAILURE;
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

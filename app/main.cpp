// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/single_instance.h"
#include "platform/translations.h"
#include "platform/user_name.h"
#include "ui/icons.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace {

const char kHelp[] = R"(Usage: orvalink [OPTIONS] [FILE]

Orvalink moves web-browser bookmarks between an Internet Explorer Favorites folder,
a Netscape bookmark file (Firefox's bookmarks.html) and an Opera hotlist (.adr),
and publishes them as a cascading menu page. This opens its main window; the
command line is orvalink-cli.

FILE, a bookmark file, an Opera hotlist, a Chromium Bookmarks file or Firefox's
places.sqlite, opens the main window at the conversions from its browser, and the
export window chosen there starts with FILE as its source. When Orvalink runs
already, its window comes to the front and does so.

Options:
  -h, --help      Show this help.
  -V, --version   Show the version.
)";

// The program's options and its FILE. Options of Qt's own (-style, -platform) are left to
// QApplication, so an option this parser does not know is no error here.
class ProgramArguments
{
public:
    explicit ProgramArguments(const QStringList& arguments)
    {
        m_parser.addOptions({m_help, m_version});
        m_parser.addPositionalArgument(QStringLiteral("file"), QString());
        m_parser.parse(arguments);
    }

    bool help() const { return m_parser.isSet(m_help); }
    bool version() const { return m_parser.isSet(m_version); }
    // The file to open, as an absolute path (the working folder is this process's alone); "" when
    // none is given. A desktop may give several: the first is opened.
    QString file() const
    {
        const QStringList files = m_parser.positionalArguments();
        return files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
    }

private:
    QCommandLineParser m_parser;
    const QCommandLineOption m_help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    const QCommandLineOption m_version{QStringList{QStringLiteral("V"), QStringLiteral("version")}};
};

// Answers --help and --version before anything opens a window, so that both work without a
// display; false when the program should start.
bool answeredCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const ProgramArguments parsed(arguments);
    if (parsed.help())
        std::fputs(kHelp, stdout);
    else if (parsed.version())
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
    const orvalink::ProgramTranslations translations(
        orvalink::translationsFolder(QApplication::applicationDirPath()));

    // Where the options live is decided once; everything below is handed this object.
    orvalink::ProgramSettings settings = orvalink::ProgramSettings::forThisMachine();
    orvalink::SingleInstance instance(
        orvalink::SingleInstance::serverNameFor(orvalink::GetLogonUserName(), settings.folder()));
    // Read once QApplication has taken its own options out of the arguments.
    const QString file = ProgramArguments(QApplication::arguments()).file();
    if (instance.claim(file) == orvalink::SingleInstance::Role::Later)
        return EXIT_SUCCESS;

    orvalink::Application program(std::move(settings));
    orvalink::Form1& mainWindow = program.mainWindow();
    QObject::connect(&instance, &orvalink::SingleInstance::activationRequested, &mainWindow,
                     &orvalink::Form1::bringToFront);
    QObject::connect(&instance, &orvalink::SingleInstance::openRequested, &mainWindow,
                     [&mainWindow](const QString& path) {
                         mainWindow.bringToFront();
                         mainWindow.openSource(path);
                     });
    mainWindow.show();
    if (!file.isEmpty())
        mainWindow.openSource(file);
    return QApplication::exec();
}

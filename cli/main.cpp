// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVALINK_VERSION));
    const orvalink::ProgramTranslations translations(
        orvalink::translationsFolder(QCoreApplication::applicationDirPath()));
    QFile in;
    QFile out;
    QFile err;
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly) ||
        !err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return orvalink::ExitFailure;
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    // Where the options live is decided once, as the desktop program decides it.
    orvalink::ProgramSettings settings = orvalink::ProgramSettings::forThisMachine();
    const orvalink::CliStreams streams{in, out, err, ::isatty(STDERR_FILENO) == 1};
    const int exitCode =
        orvalink::runCli(arguments, streams, settings, orvalink::SystemProcessTable());
    // Results that never reached their reader ("> /dev/full", a closed pipe) are a failure; one
    // the command has reported already is not reported twice.
    if (exitCode != orvalink::ExitFailure &&
        (!out.flush() || out.error() != QFileDevice::NoError)) {
        err.write(QCoreApplication::translate("orvalink::cli::CommandLine",
                                              "orvalink-cli: Cannot write to standard output: %1\n")
                      .arg(out.errorString())
                      .toUtf8());
        return orvalink::ExitFailure;
    }
    return exitCode;
}

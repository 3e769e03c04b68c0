#include "cli/cli.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVALINK_VERSION));
    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly) || !err.open(stderr, QIODevice::WriteOnly))
        return orvalink::ExitFailure;
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    // Where the options live is decided once, as the desktop program decides it.
    orvalink::ProgramSettings settings = orvalink::ProgramSettings::forThisMachine();
    const int exitCode =
        orvalink::runCli(arguments, out, err, settings, orvalink::SystemProcessTable());
    // Results that never reached their reader ("> /dev/full", a closed pipe) are a failure.
    if (!out.flush() || out.error() != QFileDevice::NoError) {
        err.write(QStringLiteral("orvalink-cli: Cannot write to standard output: %1\n")
                      .arg(out.errorString())
                      .toUtf8());
        return orvalink::ExitFailure;
    }
    return exitCode;
}

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
    return orvalink::runCli(arguments, out, err, settings, orvalink::SystemProcessTable());
}

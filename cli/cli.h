// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/processes.h"
#include "settings/program_settings.h"

#include <QIODevice>
#include <QStringList>

namespace orvalink {

// Exit codes of orvalink-cli.
enum CliExit : int { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

// The program's standard streams.
struct CliStreams
{
    QIODevice& in;
    QIODevice& out;
    QIODevice& err;
    // Progress is shown only where someone watches it.
    bool errIsTerminal = false;
};

// Runs orvalink-cli with its arguments (without the program name): a source given as "-" is read
// from in, results go to out, messages to err. Returns the exit code. The conversions read the
// colour presets and add to the exported-items total in settings, and look for running browsers
// in processes.
int runCli(const QStringList& arguments, const CliStreams& streams, ProgramSettings& settings,
           const ProcessTable& processes);
// The same with an empty standard input and no terminal.
int runCli(const QStringList& arguments, QIODevice& out, QIODevice& err, ProgramSettings& settings,
           const ProcessTable& processes);

} // namespace orvalink

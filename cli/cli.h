#pragma once

#include "platform/processes.h"

#include <QIODevice>
#include <QStringList>

namespace orvalink {

// Exit codes of orvalink-cli.
enum CliExit : int { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

// Runs orvalink-cli with its arguments (without the program name): results go to out, messages
// to err. Returns the exit code. The conversions look for running browsers in processes (the
// system's own processes unless told otherwise).
int runCli(const QStringList& arguments, QIODevice& out, QIODevice& err);
int runCli(const QStringList& arguments, QIODevice& out, QIODevice& err,
           const ProcessTable& processes);

} // namespace orvalink

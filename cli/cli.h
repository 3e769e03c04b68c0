#pragma once

#include <QIODevice>
#include <QStringList>

namespace orvalink {

// Exit codes of orvalink-cli.
enum CliExit : int { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

// Runs orvalink-cli with its arguments (without the program name): results go to out, messages
// to err. Returns the exit code.
int runCli(const QStringList& arguments, QIODevice& out, QIODevice& err);

} // namespace orvalink

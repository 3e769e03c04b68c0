// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace orvalink::cli {

// What the command line says about one of its commands: the single source of the overview, the
// command's own help and, through them, the man page and the completions' test.
struct CommandHelp
{
    QString name;
    // The command's arguments after its name, as the usage line shows them.
    QString synopsis;
    // One line for the overview. This and the two below are source texts, printed translated.
    const char* summary;
    // What the command does, as paragraphs.
    const char* description;
    // The option lines, indented and wrapped as they are printed.
    const char* options;
    // The options that take a value: what follows one of them is its value, never an option.
    QStringList valueOptions;
    bool takesForms = false;
};

// The commands in the order the overview lists them.
const QList<CommandHelp>& allCommands();
// nullptr for a name that is not a command.
const CommandHelp* commandNamed(const QString& name);

// "orvalink-cli --help": the commands, the forms and the exit status.
QByteArray overviewText();
// "orvalink-cli COMMAND --help": its usage line, what it does and its options.
QByteArray commandHelpText(const CommandHelp& command);

// Whether the arguments given to a command hold a real -h or --help option, not an option's value.
bool asksForHelp(const CommandHelp& command, const QStringList& arguments);

} // namespace orvalink::cli

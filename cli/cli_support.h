// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/terminal_progress.h"
#include "forms/storage_form.h"
#include "model/result.h"
#include "platform/processes.h"
#include "settings/program_settings.h"

#include <QCommandLineParser>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

namespace orvalink::cli {

// Where a command's results and messages go: results to standard output, everything else to
// standard error, where progress is shown when it is a terminal.
class Output
{
public:
    Output(QIODevice& out, QIODevice& err, bool errIsTerminal = false)
        : m_out(out)
        , m_err(err)
        , m_errIsTerminal(errIsTerminal)
    {}

    void result(const QString& line);
    // A line on what a command did besides its result, such as where a merge went.
    void report(const QString& text);
    QIODevice& resultDevice() { return m_out; }
    // Each line of text on standard error, after the program's name as GNU tools do.
    void message(const QString& text);
    // Reports bad arguments in one line and where the help is; returns the exit code for them.
    int usageError(const QString& problem);
    // Reports a failure as the message box would show it, its title and then its lines; returns
    // the exit code for it.
    int failure(const UserMessage& failure);
    // The command being run, whose help a usage error points to.
    void setCommand(const QString& command) { m_command = command; }

    // No progress, result or report; failures and warnings are still printed.
    void setQuiet() { m_quiet = true; }
    // Standard output carries a file: the results go to standard error with the messages.
    void sendResultsToErrors() { m_resultsToErrors = true; }
    // Messages name path as name ("standard input"), never the private file behind a stream.
    void namePath(const QString& path, const QString& name)
    {
        m_pathNames.emplace_back(path, name);
    }
    // Where a long operation reports: a line on the terminal, or nowhere.
    Progress& progress();
    // The line on the terminal that progress() draws; nullptr when there is none.
    TerminalProgress* progressLine() { return m_terminalProgress.get(); }

private:
    // Writes to standard error, where no progress line may stay under the text.
    void writeError(const QByteArray& bytes);

    QIODevice& m_out;
    QIODevice& m_err;
    bool m_errIsTerminal = false;
    bool m_quiet = false;
    bool m_resultsToErrors = false;
    QString m_command;
    std::vector<std::pair<QString, QString>> m_pathNames;
    std::unique_ptr<TerminalProgress> m_terminalProgress;
    Progress m_silent;
};

// Parses a command's arguments (without the program name); false after reporting the error.
bool parseArguments(QCommandLineParser& parser, const QStringList& arguments, Output& output);

// The form named by an option's value ("--from firefox") that can be read from, or written to;
// nullptr after reporting any other value as bad arguments.
enum class FormUse { Read, Write };
const StorageForm* parseForm(const QString& option, const QString& name, FormUse use,
                             Output& output);

// The absolute path of a location given on the command line; a profile folder given for a form
// that keeps a file in it means that file (see StorageForm::locationIn()).
QString locationOf(const StorageForm& form, const QString& path);

// in is standard input, read where a source is given as "-".
int runConvert(const QStringList& arguments, QIODevice& in, Output& output,
               ProgramSettings& settings, const ProcessTable& processes);

} // namespace orvalink::cli

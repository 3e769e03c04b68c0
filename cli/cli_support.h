#pragma once

#include "forms/storage_form.h"
#include "model/result.h"
#include "platform/processes.h"
#include "settings/program_settings.h"

#include <QCommandLineParser>
#include <QIODevice>
#include <QString>
#include <QStringList>

namespace orvalink::cli {

// Where a command's results and messages go: results to standard output, everything else to
// standard error.
class Output
{
public:
    Output(QIODevice& out, QIODevice& err)
        : m_out(out)
        , m_err(err)
    {}

    void result(const QString& line) { m_out.write(line.toUtf8() + '\n'); }
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

private:
    QIODevice& m_out;
    QIODevice& m_err;
    QString m_command;
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

int runConvert(const QStringList& arguments, Output& output, ProgramSettings& settings,
               const ProcessTable& processes);

} // namespace orvalink::cli

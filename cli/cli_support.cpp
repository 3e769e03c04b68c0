// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"

#include "cli/cli.h"
#include "forms/form_table.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace orvalink::cli {

namespace {

// "ie, firefox or opera": the names of the forms that can be used so.
QString formNames(FormUse use)
{
    QStringList names;
    for (const StorageForm* form : allForms()) {
        if ((use == FormUse::Read ? form->canRead() : form->canWrite()) &&
            !names.contains(form->commandLineName()))
            names << form->commandLineName();
    }
    const QString last = names.takeLast();
    return names.isEmpty()
               ? last
               : names.join(QStringLiteral(", ")) +
                     QCoreApplication::translate("orvalink::cli::CommandLine", " or ") + last;
}

} // namespace

void Output::result(const QString& line)
{
    if (m_quiet)
        return;
    // On a terminal, standard output and standard error share the screen.
    if (m_terminalProgress)
        m_terminalProgress->clear();
    (m_resultsToErrors ? m_err : m_out).write(line.toUtf8() + '\n');
}

void Output::report(const QString& text)
{
    if (!m_quiet)
        message(text);
}

void Output::message(const QString& text)
{
    QString named = text;
    for (const auto& [path, name] : m_pathNames)
        named.replace(path, name);
    for (const QString& line : named.split(u'\n'))
        writeError(QStringLiteral("orvalink-cli: %1\n").arg(line).toUtf8());
}

void Output::writeError(const QByteArray& bytes)
{
    if (m_terminalProgress)
        m_terminalProgress->clear();
    m_err.write(bytes);
}

Progress& Output::progress()
{
    if (!m_errIsTerminal || m_quiet)
        return m_silent;
    if (!m_terminalProgress)
        m_terminalProgress = std::make_unique<TerminalProgress>(m_err);
    return *m_terminalProgress;
}

int Output::usageError(const QString& problem)
{
    message(problem);
    const QString helpOf = m_command.isEmpty() ? QString() : m_command + u' ';
    writeError(
        QCoreApplication::translate("orvalink::cli::CommandLine", "Try 'orvalink-cli %1--help'.\n")
            .arg(helpOf)
            .toUtf8());
    return ExitUsage;
}

int Output::failure(const UserMessage& failure)
{
    message(failure.title);
    message(failure.text());
    return ExitFailure;
}

bool parseArguments(QCommandLineParser& parser, const QStringList& arguments, Output& output)
{
    if (parser.parse(QStringList{QStringLiteral("orvalink-cli")} + arguments))
        return true;
    output.usageError(parser.errorText());
    return false;
}

const StorageForm* parseForm(const QString& option, const QString& name, FormUse use,
                             Output& output)
{
    const StorageForm* form = formNamed(name);
    if (form && (use == FormUse::Read ? form->canRead() : form->canWrite()))
        return form;
    output.usageError(QCoreApplication::translate("orvalink::cli::CommandLine", "--%1 takes %2.")
                          .arg(option, formNames(use)));
    return nullptr;
}

QString locationOf(const StorageForm& form, const QString& path)
{
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    if (form.isFolder() || !info.isDir())
        return absolute;
    const QString inFolder = form.locationIn(absolute);
    return inFolder.isEmpty() ? absolute : inFolder;
}

} // namespace orvalink::cli

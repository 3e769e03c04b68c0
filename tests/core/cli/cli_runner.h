// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/program_settings.h"

#include <QString>
#include <QStringList>

namespace orvalink::test {

// What one run of the command line printed and returned.
struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The options folder the command line runs with in process: a temporary one of the test program's.
ProgramSettings& cliSettings();

// Runs orvalink-cli in process, with cliSettings(). No browser counts as running, so a Firefox
// open on the machine that runs the tests cannot fail a conversion.
CliRun runInProcess(const QStringList& arguments);

// What one run of the real orvalink-cli wrote, byte for byte; exitCode is -1 after a crash.
struct ProgramRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the real program in folder ("" for the test's own) with input on its standard input; with
// a pseudo-terminal as its standard error when onTerminal, whose screen is then err.
ProgramRun runProgram(const QStringList& arguments, const QByteArray& input = {},
                      bool onTerminal = false, const QString& folder = {});

// A bookmark file ("firefox") or hotlist ("opera") of folders of a thousand links each, every
// name starting with tag: large enough to take a while to convert.
QByteArray generatedSource(const QString& form, int links, const QByteArray& tag);

// Arguments written as one line; none of them holds a blank.
inline QStringList words(const char* line)
{
    return QString::fromLatin1(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// How treeOf() writes a link: "Folder/Name <URL>", or "Folder/Name" TAB "URL" for names that may
// hold " <" themselves.
enum class LinkFormat { Angles, Tab };

// A source's entries below the root as the command line lists them, sorted: a folder as
// "Folder/Sub/", a link as the format says. The writers order links by name and folders without
// regard to case, so this compares what stands where, not the order.
QStringList treeOf(const QString& form, const QString& path,
                   LinkFormat format = LinkFormat::Angles);

} // namespace orvalink::test

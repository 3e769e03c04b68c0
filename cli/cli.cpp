// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include "cli/cli_support.h"
#include "cli/command_help.h"
#include "forms/form_table.h"
#include "forms/tree_listing.h"
#include "model/progress.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orvalink {

namespace {

using cli::Output;

// Parses "--from FORM PATH" and whatever other options the parser holds; nullptr after reporting
// bad arguments.
const StorageForm* parseSource(QCommandLineParser& parser, const QStringList& arguments,
                               QString& path, Output& output)
{
    parser.addOption({QStringLiteral("from"), QString(), QStringLiteral("form")});
    parser.addPositionalArgument(QStringLiteral("path"), QString());
    if (!cli::parseArguments(parser, arguments, output))
        return nullptr;
    if (!parser.isSet(QStringLiteral("from"))) {
        output.usageError(
            QCoreApplication::translate("orvalink::cli::CommandLine", "--from is required."));
        return nullptr;
    }
    const StorageForm* form = cli::parseForm(
        QStringLiteral("from"), parser.value(QStringLiteral("from")), cli::FormUse::Read, output);
    if (!form)
        return nullptr;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        output.usageError(QCoreApplication::translate("orvalink::cli::CommandLine",
                                                      "Give exactly one source path."));
        return nullptr;
    }
    const StorageForm& found = sourceFormAt(*form, positional.first());
    path = cli::locationOf(found, positional.first());
    return &found;
}

int count(const QStringList& arguments, Output& output)
{
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("json"), QString()});
    QString path;
    const StorageForm* form = parseSource(parser, arguments, path, output);
    if (!form)
        return ExitUsage;
    if (Result<void, UserMessage> recognised = form->recognise(path); !recognised)
        return output.failure(recognised.failure());
    Progress silent;
    const SourceCounts counts = form->count(path, silent);
    const QString format =
        parser.isSet(QStringLiteral("json"))
            ? QStringLiteral("{\"folders\": %1, \"links\": %2}")
            : QCoreApplication::translate("orvalink::cli::CommandLine", "%1 Folders & %2 Links");
    output.result(format.arg(counts.folders).arg(counts.links));
    return ExitSuccess;
}

int list(const QStringList& arguments, Output& output)
{
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("json"), QString()});
    QString path;
    const StorageForm* form = parseSource(parser, arguments, path, output);
    if (!form)
        return ExitUsage;
    Progress silent;
    Result<std::unique_ptr<BookmarkModel>, UserMessage> loaded = form->load(path, 0, silent);
    if (!loaded)
        return output.failure(loaded.failure());
    if (parser.isSet(QStringLiteral("json")))
        writeTreeJson(*loaded.value(), output.resultDevice());
    else
        writeTreeListing(*loaded.value(), output.resultDevice());
    return ExitSuccess;
}

// One JSON array of {"browser", "profile" (null for a browser without profiles), "form" (the
// name --from takes), "path"}.
void writeDiscoveredJson(const std::vector<DiscoveredSource>& found, Output& output)
{
    QJsonArray array;
    for (const DiscoveredSource& source : found) {
        array.append(
            QJsonObject{{QStringLiteral("browser"), source.browser},
                        {QStringLiteral("profile"),
                         source.profile.isEmpty() ? QJsonValue(QJsonValue::Null) : source.profile},
                        {QStringLiteral("form"), formOf(source.form).commandLineName()},
                        {QStringLiteral("path"), source.path}});
    }
    output.resultDevice().write(QJsonDocument(array).toJson(QJsonDocument::Compact) + '\n');
}

int discover(const QStringList& arguments, Output& output)
{
    const bool json = arguments == QStringList{QStringLiteral("--json")};
    if (!arguments.isEmpty() && !json)
        return output.usageError(QCoreApplication::translate(
            "orvalink::cli::CommandLine", "discover takes no arguments but --json."));
    // The browser files found, not the Favorites folder; each once, as a location list shows it.
    std::vector<DiscoveredSource> found;
    QStringList entries;
    for (const StorageForm* form : allForms()) {
        if (form->isFolder())
            continue;
        for (DiscoveredSource& source : form->discoverSources()) {
            if (addDiscovered(entries, source.entry()))
                found.push_back(std::move(source));
        }
    }
    if (json) {
        writeDiscoveredJson(found, output);
        return ExitSuccess;
    }
    for (const QString& entry : entries)
        output.result(entry);
    return ExitSuccess;
}

// "help", "help COMMAND", "--help": the overview or the command's help.
int help(const QStringList& arguments, Output& output)
{
    if (arguments.size() > 1)
        return output.usageError(QCoreApplication::translate("orvalink::cli::CommandLine",
                                                             "help takes at most one command."));
    if (arguments.isEmpty()) {
        output.resultDevice().write(cli::overviewText());
        return ExitSuccess;
    }
    const cli::CommandHelp* command = cli::commandNamed(arguments.first());
    if (!command)
        return output.usageError(
            QCoreApplication::translate("orvalink::cli::CommandLine", "Unknown command \"%1\".")
                .arg(arguments.first()));
    output.resultDevice().write(cli::commandHelpText(*command));
    return ExitSuccess;
}

} // namespace

int runCli(const QStringList& arguments, const CliStreams& streams, ProgramSettings& settings,
           const ProcessTable& processes)
{
    Output output(streams.out, streams.err, streams.errIsTerminal);
    if (arguments.isEmpty())
        return output.usageError(
            QCoreApplication::translate("orvalink::cli::CommandLine", "No command given."));
    const QString& command = arguments.first();
    if (command == QLatin1String("--version") || command == QLatin1String("-V")) {
        output.result(
            QStringLiteral("orvalink-cli %1").arg(QCoreApplication::applicationVersion()));
        return ExitSuccess;
    }
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("help"))
        return help(rest, output);
    if (command == QLatin1String("--help") || command == QLatin1String("-h"))
        return help({}, output);
    const cli::CommandHelp* known = cli::commandNamed(command);
    if (!known)
        return output.usageError(
            QCoreApplication::translate("orvalink::cli::CommandLine", "Unknown command \"%1\".")
                .arg(command));
    if (cli::asksForHelp(*known, rest))
        return help({command}, output);
    output.setCommand(command);
    if (command == QLatin1String("count"))
        return count(rest, output);
    if (command == QLatin1String("list"))
        return list(rest, output);
    if (command == QLatin1String("convert"))
        return cli::runConvert(rest, streams.in, output, settings, processes);
    return discover(rest, output);
}

int runCli(const QStringList& arguments, QIODevice& out, QIODevice& err, ProgramSettings& settings,
           const ProcessTable& processes)
{
    QBuffer noInput;
    noInput.open(QIODevice::ReadOnly);
    return runCli(arguments, CliStreams{noInput, out, err}, settings, processes);
}

} // namespace orvalink

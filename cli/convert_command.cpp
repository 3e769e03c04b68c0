// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"
#include "cli/cli_support.h"
#include "cli/command_help.h"
#include "conversion/export_run.h"
#include "conversion/loaded_source.h"
#include "forms/form_table.h"
#include "forms/menu_page/color_presets.h"
#include "model/text_order.h"
#include "platform/processes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <memory>
#include <optional>
#include <tuple>

namespace orvalink::cli {

namespace {

// The options of convert, grouped by the destinations they belong to.
const QStringList kFileOptions{QStringLiteral("force"),     QStringLiteral("overwrite"),
                               QStringLiteral("top-level"), QStringLiteral("folder"),
                               QStringLiteral("no-backup"), QStringLiteral("links-before"),
                               QStringLiteral("keep-order")};
const QStringList kFavoritesOptions{QStringLiteral("where"), QStringLiteral("folder"),
                                    QStringLiteral("existing")};
const QStringList kMenuOptions{
    QStringLiteral("layout"),     QStringLiteral("open-new"),     QStringLiteral("same-window"),
    QStringLiteral("show-url"),   QStringLiteral("no-show-url"),  QStringLiteral("shadows"),
    QStringLiteral("no-shadows"), QStringLiteral("stats"),        QStringLiteral("no-stats"),
    QStringLiteral("max-items"),  QStringLiteral("no-max-items"), QStringLiteral("title"),
    QStringLiteral("preset"),     QStringLiteral("keep-order")};

// "-" as a path: standard input as the source, standard output as the destination.
const QString kStandardStream = QStringLiteral("-");

// Copies a stream to a file in blocks, so that a large source takes no more memory than a file
// of its size would; false when either side fails.
bool copyStream(QIODevice& from, QIODevice& to)
{
    constexpr qint64 kBlockSize = qint64(1) << 16;
    QByteArray block(kBlockSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = from.read(block.data(), kBlockSize);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (to.write(block.constData(), got) != got)
            return false;
    }
}

// Standard output written with a file whole: false, with the reason, when not all of it arrived.
bool writeWholeFile(const QString& path, QIODevice& out, QString& reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return false;
    }
    const bool copied = copyStream(file, out);
    auto* outFile = qobject_cast<QFileDevice*>(&out);
    if (copied && (!outFile || (outFile->flush() && outFile->error() == QFileDevice::NoError)))
        return true;
    reason = outFile && outFile->error() != QFileDevice::NoError ? outFile->errorString()
                                                                 : out.errorString();
    return false;
}

class ConvertCommand
{
public:
    ConvertCommand(QIODevice& in, Output& output, ProgramSettings& settings,
                   const ProcessTable& processes)
        : m_in(in)
        , m_output(output)
        , m_settings(settings)
        , m_processes(processes)
    {
        QStringList names = kFileOptions + kFavoritesOptions + kMenuOptions +
                            QStringList{QStringLiteral("from"), QStringLiteral("to"),
                                        QStringLiteral("only"), QStringLiteral("quiet")};
        names.removeDuplicates();
        for (const QString& name : names)
            addOption(name);
        m_parser.addPositionalArgument(QStringLiteral("source"), QString());
        m_parser.addPositionalArgument(QStringLiteral("destination"), QString());
    }

    int run(const QStringList& arguments);

private:
    void addOption(const QString& name)
    {
        const bool takesValue =
            commandNamed(QStringLiteral("convert"))->valueOptions.contains(name);
        QStringList names{name};
        if (name == QLatin1String("quiet"))
            names << QStringLiteral("q");
        m_parser.addOption({names, QString(), takesValue ? QStringLiteral("value") : QString()});
    }
    bool isSet(const QString& name) const { return m_parser.isSet(name); }
    QString value(const QString& name) const { return m_parser.value(name); }

    // Each returns what is wrong with the arguments, or "" when they are fine.
    QString refuseOptionsOtherThan(const QStringList& allowed, const QString& destination) const;
    QString refuseBoth(const QString& one, const QString& other) const;
    QString takeFileOptions(const StorageForm& source, ExportRequest& request) const;
    QString takeFavoritesOptions(const StorageForm& source, ExportRequest& request) const;
    QString takeMenuOptions(ExportRequest& request) const;
    QString selectOnly(BookmarkModel& model) const;
    // The file a "-" source is read from: standard input copied whole; "" after reporting why it
    // cannot be.
    QString sourceFromStandardInput();
    // Says where a merge went, what backup it made and into which folder.
    void reportMerge(const ExportOutcome::Merge& merge, const QString& destination);

    QIODevice& m_in;
    Output& m_output;
    ProgramSettings& m_settings;
    const ProcessTable& m_processes;
    QCommandLineParser m_parser;
    // The private files behind "-", removed when the command ends.
    QTemporaryFile m_standardInput;
    std::unique_ptr<QTemporaryDir> m_standardOutput;
};

QString ConvertCommand::refuseOptionsOtherThan(const QStringList& allowed,
                                               const QString& destination) const
{
    for (const QString& name : kFileOptions + kFavoritesOptions + kMenuOptions) {
        if (isSet(name) && !allowed.contains(name))
            return QCoreApplication::translate("orvalink::cli::CommandLine",
                                               "--%1 does not apply to %2.")
                .arg(name, destination);
    }
    return {};
}

QString ConvertCommand::refuseBoth(const QString& one, const QString& other) const
{
    if (isSet(one) && isSet(other))
        return QCoreApplication::translate("orvalink::cli::CommandLine",
                                           "--%1 and --%2 contradict each other.")
            .arg(one, other);
    return {};
}

QString ConvertCommand::takeFileOptions(const StorageForm& source, ExportRequest& request) const
{
    if (isSet(QStringLiteral("folder")) &&
        (isSet(QStringLiteral("overwrite")) || isSet(QStringLiteral("top-level"))))
        return QCoreApplication::translate("orvalink::cli::CommandLine",
                                           "--folder cannot go with --overwrite or --top-level.");
    // The windows' first-start choices, whatever this machine's windows saved last.
    FileWindowOptions options;
    if (isSet(QStringLiteral("overwrite")))
        options.oldBookmarks = OldBookmarks::Overwrite;
    if (isSet(QStringLiteral("top-level")))
        options.where = FileWhere::Root;
    if (isSet(QStringLiteral("no-backup")))
        options.backup = false;
    if (isSet(QStringLiteral("links-before")))
        options.linksBefore = true;
    if (isSet(QStringLiteral("keep-order")))
        options.keepOrder = true;
    TakeFileWindowOptions(options,
                          isSet(QStringLiteral("folder")) ? value(QStringLiteral("folder"))
                                                          : importedFolderName(source),
                          request);
    return {};
}

QString ConvertCommand::takeFavoritesOptions(const StorageForm& source,
                                             ExportRequest& request) const
{
    FavoritesExportOptions& options = request.favorites;
    // The windows' first-start choice unless --where says otherwise.
    options.where = FavoritesWindowOptions().where;
    if (isSet(QStringLiteral("where"))) {
        const QString place = value(QStringLiteral("where"));
        if (place == QLatin1String("root"))
            options.where = FavoritesWhere::Root;
        else if (place == QLatin1String("new"))
            options.where = FavoritesWhere::NewFolder;
        else if (place == QLatin1String("existing"))
            options.where = FavoritesWhere::ExistingFolder;
        else
            return QCoreApplication::translate("orvalink::cli::CommandLine",
                                               "--where takes root, new or existing.");
    }
    if ((options.where == FavoritesWhere::ExistingFolder) != isSet(QStringLiteral("existing")))
        return QCoreApplication::translate(
            "orvalink::cli::CommandLine",
            "--existing goes with --where existing, and only with it.");
    if (isSet(QStringLiteral("folder")) && options.where != FavoritesWhere::NewFolder)
        return QCoreApplication::translate("orvalink::cli::CommandLine",
                                           "--folder names the new folder of --where new.");
    options.newFolderName = isSet(QStringLiteral("folder")) ? value(QStringLiteral("folder"))
                                                            : importedFolderName(source);
    options.existingFolder = value(QStringLiteral("existing"));
    return {};
}

QString ConvertCommand::takeMenuOptions(ExportRequest& request) const
{
    for (const auto& [one, other] :
         {std::pair{QStringLiteral("open-new"), QStringLiteral("same-window")},
          std::pair{QStringLiteral("show-url"), QStringLiteral("no-show-url")},
          std::pair{QStringLiteral("shadows"), QStringLiteral("no-shadows")},
          std::pair{QStringLiteral("stats"), QStringLiteral("no-stats")},
          std::pair{QStringLiteral("max-items"), QStringLiteral("no-max-items")}}) {
        if (const QString problem = refuseBoth(one, other); !problem.isEmpty())
            return problem;
    }
    // The windows' first-start choices, whatever this machine's windows saved last.
    MenuWindowOptions options;
    if (isSet(QStringLiteral("layout"))) {
        const QString layout = value(QStringLiteral("layout"));
        if (layout != QLatin1String("horizontal") && layout != QLatin1String("vertical"))
            return QCoreApplication::translate("orvalink::cli::CommandLine",
                                               "--layout takes horizontal or vertical.");
        options.vertical = layout == QLatin1String("vertical");
    }
    for (const auto& [on, off, choice] :
         {std::tuple{QStringLiteral("open-new"), QStringLiteral("same-window"),
                     &MenuWindowOptions::openInNewWindow},
          std::tuple{QStringLiteral("show-url"), QStringLiteral("no-show-url"),
                     &MenuWindowOptions::showUrl},
          std::tuple{QStringLiteral("shadows"), QStringLiteral("no-shadows"),
                     &MenuWindowOptions::shadows},
          std::tuple{QStringLiteral("stats"), QStringLiteral("no-stats"),
                     &MenuWindowOptions::showStatistics},
          std::tuple{QStringLiteral("max-items"), QStringLiteral("no-max-items"),
                     &MenuWindowOptions::breakSubmenus}}) {
        if (isSet(on) || isSet(off))
            options.*choice = isSet(on);
    }
    if (isSet(QStringLiteral("max-items"))) {
        bool isNumber = false;
        const int items = value(QStringLiteral("max-items")).toInt(&isNumber);
        if (!isNumber || items < 2 || items > 99)
            return QCoreApplication::translate("orvalink::cli::CommandLine",
                                               "Please, insert a number in range [2-99]");
        options.breakAfter = static_cast<qint16>(items);
    }
    if (isSet(QStringLiteral("title")))
        options.pageTitle = value(QStringLiteral("title"));
    if (isSet(QStringLiteral("keep-order")))
        options.keepOrder = true;
    request.menu = PageOptionsOf(options, kDefaultMenuColors);

    // "<Custom>" is the default colours; any other name must be a stored preset, matched as the
    // store matches its sections.
    const QString wanted = isSet(QStringLiteral("preset")) ? value(QStringLiteral("preset"))
                                                           : QStringLiteral("<Custom>");
    if (caseBlindKey(wanted) != caseBlindKey(QStringLiteral("<Custom>"))) {
        MenuColorPresets presets(m_settings.colorPresetFile());
        presets.InstallBuiltInPresets();
        presets.LoadColorPresets();
        QStringList names;
        for (const MenuColorPresets::Entry& entry : presets.entries()) {
            if (caseBlindKey(entry.name) == caseBlindKey(wanted)) {
                request.menu.colors = presets.ApplyColorPreset(entry.row);
                return {};
            }
            names << entry.name;
        }
        return QCoreApplication::translate("orvalink::cli::CommandLine",
                                           "There is no colour preset \"%1\". The presets are: %2.")
            .arg(wanted, names.join(QStringLiteral(", ")));
    }
    return {};
}

// Checks the folders of --only, each with everything below it, as the selection window's
// "Check Folder && All Subs" does.
QString ConvertCommand::selectOnly(BookmarkModel& model) const
{
    for (const QString& text : m_parser.values(QStringLiteral("only"))) {
        bool isNumber = false;
        const int row = text.toInt(&isNumber);
        if (!isNumber || row < 0 || row >= model.folderCount())
            return QCoreApplication::translate("orvalink::cli::CommandLine",
                                               "--only %1 is not a folder of the source.")
                .arg(text);
        model.CheckFolderAndAllSubs(row);
    }
    return {};
}

QString ConvertCommand::sourceFromStandardInput()
{
    if (!m_standardInput.open() || !copyStream(m_in, m_standardInput) || !m_standardInput.flush()) {
        m_output.message(QCoreApplication::translate("orvalink::cli::CommandLine",
                                                     "Cannot read standard input: %1")
                             .arg(m_in.errorString().isEmpty() ? m_standardInput.errorString()
                                                               : m_in.errorString()));
        return {};
    }
    m_output.namePath(m_standardInput.fileName(),
                      QCoreApplication::translate("orvalink::cli::CommandLine", "standard input"));
    return m_standardInput.fileName();
}

void ConvertCommand::reportMerge(const ExportOutcome::Merge& merge, const QString& destination)
{
    m_output.report(QCoreApplication::translate("orvalink::cli::CommandLine", "Merged into %1.")
                        .arg(destination));
    m_output.report(
        merge.backupPath.isEmpty()
            ? QCoreApplication::translate("orvalink::cli::CommandLine", "No backup was made.")
            : QCoreApplication::translate("orvalink::cli::CommandLine", "Backup made in %1.")
                  .arg(merge.backupPath));
    m_output.report(merge.folder.isEmpty()
                        ? QCoreApplication::translate("orvalink::cli::CommandLine",
                                                      "The bookmarks went into the top level.")
                        : QCoreApplication::translate("orvalink::cli::CommandLine",
                                                      "The bookmarks went into the folder \"%1\".")
                              .arg(merge.folder));
}

int ConvertCommand::run(const QStringList& arguments)
{
    if (!parseArguments(m_parser, arguments, m_output))
        return ExitUsage;
    if (!isSet(QStringLiteral("from")) || !isSet(QStringLiteral("to")))
        return m_output.usageError(QCoreApplication::translate("orvalink::cli::CommandLine",
                                                               "convert needs --from and --to."));
    const StorageForm* source =
        parseForm(QStringLiteral("from"), value(QStringLiteral("from")), FormUse::Read, m_output);
    if (!source)
        return ExitUsage;
    const StorageForm* destination =
        parseForm(QStringLiteral("to"), value(QStringLiteral("to")), FormUse::Write, m_output);
    if (!destination)
        return ExitUsage;
    QStringList paths = m_parser.positionalArguments();
    if (paths.size() != 2)
        return m_output.usageError(QCoreApplication::translate(
            "orvalink::cli::CommandLine", "Give a source and a destination path."));
    if (isSet(QStringLiteral("quiet")))
        m_output.setQuiet();
    const bool fromStandardInput = paths[0] == kStandardStream;
    const bool toStandardOutput = paths[1] == kStandardStream;
    if ((fromStandardInput && source->isFolder()) || (toStandardOutput && destination->isFolder()))
        return m_output.usageError(QCoreApplication::translate(
            "orvalink::cli::CommandLine",
            "A Favorites folder cannot be standard input or standard output."));
    if (fromStandardInput) {
        paths[0] = sourceFromStandardInput();
        if (paths[0].isEmpty())
            return ExitFailure;
    }
    if (toStandardOutput) {
        // A new file in a folder of its own: written whole, never merged, backed up or locked
        // against anyone, and only then copied out.
        m_standardOutput = std::make_unique<QTemporaryDir>();
        if (!m_standardOutput->isValid())
            return m_output.failure(
                UserMessage{QCoreApplication::translate("orvalink::cli::CommandLine",
                                                        "Cannot Write to Standard Output"),
                            {m_standardOutput->errorString()},
                            MessageIcon::Critical});
        paths[1] = m_standardOutput->filePath(QStringLiteral("standard-output"));
        m_output.namePath(
            paths[1], QCoreApplication::translate("orvalink::cli::CommandLine", "standard output"));
        m_output.sendResultsToErrors();
    }
    // The form of the source's family its content shows, which the mode does not tell.
    const StorageForm& named = *source;
    source = &sourceFormAt(named, paths[0]);
    // The checks want a destination with a folder part, as the windows' dialogs give it.
    paths[0] = locationOf(*source, paths[0]);
    paths[1] = locationOf(*destination, paths[1]);

    Job job;
    if (&named == destination)
        return m_output.usageError(QCoreApplication::translate(
            "orvalink::cli::CommandLine", "The source and the destination are of the same form."));
    job.mode = modeOf(named.id(), destination->id());
    if (job.mode == ExportMode::None || source != &named)
        job.sourceFormId = source->id();
    if (job.mode == ExportMode::None)
        job.destinationFormId = destination->id();
    job.setSourceLocation(paths[0]);
    job.setDestinationLocation(paths[1]);

    ExportRequest request;
    QString problem;
    switch (destination->optionsPart()) {
    case OptionsPart::Favorites:
        problem = refuseOptionsOtherThan(
            kFavoritesOptions,
            QCoreApplication::translate("orvalink::cli::CommandLine", "a Favorites folder"));
        if (problem.isEmpty())
            problem = takeFavoritesOptions(*source, request);
        break;
    case OptionsPart::File:
        problem = refuseOptionsOtherThan(kFileOptions,
                                         QCoreApplication::translate("orvalink::cli::CommandLine",
                                                                     "a bookmark file or hotlist"));
        if (problem.isEmpty())
            problem = takeFileOptions(*source, request);
        break;
    case OptionsPart::MenuPage:
        problem = refuseOptionsOtherThan(
            kMenuOptions, QCoreApplication::translate("orvalink::cli::CommandLine", "a menu page"));
        if (problem.isEmpty())
            problem = takeMenuOptions(request);
        break;
    }
    if (!problem.isEmpty())
        return m_output.usageError(problem);

    const bool exportAll = !isSet(QStringLiteral("only"));
    request.file.exportAll = exportAll;
    request.favorites.exportAll = exportAll;
    request.menu.exportAll = exportAll;

    // The export window counts its source as soon as it is chosen. A file read whole counts as
    // it loads, which spares reading it twice; but a progress line names the totals while the file
    // is read, so on a terminal the count comes first. A source that does not load is counted
    // (as nothing) all the same and left to the export, whose checks come before its load.
    Progress& progress = m_output.progress();
    TerminalProgress* progressLine = m_output.progressLine();
    std::optional<SourceCounts> loadedCounts;
    if (!progressLine && source->countedByLoading()) {
        if (Result<BookmarkModel*, UserMessage> loaded = loadedSource(job, progress))
            loadedCounts = countLoaded(*loaded.value());
    }
    if (progressLine)
        progressLine->startCounting();
    const SourceCounts counts =
        loadedCounts ? *loadedCounts : source->count(job.sourceLocation(), progress);
    job.TotalFolderCount = counts.folders;
    job.TotalLinkCount = counts.links;
    if (progressLine)
        progressLine->setTotals(counts.folders, counts.links);
    if (!exportAll) {
        Result<BookmarkModel*, UserMessage> loaded = loadedSource(job, progress);
        if (!loaded)
            return m_output.failure(loaded.failure());
        if (const QString onlyProblem = selectOnly(*loaded.value()); !onlyProblem.isEmpty())
            return m_output.usageError(onlyProblem);
    }

    // --force takes the user's word that the browser of a bookmark file or hotlist will not
    // overwrite it; a Chromium-family browser rewrites its Bookmarks file whatever we wrote, so
    // that check stays. No browser owns the file sent to standard output.
    const ListedProcessTable noneRunning({});
    const bool force = toStandardOutput ||
                       (isSet(QStringLiteral("force")) && destination->id() != FormId::Chromium);
    const ExportOutcome outcome =
        RunExport(job, m_settings, request, force ? noneRunning : m_processes, progress);
    if (progressLine)
        progressLine->clear();
    if (!outcome.written())
        return m_output.failure(outcome.message);
    if (toStandardOutput) {
        if (QString reason; !writeWholeFile(paths[1], m_output.resultDevice(), reason)) {
            m_output.message(QCoreApplication::translate("orvalink::cli::CommandLine",
                                                         "Cannot write to standard output: %1")
                                 .arg(reason));
            return ExitFailure;
        }
    }
    // What was written is the result; what was not, and why, goes with the title to the errors.
    m_output.result(outcome.message.lines.first());
    if (outcome.merge)
        reportMerge(*outcome.merge, paths[1]);
    if (!outcome.completed())
        m_output.message(outcome.message.title);
    for (qsizetype at = 1; at < outcome.message.lines.size(); ++at) {
        // On success the only other line is what the browser needs next: a report, not a fault.
        if (outcome.completed())
            m_output.report(outcome.message.lines[at]);
        else
            m_output.message(outcome.message.lines[at]);
    }
    return outcome.completed() ? ExitSuccess : ExitFailure;
}

} // namespace

int runConvert(const QStringList& arguments, QIODevice& in, Output& output,
               ProgramSettings& settings, const ProcessTable& processes)
{
    return ConvertCommand(in, output, settings, processes).run(arguments);
}

} // namespace orvalink::cli

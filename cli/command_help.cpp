// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_help.h"

#include "forms/form_table.h"

#include <QCoreApplication>

namespace orvalink::cli {

namespace {

const char kIntroduction[] = QT_TRANSLATE_NOOP(
    "orvalink::cli::CommandHelp",
    R"(Orvalink moves web-browser bookmarks between an Internet Explorer Favorites folder,
a Netscape bookmark file (Firefox's bookmarks.html) and an Opera hotlist (.adr),
and publishes them as a cascading menu page.
)");

const char kExitStatus[] =
    QT_TRANSLATE_NOOP("orvalink::cli::CommandHelp",
                      R"(Standard output carries only results; messages go to standard error.
Exit status: 0 on success; 1 when a source cannot be read or is not of its form, a
check fails (nothing is written), a backup or write fails, any folder or link could
not be written, or the results cannot be written to standard output; 2 for bad
arguments.
)");

const char kConvertOptions[] = QT_TRANSLATE_NOOP(
    "orvalink::cli::CommandHelp",
    R"(For a bookmark file or hotlist destination (they apply only when DEST exists; a
new file is written whole, at its top level, without backup):
  --force              Write even while the destination's browser runs (never for
                       a Chromium-family browser's Bookmarks).
  --overwrite          Overwrite DEST instead of merging into it (this also exports
                       to the top level).
  --top-level          Export into the top level instead of a new folder.
  --folder NAME        The new folder's name (default: Imported from IE, FF or
                       Opera, with today's date in brackets).
  --no-backup          Do not copy DEST to Backup_of_ + its name first.
  --links-before       In each folder, write its links before its subfolders
                       (applies to new files too).
  --keep-order         Keep folders, links and separators in the source's order
                       instead of sorting them (applies to new files too).

For a Favorites destination:
  --where root|new|existing
                       Export into the Favorites folder itself, into a new folder
                       (default) or into an existing subfolder.
  --folder NAME        The new folder's name, for --where new.
  --existing SUBFOLDER The subfolder of DEST, for --where existing.

For a menu page destination:
  --layout horizontal|vertical    Root items across the top (default) or down the
                                  left side.
  --open-new, --same-window       Links open in a new window (default) or the page's.
  --show-url, --no-show-url       Show a link's address in the status line (default on).
  --shadows, --no-shadows         Shadows under submenus (default on).
  --stats, --no-stats             A line with the date and the counts (default off).
  --max-items N, --no-max-items   Break submenus after N items, 2 to 99 (default 25).
  --title TEXT                    The page title (default "Bookmarks By Orvalink").
  --preset NAME                   A colour preset (default "<Custom>"), matched
                                  without regard to case.
  --keep-order                    Menus in the source's order instead of sorted.

For any destination:
  --only FOLDER        Export only this folder and everything below it; FOLDER is
                       a folder row as "list" prints it. Repeatable. Without it,
                       everything is exported.
  -q, --quiet          Print neither progress nor the result and what a merge
                       did; failures and warnings are still printed.
)");

const QList<CommandHelp> kCommands{
    {QStringLiteral("count"), QStringLiteral("--from FORM PATH [--json]"),
     QT_TRANSLATE_NOOP("orvalink::cli::CommandHelp", "Count the folders and links of a source."),
     QT_TRANSLATE_NOOP(
         "orvalink::cli::CommandHelp",
         R"(Count the folders and links of the source PATH, of the form FORM, and print
"F Folders & L Links".
)"),
     QT_TRANSLATE_NOOP("orvalink::cli::CommandHelp",
                       R"(  --json       Print {"folders": F, "links": L} instead.
)"),
     QStringList{QStringLiteral("from")}, true},
    {QStringLiteral("list"), QStringLiteral("--from FORM PATH [--json]"),
     QT_TRANSLATE_NOOP("orvalink::cli::CommandHelp",
                       "Print the tree of a source, as text or as JSON."),
     QT_TRANSLATE_NOOP("orvalink::cli::CommandHelp",
                       R"(Load the source PATH, of the form FORM, and print its tree: the root as
"[0] caption", then each folder's entries in source order, two spaces deeper per
level; a folder as "[R] Name" (R is its folder row, the number --only of convert
takes), a link as "Name <URL>", a separator as "----"; dates, keyword, tags,
description and the rest follow in braces.
)"),
     QT_TRANSLATE_NOOP("orvalink::cli::CommandHelp",
                       R"(  --json       Print one compact JSON object instead: {"title", "row",
               "children"} for folders, {"title", "url"} for links,
               {"separator": true} for separators, each with "added", "modified", "visited" (seconds
               since 1970), "keyword", "tags", "description" and the other
               fields it keeps.
)"),
     QStringList{QStringLiteral("from")}, true},
    {QStringLiteral("convert"), QStringLiteral("--from FORM SOURCE --to FORM DEST [OPTIONS]"),
     QT_TRANSLATE_NOOP("orvalink::cli::CommandHelp",
                       "Convert a source into a destination, as the export windows do."),
     QT_TRANSLATE_NOOP(
         "orvalink::cli::CommandHelp",
         R"(Convert SOURCE into DEST as the export windows do: check, back up, write, then
print "F Folders & L Links Exported Successfully.", or "F Folders & L Links
Exported." when part of it could not be written (what and why on standard
error). After a merge, standard error says where it went, the backup made and
the folder the bookmarks went into. Options that do not apply to DEST's form are
refused. While reading and writing, a line on standard error shows the progress
when it is a terminal.

SOURCE "-" reads the source from standard input, DEST "-" writes the destination
to standard output (not for a Favorites folder). Standard output then gets a new
file, written whole before any of it is sent: never merged, backed up or locked;
the result goes to standard error.
)"),
     kConvertOptions,
     QStringList{QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("folder"),
                 QStringLiteral("where"), QStringLiteral("existing"), QStringLiteral("only"),
                 QStringLiteral("layout"), QStringLiteral("max-items"), QStringLiteral("title"),
                 QStringLiteral("preset")},
     true},
    {QStringLiteral("discover"), QStringLiteral("[--json]"),
     QT_TRANSLATE_NOOP("orvalink::cli::CommandHelp",
                       "Print the bookmark files, databases and hotlists found on this machine."),
     QT_TRANSLATE_NOOP(
         "orvalink::cli::CommandHelp",
         R"(Print the bookmark files, databases and hotlists found on this machine, one per
line: each Firefox profile's bookmarks.html as "<profile> path", Opera's hotlist,
then each Firefox profile's places.sqlite, the profile each installation uses
first, then each Chromium-family profile's Bookmarks as "<Browser: profile> path".
A Firefox source, and a Chromium source or destination, may be given as its
profile folder.
)"),
     QT_TRANSLATE_NOOP(
         "orvalink::cli::CommandHelp",
         R"(  --json       Print an array of {"browser", "profile", "form", "path"} instead;
               "form" is the name --from takes, "profile" null where the
               browser has none.
)"),
     QStringList(), false},
};

// The command line's texts in the user's language.
QString translated(const char* text)
{
    return QCoreApplication::translate("orvalink::cli::CommandHelp", text);
}

// The forms of the table, one line each: its name, what it is, and how it may be used.
QString formLines()
{
    QString lines = QCoreApplication::translate("orvalink::cli::CommandHelp", "Forms:\n");
    for (const StorageForm* form : allForms()) {
        QString line =
            QStringLiteral("  %1%2").arg(form->commandLineName(), -10).arg(form->displayName());
        if (form->isFolder())
            line +=
                QCoreApplication::translate("orvalink::cli::CommandHelp", " (PATH is the folder)");
        else if (!form->canRead())
            line +=
                QCoreApplication::translate("orvalink::cli::CommandHelp", " (destination only)");
        else if (!form->canWrite())
            line += QCoreApplication::translate("orvalink::cli::CommandHelp", " (source only)");
        lines += line + u'\n';
    }
    return lines + QCoreApplication::translate(
                       "orvalink::cli::CommandHelp",
                       "A Chromium source or destination may be given as its profile "
                       "folder.\n");
}

} // namespace

const QList<CommandHelp>& allCommands()
{
    return kCommands;
}

const CommandHelp* commandNamed(const QString& name)
{
    for (const CommandHelp& command : kCommands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

QByteArray overviewText()
{
    QString text = QCoreApplication::translate("orvalink::cli::CommandHelp",
                                               "Usage: orvalink-cli COMMAND [OPTIONS]\n"
                                               "       orvalink-cli help [COMMAND]\n"
                                               "       orvalink-cli --version\n\n") +
                   translated(kIntroduction) +
                   QCoreApplication::translate("orvalink::cli::CommandHelp", "\nCommands:\n");
    for (const CommandHelp& command : kCommands)
        text += QStringLiteral("  %1%2\n").arg(command.name, -10).arg(translated(command.summary));
    text += u'\n' + formLines() +
            QCoreApplication::translate(
                "orvalink::cli::CommandHelp",
                "\nOptions:\n"
                "  -h, --help      Show this help, or after a command, its help.\n"
                "  -V, --version   Show the version.\n\n"
                "Run 'orvalink-cli help COMMAND' for a command's options.\n\n") +
            translated(kExitStatus);
    return text.toUtf8();
}

QByteArray commandHelpText(const CommandHelp& command)
{
    QString text =
        QCoreApplication::translate("orvalink::cli::CommandHelp", "Usage: orvalink-cli %1 %2\n\n%3")
            .arg(command.name, command.synopsis, translated(command.description));
    if (command.takesForms)
        text += u'\n' + formLines();
    text += QCoreApplication::translate("orvalink::cli::CommandHelp", "\nOptions:\n") +
            translated(command.options) +
            QCoreApplication::translate("orvalink::cli::CommandHelp",
                                        "  -h, --help   Show this help.\n");
    return text.toUtf8();
}

bool asksForHelp(const CommandHelp& command, const QStringList& arguments)
{
    for (qsizetype at = 0; at < arguments.size(); ++at) {
        const QString& argument = arguments[at];
        if (argument == QLatin1String("--"))
            return false;
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
            return true;
        // "--title -h": the value of an option is what it is, even when it looks like one.
        if (argument.startsWith(QLatin1String("--")) &&
            command.valueOptions.contains(argument.sliced(2)))
            ++at;
    }
    return false;
}

} // namespace orvalink::cli

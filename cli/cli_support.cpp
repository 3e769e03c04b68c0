#include "cli/cli_support.h"

#include "cli/cli.h"
#include "forms/form_table.h"

#include <QFileInfo>

namespace orvalink::cli {

namespace {

const char kUsageStart[] = R"usage(Usage: orvalink-cli COMMAND [OPTIONS]

Orvalink moves web-browser bookmarks between an Internet Explorer Favorites folder,
a Netscape bookmark file (Firefox's bookmarks.html) and an Opera hotlist (.adr),
and publishes them as a cascading menu page.

Commands:
  count --from FORM PATH         Count the folders and links of a source and print
                                 "F Folders & L Links".
  list --from FORM PATH [--json] Load a source and print its tree: the root as
                                 "[0] caption", then each folder's entries in source
                                 order, two spaces deeper per level; a folder as
                                 "[R] Name" (R is its folder row), a link as
                                 "Name <URL>", a separator as "----"; dates,
                                 keyword, tags, description and the rest follow in
                                 braces. With --json, one compact JSON object:
                                 {"title", "children"} for folders, {"title", "url"}
                                 for links, {"separator": true} for separators,
                                 each with "added", "modified", "visited" (seconds
                                 since 1970), "keyword", "tags", "description" and
                                 the other fields it keeps.
  convert --from FORM SOURCE --to FORM DEST [OPTIONS]
                                 Convert SOURCE into DEST as the export windows do:
                                 check, back up, write, then print
                                 "F Folders & L Links Exported Successfully.", or
                                 "F Folders & L Links Exported." when part of it
                                 could not be written (what and why on standard
                                 error).
  discover [--json]              Print the bookmark files and hotlists found on this
                                 machine, one per line: each Firefox profile's as
                                 "<profile> path", then Opera's hotlist, then each
                                 Chromium-family profile's Bookmarks as
                                 "<Browser: profile> path". With --json, an array of
                                 {"browser", "profile", "form", "path"}.
  A Chromium source or destination may be given as its profile folder.

Forms:
)usage";

const char kUsageEnd[] = R"usage(
Options of convert, for a bookmark file or hotlist destination (they apply only
when DEST exists; a new file is written whole, at its top level, without backup):
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

Options of convert, for a Favorites destination:
  --where root|new|existing
                       Export into the Favorites folder itself, into a new folder
                       (default) or into an existing subfolder.
  --folder NAME        The new folder's name, for --where new.
  --existing SUBFOLDER The subfolder of DEST, for --where existing.

Options of convert, for a menu page destination:
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

Options of convert, for any destination:
  --only FOLDER        Export only this folder and everything below it; FOLDER is
                       a folder row as "list" prints it. Repeatable. Without it,
                       everything is exported.

  -h, --help   Show this help.

Standard output carries only results; messages go to standard error.
Exit status: 0 on success; 1 when a source cannot be read or is not of its form, a
check fails (nothing is written), a backup or write fails, or any folder or link could
not be written; 2 for bad arguments.
)usage";

// The forms of the table, one line each: its name, what it is, and how it may be used.
QByteArray formLines()
{
    QString lines;
    for (const StorageForm* form : allForms()) {
        QString line =
            QStringLiteral("  %1%2").arg(form->commandLineName(), -10).arg(form->displayName());
        if (form->isFolder())
            line += QStringLiteral(" (PATH is the folder)");
        else if (!form->canRead())
            line += QStringLiteral(" (destination only)");
        else if (!form->canWrite())
            line += QStringLiteral(" (source only)");
        lines += line + u'\n';
    }
    return lines.toUtf8();
}

QByteArray usageText()
{
    return kUsageStart + formLines() + kUsageEnd;
}

// "ie, firefox or opera": the names of the forms that can be used so.
QString formNames(FormUse use)
{
    QStringList names;
    for (const StorageForm* form : allForms()) {
        if (use == FormUse::Read ? form->canRead() : form->canWrite())
            names << form->commandLineName();
    }
    const QString last = names.takeLast();
    return names.isEmpty() ? last
                           : names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

} // namespace

void Output::usage()
{
    m_out.write(usageText());
}

int Output::usageError(const QString& problem)
{
    m_err.write(QStringLiteral("orvalink-cli: %1\n\n").arg(problem).toUtf8());
    m_err.write(usageText());
    return ExitUsage;
}

int Output::failure(const UserMessage& message)
{
    this->message(message.title);
    this->message(message.text());
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
    output.usageError(QStringLiteral("--%1 takes %2.").arg(option, formNames(use)));
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

#include "cli/cli_support.h"

#include "cli/cli.h"
#include "platform/file_helpers.h"

#include <QFile>
#include <QFileInfo>

namespace orvalink::cli {

const char Output::kUsage[] = R"usage(Usage: orvalink-cli COMMAND [OPTIONS]

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
                                 "Name <URL>". With --json, one compact JSON object:
                                 {"title", "children"} for folders, {"title", "url"}
                                 for links.
  convert --from FORM SOURCE --to FORM DEST [OPTIONS]
                                 Convert SOURCE into DEST as the export windows do:
                                 check, back up, write, then print
                                 "F Folders & L Links Exported Successfully.", or
                                 "F Folders & L Links Exported." when part of it
                                 could not be written (what and why on standard
                                 error).
  discover                       Print the bookmark files and hotlists found on this
                                 machine, one per line: each Firefox profile's as
                                 "<profile> path", then Opera's hotlist.

Forms:
  ie        an Internet Explorer Favorites folder (PATH is the folder)
  firefox   a bookmark file such as Firefox's bookmarks.html
  opera     an Opera hotlist (.adr)
  menu      a cascading menu page (destination only)

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

Options of convert, for any destination:
  --only FOLDER        Export only this folder and everything below it; FOLDER is
                       a folder row as "list" prints it. Repeatable. Without it,
                       everything is exported.

  -h, --help   Show this help.

Standard output carries only results; messages go to standard error.
Exit status: 0 on success; 1 when a source cannot be read, a check fails (nothing is
written), a backup or write fails, or any folder or link could not be written; 2 for bad
arguments.
)usage";

int Output::usageError(const QString& problem)
{
    m_err.write(QStringLiteral("orvalink-cli: %1\n\n").arg(problem).toUtf8());
    m_err.write(kUsage);
    return ExitUsage;
}

int Output::failure(const QString& problem)
{
    m_err.write(QStringLiteral("orvalink-cli: %1\n").arg(problem).toUtf8());
    return ExitFailure;
}

bool parseArguments(QCommandLineParser& parser, const QStringList& arguments, Output& output)
{
    if (parser.parse(QStringList{QStringLiteral("orvalink-cli")} + arguments))
        return true;
    output.usageError(parser.errorText());
    return false;
}

std::optional<FormId> parseForm(const QString& form)
{
    if (form == QLatin1String("ie"))
        return FormId::Favorites;
    if (form == QLatin1String("firefox"))
        return FormId::BookmarkFile;
    if (form == QLatin1String("opera"))
        return FormId::Hotlist;
    return std::nullopt;
}

Result<void> checkReadable(FormId kind, const QString& path)
{
    const QFileInfo info(path);
    if (kind == FormId::Favorites) {
        if (!info.isDir())
            return Failure{QStringLiteral("The Favorites folder \"%1\" does not exist.").arg(path)};
        if (!info.isReadable())
            return Failure{QStringLiteral("The Favorites folder \"%1\" cannot be read.").arg(path)};
        return {};
    }
    QFile file;
    return openRegularFileForReading(file, path);
}

} // namespace orvalink::cli

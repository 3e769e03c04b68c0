#include "cli/cli.h"

#include "model/progress.h"
#include "sources/bookmark_file_reader.h"
#include "sources/favorites_reader.h"
#include "sources/hotlist_reader.h"
#include "sources/source_loader.h"
#include "writers/tree_listing.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace orvalink {

namespace {

const char kUsage[] = R"(Usage: orvalink-cli COMMAND [OPTIONS]

Orvalink moves web-browser bookmarks between an Internet Explorer Favorites folder,
a Netscape bookmark file (Firefox's bookmarks.html) and an Opera hotlist (.adr).

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

Forms:
  ie        an Internet Explorer Favorites folder (PATH is the folder)
  firefox   a bookmark file such as Firefox's bookmarks.html
  opera     an Opera hotlist (.adr)

Options:
  -h, --help   Show this help.

Standard output carries only results; messages go to standard error.
Exit status: 0 on success, 1 when a source cannot be read, 2 for bad arguments.
)";

class Cli {
public:
  Cli(QIODevice &out, QIODevice &err) : m_out(out), m_err(err) {}

  int run(const QStringList &arguments);

private:
  int usageError(const QString &message);
  int failure(const QString &message);
  // Parses the options common to the reading commands; nullopt after reporting
  // an error.
  std::optional<SourceKind> parseSource(QCommandLineParser &parser,
                                        const QStringList &arguments,
                                        QString &path);
  Result<void> checkReadable(SourceKind kind, const QString &path);
  int count(const QStringList &arguments);
  int list(const QStringList &arguments);

  QIODevice &m_out;
  QIODevice &m_err;
};

std::optional<SourceKind> parseForm(const QString &form) {
  if (form == QLatin1String("ie"))
    return SourceKind::Favorites;
  if (form == QLatin1String("firefox"))
    return SourceKind::BookmarkFile;
  if (form == QLatin1String("opera"))
    return SourceKind::Hotlist;
  return std::nullopt;
}

int Cli::usageError(const QString &message) {
  m_err.write(QStringLiteral("orvalink-cli: %1\n\n").arg(message).toUtf8());
  m_err.write(kUsage);
  return ExitUsage;
}

int Cli::failure(const QString &message) {
  m_err.write(QStringLiteral("orvalink-cli: %1\n").arg(message).toUtf8());
  return ExitFailure;
}

Result<void> Cli::checkReadable(SourceKind kind, const QString &path) {
  const QFileInfo info(path);
  if (kind == SourceKind::Favorites) {
    if (!info.isDir())
      return Failure{
          QStringLiteral("The Favorites folder \"%1\" does not exist.")
              .arg(path)};
    if (!info.isReadable())
      return Failure{
          QStringLiteral("The Favorites folder \"%1\" cannot be read.")
              .arg(path)};
    return {};
  }
  if (info.isDir())
    return Failure{QStringLiteral("\"%1\" is a folder, not a file.").arg(path)};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return Failure{
        QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString())};
  return {};
}

std::optional<SourceKind> Cli::parseSource(QCommandLineParser &parser,
                                           const QStringList &arguments,
                                           QString &path) {
  parser.addOption({QStringLiteral("from"), QString(), QStringLiteral("form")});
  parser.addPositionalArgument(QStringLiteral("path"), QString());
  if (!parser.parse(QStringList{QStringLiteral("orvalink-cli")} + arguments)) {
    usageError(parser.errorText());
    return std::nullopt;
  }
  if (!parser.isSet(QStringLiteral("from"))) {
    usageError(QStringLiteral("--from is required."));
    return std::nullopt;
  }
  const std::optional<SourceKind> kind =
      parseForm(parser.value(QStringLiteral("from")));
  if (!kind) {
    usageError(QStringLiteral("--from takes ie, firefox or opera."));
    return std::nullopt;
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 1) {
    usageError(QStringLiteral("Give exactly one source path."));
    return std::nullopt;
  }
  path = positional.first();
  return kind;
}

int Cli::count(const QStringList &arguments) {
  QCommandLineParser parser;
  QString path;
  const std::optional<SourceKind> kind = parseSource(parser, arguments, path);
  if (!kind)
    return ExitUsage;
  if (Result<void> readable = checkReadable(*kind, path); !readable)
    return failure(readable.error());

  int folders = 0;
  int links = 0;
  switch (*kind) {
  case SourceKind::Favorites: {
    cFastScanning scanner;
    scanner.Scan(path);
    folders = scanner.nFolder();
    links = scanner.nLink();
    break;
  }
  case SourceKind::BookmarkFile: {
    cNNFastScanning scanner;
    scanner.Scan(path);
    folders = scanner.nTotalFolders();
    links = scanner.nTotalLinks();
    break;
  }
  case SourceKind::Hotlist: {
    cOperaFastScanning scanner;
    scanner.Scan(path);
    folders = scanner.nTotalFolders();
    links = scanner.nTotalLinks();
    break;
  }
  }
  m_out.write(QStringLiteral("%1 Folders & %2 Links\n")
                  .arg(folders)
                  .arg(links)
                  .toUtf8());
  return ExitSuccess;
}

int Cli::list(const QStringList &arguments) {
  QCommandLineParser parser;
  parser.addOption({QStringLiteral("json"), QString()});
  QString path;
  const std::optional<SourceKind> kind = parseSource(parser, arguments, path);
  if (!kind)
    return ExitUsage;
  if (Result<void> readable = checkReadable(*kind, path); !readable)
    return failure(readable.error());

  Progress silent;
  Result<std::unique_ptr<BookmarkModel>> loaded =
      LoadSource(*kind, path, 0, silent);
  if (!loaded)
    return failure(loaded.error());
  if (parser.isSet(QStringLiteral("json")))
    writeTreeJson(*loaded.value(), m_out);
  else
    writeTreeListing(*loaded.value(), m_out);
  return ExitSuccess;
}

int Cli::run(const QStringList &arguments) {
  if (arguments.isEmpty())
    return usageError(QStringLiteral("No command given."));
  const QString &command = arguments.first();
  if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
      command == QLatin1String("help")) {
    m_out.write(kUsage);
    return ExitSuccess;
  }
  const QStringList rest = arguments.mid(1);
  if (rest.contains(QLatin1String("--help")) ||
      rest.contains(QLatin1String("-h"))) {
    m_out.write(kUsage);
    return ExitSuccess;
  }
  if (command == QLatin1String("count"))
    return count(rest);
  if (command == QLatin1String("list"))
    return list(rest);
  return usageError(QStringLiteral("Unknown command \"%1\".").arg(command));
}

} // namespace

int runCli(const QStringList &arguments, QIODevice &out, QIODevice &err) {
  return Cli(out, err).run(arguments);
}

} // namespace orvalink

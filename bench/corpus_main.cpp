// SPDX-License-Identifier: GPL-3.0-or-later
// orvalink-corpus: writes a synthetic bookmark collection in the three forms Orvalink reads,
// the same bytes for the same number of links on every machine.
#include "bench/bench_output.h"
#include "bench/corpus_tree.h"
#include "bench/corpus_writers.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

namespace orvalink {
namespace {

using bench::ExitFailure;
using bench::ExitSuccess;
using bench::ExitUsage;
using bench::print;

// The largest corpus: link numbers and Opera's record identifiers must stay within 32 bits.
constexpr qint64 kMaxLinks = 50'000'000;

int usageError(const QCommandLineParser& parser, const QString& message)
{
    print(stderr, QStringLiteral("orvalink-corpus: %1\n").arg(message));
    print(stderr, parser.helpText());
    return ExitUsage;
}

int run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a synthetic bookmark collection: DIR/bookmarks.html (Firefox), "
        "DIR/bookmarks.adr (Opera), DIR/Favorites (Internet Explorer), DIR/Bookmarks "
        "(Chromium) and DIR/places.sqlite (Firefox's database), all holding the same folders and "
        "links. The same number of links gives the "
        "same bytes on every machine."));
    parser.addHelpOption();
    parser.addOption(
        {QStringLiteral("links"), QStringLiteral("Number of links."), QStringLiteral("N")});
    parser.addOption(
        {QStringLiteral("out"), QStringLiteral("Folder to write into."), QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("forms"),
                      QStringLiteral("Forms to write, comma-separated: html, adr, favorites, "
                                     "chromium, places (default: all five)."),
                      QStringLiteral("LIST"),
                      QStringLiteral("html,adr,favorites,chromium,places")});
    if (!parser.parse(arguments))
        return usageError(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        print(stdout, parser.helpText());
        return ExitSuccess;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(parser, QStringLiteral("Unexpected argument \"%1\".")
                                      .arg(parser.positionalArguments().first()));
    if (!parser.isSet(QStringLiteral("links")) || !parser.isSet(QStringLiteral("out")))
        return usageError(parser, QStringLiteral("--links and --out are required."));

    bool numeric = false;
    const qint64 links = parser.value(QStringLiteral("links")).toLongLong(&numeric);
    if (!numeric || links < 0 || links > kMaxLinks)
        return usageError(parser,
                          QStringLiteral("--links takes a number from 0 to %1.").arg(kMaxLinks));

    bool html = false;
    bool adr = false;
    bool favorites = false;
    bool chromium = false;
    bool places = false;
    for (const QString& form : parser.value(QStringLiteral("forms")).split(u',')) {
        const QString name = form.trimmed();
        if (name == QLatin1StringView("html"))
            html = true;
        else if (name == QLatin1StringView("adr"))
            adr = true;
        else if (name == QLatin1StringView("favorites"))
            favorites = true;
        else if (name == QLatin1StringView("chromium"))
            chromium = true;
        else if (name == QLatin1StringView("places"))
            places = true;
        else
            return usageError(parser, QStringLiteral("Unknown form \"%1\".").arg(name));
    }

    const QString out = parser.value(QStringLiteral("out"));
    if (!QDir().mkpath(out)) {
        print(stderr, QStringLiteral("orvalink-corpus: Cannot create the folder \"%1\".").arg(out));
        return ExitFailure;
    }
    const QDir dir(out);

    QElapsedTimer timer;
    timer.start();
    const CorpusTree tree{int(links)};
    print(stdout, QStringLiteral("%1 links, %2 folders, %3 separators")
                      .arg(tree.linkCount())
                      .arg(tree.folderCount())
                      .arg(tree.separatorCount()));

    struct Form
    {
        bool wanted;
        QString path;
        Result<qint64> (*write)(const CorpusTree&, const QString&);
    };
    const Form forms[] = {
        {html, dir.filePath(QStringLiteral("bookmarks.html")), &writeCorpusBookmarkFile},
        {adr, dir.filePath(QStringLiteral("bookmarks.adr")), &writeCorpusHotlist},
        {favorites, dir.filePath(QStringLiteral("Favorites")), &writeCorpusFavorites},
        {chromium, dir.filePath(QStringLiteral("Bookmarks")), &writeCorpusChromiumBookmarks},
        {places, dir.filePath(QStringLiteral("places.sqlite")), &writeCorpusPlacesDatabase},
    };
    for (const Form& form : forms) {
        if (!form.wanted)
            continue;
        const Result<qint64> written = form.write(tree, form.path);
        if (!written) {
            print(stderr, QStringLiteral("orvalink-corpus: %1").arg(written.error()));
            return ExitFailure;
        }
        print(stdout, QStringLiteral("%1: %2 bytes").arg(form.path).arg(written.value()));
    }
    print(stderr, QStringLiteral("orvalink-corpus: done in %1 s")
                      .arg(double(timer.elapsed()) / 1000.0, 0, 'f', 1));
    return ExitSuccess;
}

} // namespace
} // namespace orvalink

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return orvalink::run(QCoreApplication::arguments());
}

// SPDX-License-Identifier: GPL-3.0-or-later
// orvalink-filter-bench: times the selection window's search over a loaded source: the
// preparation the window does as the search field takes the focus (every name and address folded
// once), the first search and the searches after it, each for a word of one link's name, printed
// with the number of entries found.
#include "bench/bench_output.h"
#include "forms/form_table.h"
#include "model/progress.h"
#include "selection/link_filter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace orvalink {
namespace {

using bench::ExitFailure;
using bench::ExitSuccess;
using bench::ExitUsage;
using bench::print;

double millisecondsOf(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// The processor time the process has used, in milliseconds: on a shared machine the wall time
// includes waiting for a processor, this does not.
double processorMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The longest word of the name of the link nearest the middle of the link table: a word that
// finds that link, and whatever else shares it.
QString wordToFind(const BookmarkModel& model)
{
    for (int row = model.LinkCount() / 2; row < model.LinkCount(); ++row) {
        if (!model.link(row).isLink())
            continue;
        const QStringList words = model.link(row).Name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        return *std::max_element(
            words.begin(), words.end(),
            [](const QString& a, const QString& b) { return a.size() < b.size(); });
    }
    return {};
}

int countShown(const BookmarkModel& model, const LinkFilter& filter)
{
    int shown = 0;
    for (int row = 0; row < model.LinkCount(); ++row)
        shown += filter.showsEntry(row) ? 1 : 0;
    return shown;
}

int run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Loads a Netscape bookmark file, then times the selection window's search for a word of "
        "one link's name: the first search, which prepares the source, and the best and median "
        "of RUNS searches after it. Target: under 100 ms for 100,000 links."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("runs"), QStringLiteral("Number of searches (default 20)."),
                      QStringLiteral("N"), QStringLiteral("20")});
    parser.addPositionalArgument(QStringLiteral("path"), QStringLiteral("The bookmark file."));
    if (!parser.parse(arguments)) {
        print(stderr, QStringLiteral("orvalink-filter-bench: %1").arg(parser.errorText()));
        return ExitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        print(stdout, parser.helpText());
        return ExitSuccess;
    }
    bool numeric = false;
    const int runs = parser.value(QStringLiteral("runs")).toInt(&numeric);
    if (!numeric || runs < 1 || parser.positionalArguments().size() != 1) {
        print(stderr, parser.helpText());
        return ExitUsage;
    }
    const QString path = parser.positionalArguments().first();
    if (!QFileInfo::exists(path)) {
        print(stderr, QStringLiteral("orvalink-filter-bench: \"%1\" does not exist.").arg(path));
        return ExitFailure;
    }

    const StorageForm& form = sourceFormAt(*formNamed(u"firefox"), path);
    Progress silent;
    Result<std::unique_ptr<BookmarkModel>, UserMessage> loaded = form.load(path, 0, silent);
    if (!loaded) {
        print(stderr, QStringLiteral("orvalink-filter-bench: %1").arg(loaded.failure().text()));
        return ExitFailure;
    }
    const BookmarkModel& model = *loaded.value();
    const QString word = wordToFind(model);

    LinkFilter filter(model);
    QElapsedTimer timer;
    timer.start();
    double processorBefore = processorMilliseconds();
    filter.prepare();
    const double prepared = millisecondsOf(timer);
    const double preparedProcessor = processorMilliseconds() - processorBefore;
    timer.start();
    processorBefore = processorMilliseconds();
    filter.setText(word);
    const double first = millisecondsOf(timer);
    const double firstProcessor = processorMilliseconds() - processorBefore;
    const int found = countShown(model, filter);

    std::vector<double> later;
    std::vector<double> laterProcessor;
    for (int r = 0; r < runs; ++r) {
        // Cleared in between, as a user retyping the word would.
        filter.setText({});
        timer.start();
        const double before = processorMilliseconds();
        filter.setText(word);
        later.push_back(millisecondsOf(timer));
        laterProcessor.push_back(processorMilliseconds() - before);
    }
    std::sort(later.begin(), later.end());
    std::sort(laterProcessor.begin(), laterProcessor.end());
    print(stdout, QStringLiteral("%1: %2 entries, \"%3\" found in %4")
                      .arg(QFileInfo(path).fileName())
                      .arg(model.LinkCount())
                      .arg(word)
                      .arg(found));
    print(stdout, QStringLiteral("  prepared as the field takes the focus: %1 ms (processor %2 ms)")
                      .arg(prepared, 0, 'f', 1)
                      .arg(preparedProcessor, 0, 'f', 1));
    print(stdout, QStringLiteral("  first search: %1 ms (processor %2 ms); later searches: best %3 "
                                 "ms, median %4 ms (processor %5 ms) of %6; target under 100 ms")
                      .arg(first, 0, 'f', 1)
                      .arg(firstProcessor, 0, 'f', 1)
                      .arg(later.front(), 0, 'f', 1)
                      .arg(later[later.size() / 2], 0, 'f', 1)
                      .arg(laterProcessor[laterProcessor.size() / 2], 0, 'f', 1)
                      .arg(runs));
    return ExitSuccess;
}

} // namespace
} // namespace orvalink

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return orvalink::run(QCoreApplication::arguments());
}

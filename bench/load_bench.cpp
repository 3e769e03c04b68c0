// SPDX-License-Identifier: GPL-3.0-or-later
// orvalink-load-bench: times loading one source into tables and tree (its form's load, nothing
// written anywhere) and reports the process's peak memory beside the source's size.
#include "bench/bench_output.h"
#include "forms/form_table.h"
#include "model/progress.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace orvalink {
namespace {

using bench::ExitFailure;
using bench::ExitSuccess;
using bench::ExitUsage;
using bench::print;

// The largest resident set the process has had so far, in bytes.
qint64 peakResidentBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

// A file's size, or for a folder the sum of the sizes of the files below it.
qint64 sourceBytes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isDir())
        return info.size();
    qint64 total = 0;
    QDirIterator it(path, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

struct Loaded
{
    int folders = 0;
    int links = 0;
};

// One complete load. A Favorites source lists a folder's entries only when it is first needed;
// here every folder is listed, so that all three forms end with the same full tables.
Result<Loaded> loadOnce(const StorageForm& form, const QString& path)
{
    Progress silent;
    Result<std::unique_ptr<BookmarkModel>, UserMessage> loaded = form.load(path, 0, silent);
    if (!loaded)
        return Failure{loaded.failure().text()};
    BookmarkModel& model = *loaded.value();
    for (int row = 0; row < model.folderCount(); ++row)
        model.ensureListed(row);
    Loaded counts;
    counts.folders = model.folderCount() - 1;
    counts.links = int(std::count_if(model.links().begin(), model.links().end(),
                                     [](const LinkRecord& link) { return link.isLink(); }));
    return counts;
}

double megabytes(qint64 bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

int run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Loads a source into tables and tree RUNS times (nothing is written) and prints the best "
        "and the median wall time, the counts loaded, the source's size and the process's peak "
        "resident memory (its ratio to the source size, and the peak before loading)."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("from"),
                      QStringLiteral("Form: ie, firefox, opera or chromium."),
                      QStringLiteral("form")});
    parser.addOption({QStringLiteral("runs"), QStringLiteral("Number of loads (default 5)."),
                      QStringLiteral("N"), QStringLiteral("5")});
    parser.addOption({QStringLiteral("tsv"),
                      QStringLiteral("One tab-separated line: form, source bytes, folders, links, "
                                     "best s, median s, peak bytes, peak bytes before loading.")});
    parser.addPositionalArgument(QStringLiteral("path"), QStringLiteral("The source."));
    if (!parser.parse(arguments)) {
        print(stderr, QStringLiteral("orvalink-load-bench: %1").arg(parser.errorText()));
        return ExitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        print(stdout, parser.helpText());
        return ExitSuccess;
    }
    const StorageForm* form = formNamed(parser.value(QStringLiteral("from")));
    bool numeric = false;
    const int runs = parser.value(QStringLiteral("runs")).toInt(&numeric);
    if (!form || !form->canRead() || !numeric || runs < 1 ||
        parser.positionalArguments().size() != 1) {
        print(stderr, QStringLiteral("orvalink-load-bench: give --from ie|firefox|opera|chromium, "
                                     "--runs of at least 1 and one source path.\n"));
        print(stderr, parser.helpText());
        return ExitUsage;
    }
    const QString path = parser.positionalArguments().first();
    if (!QFileInfo::exists(path)) {
        print(stderr, QStringLiteral("orvalink-load-bench: \"%1\" does not exist.").arg(path));
        return ExitFailure;
    }

    // A Firefox source may be its bookmark file or its database.
    const StorageForm& source = sourceFormAt(*form, path);
    const qint64 peakBefore = peakResidentBytes();
    std::vector<double> seconds;
    Loaded counts;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        const Result<Loaded> loaded = loadOnce(source, path);
        seconds.push_back(double(timer.nsecsElapsed()) / 1e9);
        if (!loaded) {
            print(stderr, QStringLiteral("orvalink-load-bench: %1").arg(loaded.error()));
            return ExitFailure;
        }
        counts = loaded.value();
    }
    const qint64 peak = peakResidentBytes();
    // Measured after the peak: walking a Favorites folder costs memory of its own.
    const qint64 bytes = sourceBytes(path);
    std::sort(seconds.begin(), seconds.end());
    const double best = seconds.front();
    const double median = seconds[seconds.size() / 2];

    if (parser.isSet(QStringLiteral("tsv"))) {
        print(stdout, QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8")
                          .arg(form->commandLineName())
                          .arg(bytes)
                          .arg(counts.folders)
                          .arg(counts.links)
                          .arg(best, 0, 'f', 4)
                          .arg(median, 0, 'f', 4)
                          .arg(peak)
                          .arg(peakBefore));
        return ExitSuccess;
    }
    print(stdout, QStringLiteral("%1 %2 (%3 MB): %4 folders, %5 links")
                      .arg(form->commandLineName(), QFileInfo(path).fileName())
                      .arg(megabytes(bytes), 0, 'f', 1)
                      .arg(counts.folders)
                      .arg(counts.links));
    print(stdout, QStringLiteral("  load: best %1 s, median %2 s of %3 runs")
                      .arg(best, 0, 'f', 3)
                      .arg(median, 0, 'f', 3)
                      .arg(runs));
    print(stdout, QStringLiteral("  peak memory: %1 MB, %2x the source (%3 MB before loading)")
                      .arg(megabytes(peak), 0, 'f', 1)
                      .arg(bytes > 0 ? double(peak) / double(bytes) : 0.0, 0, 'f', 2)
                      .arg(megabytes(peakBefore), 0, 'f', 1));
    return ExitSuccess;
}

} // namespace
} // namespace orvalink

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return orvalink::run(QCoreApplication::arguments());
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Times an export window's export the way the user starts it: the window (the Firefox-Opera
// window, or the menu window for a page) is opened offscreen, the source and the destination are
// picked through its browse buttons (answered by scripted dialogs), and the clock runs from the
// click on "Start Exporting" or "Create the Menu" until the click returns (checks, loading the
// source, writing, the completion message).
//
//   orvalink-window-export-bench [corpus folder] [runs]
//
// The corpus folder defaults to bench/out/links-100000 (written by bench/run or orvalink-corpus)
// and must hold bookmarks.html and bookmarks.adr. Each run opens a fresh window and writes a new
// file. Prints the best and the median time of each direction.

#include "model/job.h"
#include "tests/support/scripted_dialogs.h"
#include "windows/firefox_opera_window.h"
#include "windows/menu_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace orvalink;

namespace {

// One export through a fresh window; the seconds from the click to its end, or -1 on failure.
double timeOneExport(ProgramSettings& settings, ExportMode mode, const QString& source,
                     const QString& destination)
{
    Job job;
    job.mode = mode;
    ScriptedDialogs dialogs([](const QString& description) {
        std::fprintf(stderr, "unexpected dialog: %s\n", qPrintable(description));
    });
    const bool menuPage = DestIsMenu(mode);
    auto processes = std::make_unique<ListedProcessTable>(QStringList{});
    QWidget* window = nullptr;
    if (menuPage)
        window = new Form5(job, settings, dialogs, std::move(processes));
    else
        window = new Form6(job, settings, dialogs, std::move(processes));
    window->show();
    const auto click = [window](const char* name) {
        window->findChild<QPushButton*>(QLatin1String(name))->click();
    };
    dialogs.answerOpenFile(source);
    click(menuPage ? "cmdNNBrowse" : "cmdSelectFrom");
    dialogs.answerSaveFile(destination);
    click(menuPage ? "cmdMenuFilename" : "Command2");
    if (menuPage)
        window->findChild<QCheckBox*>(QStringLiteral("chkShowBrowser"))->setChecked(false);
    dialogs.clear();

    QElapsedTimer clock;
    clock.start();
    click(menuPage ? "cmdCreaDHTML" : "Command10");
    const double seconds = clock.nsecsElapsed() / 1e9;

    const ScriptedDialogs::Call shown = dialogs.last(ScriptedDialogs::Kind::Message);
    const bool completed = shown.message.title == QStringLiteral("Exporting Complete");
    if (!completed)
        std::fprintf(stderr, "export failed: %s\n", qPrintable(shown.message.text()));
    else if (QFileInfo(destination).size() == 0)
        std::fprintf(stderr, "nothing written to %s\n", qPrintable(destination));
    static bool reported = false;
    if (completed && !reported) {
        reported = true;
        std::printf("%s\n", qPrintable(shown.message.text()));
    }
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return completed ? seconds : -1;
}

void report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-28s best %.3f s, median %.3f s (%zu runs)\n", what, times.front(),
                times[times.size() / 2], times.size());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows read and write their options, and discovery looks at the home folder: keep
    // both away from the user's.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    ProgramSettings settings(home.filePath(QStringLiteral("options")));
    QApplication application(argc, argv);

    const QString corpus = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral(ORVALINK_SOURCE_DIR "/bench/out/links-100000");
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    const QString bookmarks = corpus + QStringLiteral("/bookmarks.html");
    const QString hotlist = corpus + QStringLiteral("/bookmarks.adr");
    if (!QFileInfo::exists(bookmarks) || !QFileInfo::exists(hotlist)) {
        std::fprintf(stderr, "no corpus in %s (run bench/run or orvalink-corpus first)\n",
                     qPrintable(corpus));
        return 2;
    }

    struct Direction
    {
        const char* name;
        ExportMode mode;
        QString source;
        QString extension;
    };
    const Direction directions[] = {
        {"bookmark file to hotlist", ExportMode::FirefoxToOpera, bookmarks, QStringLiteral("adr")},
        {"hotlist to bookmark file", ExportMode::OperaToFirefox, hotlist, QStringLiteral("html")},
        {"bookmark file to menu page", ExportMode::FirefoxToMenu, bookmarks,
         QStringLiteral("html")},
    };
    int failed = 0;
    for (const Direction& direction : directions) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            const QString destination =
                home.filePath(QStringLiteral("out-%1.%2").arg(run).arg(direction.extension));
            const double seconds =
                timeOneExport(settings, direction.mode, direction.source, destination);
            if (seconds < 0) {
                ++failed;
                break;
            }
            times.push_back(seconds);
            QFile::remove(destination);
        }
        if (!times.empty())
            report(direction.name, times);
    }
    return failed == 0 ? 0 : 1;
}

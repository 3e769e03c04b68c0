// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/core/cli/cli_runner.h"

#include "cli/cli.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

namespace orvalink::test {

namespace {

void collect(const QJsonArray& children, const QString& prefix, LinkFormat format,
             QStringList& entries)
{
    for (const QJsonValue& value : children) {
        const QJsonObject entry = value.toObject();
        const QString path = prefix + entry[QStringLiteral("title")].toString();
        if (entry.contains(QStringLiteral("url"))) {
            const QString url = entry[QStringLiteral("url")].toString();
            entries << (format == LinkFormat::Tab ? path + u'\t' + url
                                                  : path + QStringLiteral(" <") + url + u'>');
        } else {
            entries << path + u'/';
            collect(entry[QStringLiteral("children")].toArray(), path + u'/', format, entries);
        }
    }
}

} // namespace

ProgramSettings& cliSettings()
{
    static QTemporaryDir folder;
    static ProgramSettings settings(folder.path());
    return settings;
}

CliRun runInProcess(const QStringList& arguments)
{
    QByteArray out;
    QByteArray err;
    QBuffer outBuffer(&out);
    QBuffer errBuffer(&err);
    outBuffer.open(QIODevice::WriteOnly);
    errBuffer.open(QIODevice::WriteOnly);
    CliRun run;
    run.exitCode = runCli(arguments, outBuffer, errBuffer, cliSettings(), ListedProcessTable({}));
    run.out = QString::fromUtf8(out);
    run.err = QString::fromUtf8(err);
    return run;
}

ProgramRun runProgram(const QStringList& arguments, const QByteArray& input, bool onTerminal,
                      const QString& folder)
{
    int terminal = -1;
    int screen = -1;
    if (onTerminal && ::openpty(&terminal, &screen, nullptr, nullptr, nullptr) != 0) {
        ADD_FAILURE() << "no pseudo-terminal";
        return {};
    }
    QProcess process;
    process.setWorkingDirectory(folder);
    if (onTerminal) {
        process.setChildProcessModifier([screen] { ::dup2(screen, STDERR_FILENO); });
        ::fcntl(terminal, F_SETFL, O_NONBLOCK);
    }
    process.start(QStringLiteral(ORVALINK_CLI_PATH), arguments);
    EXPECT_TRUE(process.waitForStarted());
    if (onTerminal)
        ::close(screen);
    process.write(input);
    process.closeWriteChannel();
    ProgramRun run;
    // The terminal is read while the program runs, so that it never blocks on a full one.
    const auto readScreen = [&] {
        char block[4096];
        for (ssize_t got; terminal >= 0 && (got = ::read(terminal, block, sizeof block)) > 0;)
            run.err.append(block, got);
    };
    while (!process.waitForFinished(50))
        readScreen();
    readScreen();
    if (onTerminal)
        ::close(terminal);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    if (!onTerminal)
        run.err = process.readAllStandardError();
    return run;
}

QByteArray generatedSource(const QString& form, int links, const QByteArray& tag)
{
    constexpr int linksPerFolder = 1000;
    const bool hotlist = form == QStringLiteral("opera");
    QByteArray text = hotlist ? "Opera Hotlist version 2.0\nOptions: encoding = utf8\n\n"
                              : "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n";
    const QByteArray folderEnd = hotlist ? "-\n\n" : "</DL><p>\n";
    for (int i = 0; i < links; ++i) {
        const QByteArray n = QByteArray::number(i);
        if (i % linksPerFolder == 0) {
            if (i > 0)
                text += folderEnd;
            const QByteArray name = tag + ' ' + QByteArray::number(i / linksPerFolder);
            text += hotlist ? "#FOLDER\n\tNAME=" + name + "\n\n"
                            : "<DT><H3>" + name + "</H3>\n<DL><p>\n";
        }
        const QByteArray url = "https://" + tag + ".example/" + n;
        text += hotlist ? "#URL\n\tNAME=" + tag + ' ' + n + "\n\tURL=" + url + "\n\n"
                        : "<DT><A HREF=\"" + url + "\">" + tag + ' ' + n + "</A>\n";
    }
    return text + folderEnd + (hotlist ? "" : "</DL><p>\n");
}

QStringList treeOf(const QString& form, const QString& path, LinkFormat format)
{
    const CliRun run = runInProcess(
        {QStringLiteral("list"), QStringLiteral("--json"), QStringLiteral("--from"), form, path});
    if (run.exitCode != ExitSuccess) {
        ADD_FAILURE() << "cannot list " << path.toStdString() << ": " << run.err.toStdString();
        return {};
    }
    QStringList entries;
    collect(
        QJsonDocument::fromJson(run.out.toUtf8()).object()[QStringLiteral("children")].toArray(),
        {}, format, entries);
    std::sort(entries.begin(), entries.end());
    return entries;
}

} // namespace orvalink::test

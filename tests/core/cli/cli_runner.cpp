// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/core/cli/cli_runner.h"

#include "cli/cli.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/hotlist/hotlist_reader.h"
#include "forms/storage_form.h"
#include "tests/support/fixture_cases.h"
#include "tests/support/temp_tree.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace orvalink {
namespace {

std::unique_ptr<BookmarkModel> load(const QString& path)
{
    Result<std::unique_ptr<BookmarkModel>> loaded = OperaCreateTree(path);
    EXPECT_TRUE(loaded.ok()) << loaded.error().toStdString();
    return loaded ? std::move(loaded.value()) : nullptr;
}

void expectScannerAgrees(const QString& path, BookmarkModel& model)
{
    cOperaFastScanning scanner;
    int handled = 0;
    scanner.setFolderScanHandler([&](const QString&) { ++handled; });
    scanner.Scan(path);
    // The command line takes the counts of a loaded file from its tables.
    const SourceCounts loaded = countLoaded(model);
    EXPECT_EQ(scanner.nTotalFolders(), loaded.folders) << path.toStdString();
    EXPECT_EQ(scanner.nTotalLinks(), loaded.links) << path.toStdString();
    EXPECT_LE(handled, scanner.nTotalFolders());
}

TEST(HotlistReader, ReadsEveryFixtureAsExpectedAndTheScannerAgrees)
{
    const QStringList cases = test::fixtureCases(QStringLiteral("hotlist"));
    ASSERT_FALSE(cases.isEmpty());
    for (const QString& dir : cases) {
        SCOPED_TRACE(dir.toStdString());
        const QString input = QDir(dir).filePath(QStringLiteral("input.adr"));
        auto model = load(input);
        ASSERT_TRUE(model);
        QFile expected(QDir(dir).filePath(QStringLiteral("expected.txt")));
        ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(test::listing(*model)), QString::fromUtf8(expected.readAll()));
        expectScannerAgrees(input, *model);
    }
}

// Deep nesting is the writers' shared test, which reads a hotlist ten thousand folders deep.
TEST(HotlistReader, StaysLinearOnOneHugeLine)
{
    test::TempTree dir;
    QByteArray huge("#URL\n\tNAME=");
    huge += QByteArray(64 << 20, 'x');
    huge += "\n\tURL=https://huge.example/\n";
    auto model = load(dir.write(QStringLiteral("huge.adr"), huge));
    ASSERT_TRUE(model);
    EXPECT_EQ(model->link(0).Name.size(), 64 << 20);
}

} // namespace
} // namespace orvalink

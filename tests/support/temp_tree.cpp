// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/temp_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace orvalink::test {

TempTree::TempTree()
{
    EXPECT_TRUE(m_dir.isValid());
}

QString TempTree::path(const QString& relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
}

QString TempTree::write(const QString& relative, const QByteArray& bytes) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << file.toStdString();
    out.write(bytes);
    return file;
}

QString TempTree::mkdir(const QString& relative) const
{
    const QString dir = path(relative);
    EXPECT_TRUE(QDir().mkpath(dir)) << dir.toStdString();
    return dir;
}

QByteArray TempTree::read(const QString& relative) const
{
    QFile in(path(relative));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << in.fileName().toStdString();
    return in.readAll();
}

QString fixturePath(const QString& relative)
{
    return QStringLiteral(ORVALINK_TEST_DATA_DIR "/") + relative;
}

QByteArray readFixture(const QString& relative)
{
    QFile in(fixturePath(relative));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << in.fileName().toStdString();
    return in.readAll();
}

} // namespace orvalink::test

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace orvalink::test {

// A temporary folder that tests fill with files; removed with everything in it at the end.
class TempTree
{
public:
    TempTree();

    // The absolute path of a relative path inside the folder ("" for the folder itself).
    QString path(const QString& relative = QString()) const;
    // Writes bytes to a file, creating the folders on the way; returns its absolute path.
    QString write(const QString& relative, const QByteArray& bytes) const;
    // Creates a folder and the folders on the way; returns its absolute path.
    QString mkdir(const QString& relative) const;
    QByteArray read(const QString& relative) const;

private:
    QTemporaryDir m_dir;
};

// Text from a UTF-8 literal, as the tests' sources are.
inline QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

// The path of a file under tests/fixtures.
QString fixturePath(const QString& relative);
QByteArray readFixture(const QString& relative);

} // namespace orvalink::test

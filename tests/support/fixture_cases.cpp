// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fixture_cases.h"

#include "forms/tree_listing.h"
#include "tests/support/temp_tree.h"

#include <QBuffer>
#include <QDir>

namespace orvalink::test {

QStringList fixtureCases(const QString& form)
{
    QStringList cases;
    const QDir dir(fixturePath(form));
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        cases << dir.filePath(name);
    return cases;
}

QByteArray listing(BookmarkModel& model)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeTreeListing(model, buffer);
    buffer.close();
    return bytes;
}

} // namespace orvalink::test

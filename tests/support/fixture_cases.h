// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace orvalink::test {

// The case folders of one form under tests/fixtures (e.g. "hotlist"), each holding an input
// file and "expected.txt", the expected listing of what loading it gives.
QStringList fixtureCases(const QString& form);

// A loaded source as the command line's list prints it.
QByteArray listing(BookmarkModel& model);

} // namespace orvalink::test

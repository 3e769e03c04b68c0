// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QString>

namespace orvalink::test {

// A tree listing without the fields in braces after its lines: for sources whose dates are the
// times their files happened to get.
inline QString withoutFields(const QString& listing)
{
    static const QRegularExpression fields(QStringLiteral(R"( \{[^\n]*\}(?=\n))"));
    return QString(listing).replace(fields, QString());
}

} // namespace orvalink::test

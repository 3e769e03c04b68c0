// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringView>

namespace orvalink {

// Appends text meant to stand between tags as UTF-8, with & < > " ' written as the five
// character references every browser's importer reads back, so that no name can pass for markup,
// and control characters as numeric references, so that none can break the line it stands on.
void appendHtmlText(QByteArray& out, QStringView text);

// Appends a value for a double-quoted attribute (an address in HREF) as UTF-8, with what could
// end the value, the tag or the line escaped: & " < > and control characters. Our reader and the
// browsers' give the value back exactly.
void appendHtmlAttribute(QByteArray& out, QStringView text);
// The same for a value already in UTF-8.
void appendHtmlAttribute(QByteArray& out, QByteArrayView utf8);

} // namespace orvalink

#pragma once

#include <QByteArray>
#include <QStringView>

namespace orvalink {

// Appends text meant to stand between tags as UTF-8, with & < > " ' written as the five
// character references every browser's importer reads back, so that no name can pass for markup.
void appendHtmlText(QByteArray& out, QStringView text);

// Appends a value for a double-quoted attribute (an address in HREF) as UTF-8, with only what
// could end the value or start a reference escaped: & and ".
void appendHtmlAttribute(QByteArray& out, QStringView text);

} // namespace orvalink

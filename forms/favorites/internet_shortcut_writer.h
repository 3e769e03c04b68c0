// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace orvalink {

// The bytes of an Internet Shortcut (".URL") file for url, each line ended by CR LF, with the
// address of the page's icon as "IconFile", as Internet Explorer keeps a favicon's, when iconFile
// is not empty.
//
// An ASCII value is written exactly as it is: "[InternetShortcut]", "URL=" + URL and
// "IconFile=" + icon address. A value with other characters is written as Windows writes one: its
// ASCII form (see asciiUrl) in "[InternetShortcut]" and again in "[InternetShortcut.A]", and the
// value itself, UTF-7 encoded, in "[InternetShortcut.W]". Windows then reads the same value in
// every code page, and so does our reader, which takes the ".W" value while its ".A" twin equals
// the base.
//
// Tabs and line breaks are left out of both, as browsers leave them out when they parse an
// address: no value can start an INI line of its own.
QByteArray internetShortcutContents(const QString& url, const QString& iconFile = QString());

// The URL in ASCII: a non-ASCII host in punycode, every other non-ASCII character
// percent-encoded as UTF-8, and every ASCII character left exactly as it is. A host that is no
// valid international domain name is percent-encoded like the rest.
QByteArray asciiUrl(QStringView url);

} // namespace orvalink

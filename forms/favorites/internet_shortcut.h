// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

namespace orvalink {

// The largest Internet Shortcut read; a larger file is not a shortcut any browser wrote, and
// reading it whole could exhaust memory.
inline constexpr qint64 kMaxShortcutFileSize = 64 * 1024 * 1024;

// What an Internet Shortcut (".url") file keeps of its link.
struct InternetShortcut
{
    QString url;
    // The address of the page's icon (IconFile, as Internet Explorer keeps a favicon's); ""
    // when there is none, or IconFile names a file on the disk.
    QString iconFile;
};

// Reads a shortcut's URL as shortcutUrl() does, and its IconFile the same way.
InternetShortcut readInternetShortcut(QByteArrayView contents);

// The URL of an Internet Shortcut (".url") file's text: the value of key "URL" in section
// "[InternetShortcut]", read the way the Windows profile functions read it (section and key
// without regard to case, first occurrence, value trimmed of blanks and of one pair of matching
// quotes). When Windows could not write the URL in its code page, it keeps the real one UTF-7
// encoded in "[InternetShortcut.W]"; that one is taken while the "[InternetShortcut.A]" twin
// still equals the base value. "" when there is no URL.
QString shortcutUrl(QByteArrayView contents);

// The URL of the Internet Shortcut file at path; "" when the file cannot be read.
QString readShortcutUrl(const QString& path);

} // namespace orvalink

// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/favorites/internet_shortcut.h"

#include "forms/favorites/utf7.h"
#include "platform/file_helpers.h"
#include "platform/text_decoding.h"

#include <QFileInfo>
#include <array>
#include <optional>

namespace orvalink {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// The three values a shortcut key's value is made of; each unset when the key is missing there.
struct KeyValues
{
    std::optional<QByteArrayView> base;
    std::optional<QByteArrayView> ansi;
    std::optional<QByteArrayView> wide;
};

// The keys of "[InternetShortcut]" this reader takes.
enum ShortcutKey { UrlKey, IconFileKey, KeyCount };

using ShortcutValues = std::array<KeyValues, KeyCount>;

int keyNamed(QByteArrayView name)
{
    if (name.compare("URL", Qt::CaseInsensitive) == 0)
        return UrlKey;
    if (name.compare("IconFile", Qt::CaseInsensitive) == 0)
        return IconFileKey;
    return -1;
}

ShortcutValues findValues(QByteArrayView text)
{
    ShortcutValues values;
    std::optional<QByteArrayView> KeyValues::*current = nullptr;
    while (!text.isEmpty()) {
        const qsizetype end = text.indexOf('\n');
        QByteArrayView line = end < 0 ? text : text.first(end);
        text = end < 0 ? QByteArrayView() : text.sliced(end + 1);
        line = trimmed(line);
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            if (close >= 0) {
                const QByteArrayView section = trimmed(line.sliced(1, close - 1));
                if (section.compare("InternetShortcut", Qt::CaseInsensitive) == 0)
                    current = &KeyValues::base;
                else if (section.compare("InternetShortcut.A", Qt::CaseInsensitive) == 0)
                    current = &KeyValues::ansi;
                else if (section.compare("InternetShortcut.W", Qt::CaseInsensitive) == 0)
                    current = &KeyValues::wide;
                else
                    current = nullptr;
                continue;
            }
        }
        if (current == nullptr)
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const int key = keyNamed(trimmed(line.first(equals)));
        if (key < 0 || (values[static_cast<size_t>(key)].*current).has_value())
            continue;
        QByteArrayView value = line.sliced(equals + 1);
        // The profile functions return C strings: a NUL ends the value.
        if (const qsizetype nul = value.indexOf('\0'); nul >= 0)
            value = value.first(nul);
        value = trimmed(value);
        if (value.size() >= 2 && value.front() == value.back() &&
            (value.front() == '"' || value.front() == '\'')) {
            value = value.sliced(1, value.size() - 2);
        }
        values[static_cast<size_t>(key)].*current = value;
    }
    return values;
}

QString valueOf(const KeyValues& values, bool utf8)
{
    const auto decode = [utf8](QByteArrayView value) {
        return utf8 ? QString::fromUtf8(value) : decodeText(value);
    };
    const QByteArrayView base = values.base.value_or(QByteArrayView());
    // The Unicode value holds only while the ANSI twin still equals the base: a program that
    // knows nothing of the twins edits the base alone, and then the base is the real value.
    if (values.wide && values.ansi && *values.ansi == base)
        return decodeUtf7(decode(*values.wide));
    return decode(base);
}

// A Windows path ("C:\...\url.dll") names a file on the machine that wrote the shortcut, not
// the page's icon: only an address with a scheme of its own is kept.
bool isIconAddress(const QString& iconFile)
{
    const qsizetype colon = iconFile.indexOf(u':');
    return colon > 1 && !iconFile.sliced(colon + 1).startsWith(u'\\');
}

InternetShortcut shortcutOf(QByteArrayView text, bool utf8)
{
    const ShortcutValues values = findValues(text);
    InternetShortcut shortcut;
    shortcut.url = valueOf(values[UrlKey], utf8);
    shortcut.iconFile = valueOf(values[IconFileKey], utf8);
    if (!isIconAddress(shortcut.iconFile))
        shortcut.iconFile.clear();
    return shortcut;
}

} // namespace

InternetShortcut readInternetShortcut(QByteArrayView contents)
{
    if (isUtf16Text(contents))
        return shortcutOf(utf8FromUtf16(contents), true);
    if (contents.startsWith(kUtf8Bom))
        return shortcutOf(contents.sliced(kUtf8Bom.size()), true);
    return shortcutOf(contents, false);
}

QString shortcutUrl(QByteArrayView contents)
{
    return readInternetShortcut(contents).url;
}

QString readShortcutUrl(const QString& path)
{
    const QFileInfo info(path);
    const DirectoryHandle folder = DirectoryHandle::open(info.absolutePath());
    const std::optional<QByteArray> contents =
        folder.readFile(rawFileName(info.fileName()), kMaxShortcutFileSize);
    return contents ? shortcutUrl(*contents) : QString();
}

} // namespace orvalink

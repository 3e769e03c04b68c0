#include "forms/favorites/internet_shortcut.h"

#include "forms/favorites/utf7.h"
#include "platform/file_helpers.h"
#include "platform/text_decoding.h"

#include <QFileInfo>
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

// The three values a shortcut's URL is made of; each unset when its key is missing.
struct UrlValues
{
    std::optional<QByteArrayView> base;
    std::optional<QByteArrayView> ansi;
    std::optional<QByteArrayView> wide;
};

UrlValues findUrlValues(QByteArrayView text)
{
    UrlValues values;
    std::optional<QByteArrayView>* current = nullptr;
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
                    current = &values.base;
                else if (section.compare("InternetShortcut.A", Qt::CaseInsensitive) == 0)
                    current = &values.ansi;
                else if (section.compare("InternetShortcut.W", Qt::CaseInsensitive) == 0)
                    current = &values.wide;
                else
                    current = nullptr;
                continue;
            }
        }
        if (current == nullptr || current->has_value())
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0 || trimmed(line.first(equals)).compare("URL", Qt::CaseInsensitive) != 0)
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
        *current = value;
    }
    return values;
}

QString urlOf(QByteArrayView text, bool utf8)
{
    const UrlValues values = findUrlValues(text);
    const auto decode = [utf8](QByteArrayView value) {
        return utf8 ? QString::fromUtf8(value) : decodeText(value);
    };
    const QByteArrayView base = values.base.value_or(QByteArrayView());
    // The Unicode value holds only while the ANSI twin still equals the base: a program that
    // knows nothing of the twins edits the base alone, and then the base is the real URL.
    if (values.wide && values.ansi && *values.ansi == base)
        return decodeUtf7(decode(*values.wide));
    return decode(base);
}

} // namespace

QString shortcutUrl(QByteArrayView contents)
{
    if (isUtf16Text(contents))
        return urlOf(utf8FromUtf16(contents), true);
    if (contents.startsWith(kUtf8Bom))
        return urlOf(contents.sliced(kUtf8Bom.size()), true);
    return urlOf(contents, false);
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

// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an Internet Shortcut, and any text as an address: reading never goes wrong, UTF-7
// gives back what it encoded, and a shortcut our writer writes reads back as the address it was
// written for.
#include "forms/favorites/internet_shortcut.h"
#include "forms/favorites/internet_shortcut_writer.h"
#include "forms/favorites/utf7.h"
#include "tests/fuzz/fuzz_support.h"

namespace orvalink::fuzz {

namespace {

// Every reader of a shortcut (Windows' own included) takes a value up to a NUL, without the blanks
// around it and without one pair of quotes around it: only an address that starts and ends with
// something else can come back exactly.
bool isPlain(const QString& url)
{
    const auto plainEnd = [](QChar c) { return c.unicode() > 0x20 && c != u'"' && c != u'\''; };
    return !url.isEmpty() && !url.contains(QChar(0)) && plainEnd(url.front()) &&
           plainEnd(url.back());
}

// Browsers drop tabs and line breaks anywhere in an address, so a shortcut need not keep them.
QString withoutTabsAndLineBreaks(QString url)
{
    return url.remove(u'\t').remove(u'\r').remove(u'\n');
}

void checkUtf7(const QString& text)
{
    const QByteArray encoded = encodeUtf7(text);
    for (const char c : encoded)
        check(static_cast<unsigned char>(c) < 0x80, "UTF-7 is ASCII",
              [&] { return visible(text); });
    check(decodeUtf7(QString::fromLatin1(encoded)) == text, "UTF-7 decodes what it encoded",
          [&] { return visible(text) + QStringLiteral(" as ") + QString::fromLatin1(encoded); });
}

void checkWrittenShortcut(const QString& url)
{
    const QByteArray contents = internetShortcutContents(url);
    const QList<QByteArray> lines = contents.split('\n');
    const auto shown = [&] { return visible(QString::fromLatin1(contents)); };
    // Two lines for an ASCII address, six with the ".A" and ".W" sections: each ends in CR LF
    // and no value can start a line of its own.
    check((lines.size() == 3 || lines.size() == 7) && lines.back().isEmpty(),
          "a written shortcut has only its own lines", shown);
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        check(lines[i].endsWith('\r') && lines[i].count('\r') == 1,
              "a written shortcut has only its own lines", shown);
    }
    for (const char c : contents)
        check(static_cast<unsigned char>(c) < 0x80, "a written shortcut is ASCII",
              [&] { return visible(url); });
    const QString reread = shortcutUrl(contents);
    check(!isPlain(url) || withoutTabsAndLineBreaks(reread) == withoutTabsAndLineBreaks(url),
          "a written shortcut reads back as its address",
          [&] { return visible(url) + QStringLiteral(" became ") + visible(reread); });
}

} // namespace

} // namespace orvalink::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvalink;
    using namespace orvalink::fuzz;
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const QString read = shortcutUrl(bytes);
    checkWrittenShortcut(read);

    (void)decodeUtf7(QString::fromLatin1(bytes));
    FuzzedDataProvider provider(data, size);
    const QString text = consumeText(provider, 256);
    checkUtf7(text);
    checkWrittenShortcut(text);
    return 0;
}

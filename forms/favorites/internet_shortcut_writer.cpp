// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/favorites/internet_shortcut_writer.h"

#include "forms/address_text.h"
#include "forms/favorites/utf7.h"

#include <QUrl>
#include <array>
#include <utility>

namespace orvalink {

namespace {

constexpr QByteArrayView kSection = "[InternetShortcut]\r\n";
constexpr QByteArrayView kAnsiSection = "[InternetShortcut.A]\r\n";
constexpr QByteArrayView kWideSection = "[InternetShortcut.W]\r\n";
constexpr QByteArrayView kUrlKey = "URL=";
constexpr QByteArrayView kIconFileKey = "IconFile=";
constexpr QByteArrayView kLineEnd = "\r\n";

bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

void appendPercentEncoded(QByteArray& out, QStringView text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    if (isAscii(text)) {
        out += text.toLatin1();
        return;
    }
    // A lone surrogate becomes U+FFFD here.
    for (const char byte : text.toUtf8()) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80) {
            out += byte;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
    }
}

bool isSchemeCharacter(QChar c, bool first)
{
    const char16_t u = c.unicode();
    const bool letter = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    if (first)
        return letter;
    return letter || (u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.';
}

// The host of "scheme://userinfo@host:port/...", as positions [begin, end); an empty range when
// the URL has no such host or it is an IP literal in brackets.
std::pair<qsizetype, qsizetype> hostRange(QStringView url)
{
    qsizetype colon = 0;
    while (colon < url.size() && isSchemeCharacter(url.at(colon), colon == 0))
        ++colon;
    if (colon == 0 || colon >= url.size() || url.at(colon) != u':' ||
        !url.sliced(colon + 1).startsWith(u"//")) {
        return {0, 0};
    }
    const qsizetype authority = colon + 3;
    qsizetype authorityEnd = authority;
    while (authorityEnd < url.size() && !QStringView(u"/?#\\").contains(url.at(authorityEnd)))
        ++authorityEnd;
    qsizetype begin = authority;
    for (qsizetype i = authority; i < authorityEnd; ++i) {
        if (url.at(i) == u'@')
            begin = i + 1;
    }
    if (begin < authorityEnd && url.at(begin) == u'[')
        return {begin, begin};
    qsizetype end = begin;
    while (end < authorityEnd && url.at(end) != u':')
        ++end;
    return {begin, end};
}

} // namespace

QByteArray asciiUrl(QStringView url)
{
    QByteArray out;
    out.reserve(url.size() * 3);
    const auto [hostBegin, hostEnd] = hostRange(url);
    appendPercentEncoded(out, url.first(hostBegin));
    const QStringView host = url.sliced(hostBegin, hostEnd - hostBegin);
    const QByteArray ace = isAscii(host) ? QByteArray() : QUrl::toAce(host.toString());
    if (ace.isEmpty())
        appendPercentEncoded(out, host);
    else
        out += ace;
    appendPercentEncoded(out, url.sliced(hostEnd));
    return out;
}

QByteArray internetShortcutContents(const QString& url, const QString& iconFile)
{
    struct Value
    {
        QByteArrayView key;
        QString text;
    };
    std::array<Value, 2> values = {Value{kUrlKey, withoutDroppedCharacters(url)},
                                   Value{kIconFileKey, withoutDroppedCharacters(iconFile)}};
    const size_t count = values[1].text.isEmpty() ? 1 : 2;
    QByteArray contents;
    contents.reserve(kSection.size() + kUrlKey.size() + url.size() + kLineEnd.size());
    contents.append(kSection);
    bool allAscii = true;
    for (size_t i = 0; i < count; ++i) {
        const bool ascii = isAscii(values[i].text);
        allAscii = allAscii && ascii;
        contents.append(values[i].key)
            .append(ascii ? values[i].text.toLatin1() : asciiUrl(values[i].text))
            .append(kLineEnd);
    }
    if (allAscii)
        return contents;
    // Only the values that ASCII cannot hold get their twins.
    contents.append(kAnsiSection);
    for (size_t i = 0; i < count; ++i) {
        if (!isAscii(values[i].text))
            contents.append(values[i].key).append(asciiUrl(values[i].text)).append(kLineEnd);
    }
    contents.append(kWideSection);
    for (size_t i = 0; i < count; ++i) {
        if (!isAscii(values[i].text))
            contents.append(values[i].key).append(encodeUtf7(values[i].text)).append(kLineEnd);
    }
    return contents;
}

} // namespace orvalink

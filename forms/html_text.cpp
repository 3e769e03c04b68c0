// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/html_text.h"

#include "platform/atomic_text_file.h"

#include <QString>
#include <algorithm>

namespace orvalink {

namespace {

// A control character other than NUL, written as a decimal reference ("&#10;"), so that no line
// break or other control can split a line or an entry: every reader, ours included, gives the
// character back. NUL stays as it is: its reference reads back as U+FFFD. C1 controls (U+0080 to
// U+009F) are written as their UTF-8 bytes, never as references: a reference to 128-159 reads
// back as a Windows-1252 character.
bool escapeControl(char*& dst, char16_t c)
{
    if (c == 0 || (c >= 0x20 && c != 0x7F))
        return false;
    *dst++ = '&';
    *dst++ = '#';
    if (c >= 100)
        *dst++ = static_cast<char>('0' + c / 100);
    if (c >= 10)
        *dst++ = static_cast<char>('0' + c / 10 % 10);
    *dst++ = static_cast<char>('0' + c % 10);
    *dst++ = ';';
    return true;
}

bool escapeText(char*& dst, char16_t c, char16_t)
{
    switch (c) {
    case u'&':
        putAscii(dst, "&amp;");
        return true;
    case u'<':
        putAscii(dst, "&lt;");
        return true;
    case u'>':
        putAscii(dst, "&gt;");
        return true;
    case u'"':
        putAscii(dst, "&quot;");
        return true;
    case u'\'':
        putAscii(dst, "&#39;");
        return true;
    default:
        return escapeControl(dst, c);
    }
}

bool escapeAttribute(char*& dst, char16_t c, char16_t)
{
    switch (c) {
    case u'&':
        putAscii(dst, "&amp;");
        return true;
    case u'"':
        putAscii(dst, "&quot;");
        return true;
    case u'<':
        putAscii(dst, "&lt;");
        return true;
    case u'>':
        putAscii(dst, "&gt;");
        return true;
    default:
        return escapeControl(dst, c);
    }
}

constexpr qsizetype kLongestEscape = 6;

} // namespace

void appendHtmlText(QByteArray& out, QStringView text)
{
    appendUtf8(out, text, kLongestEscape, escapeText);
}

void appendHtmlAttribute(QByteArray& out, QStringView text)
{
    appendUtf8(out, text, kLongestEscape, escapeAttribute);
}

void appendHtmlAttribute(QByteArray& out, QByteArrayView utf8)
{
    const auto needsEscape = [](char c) {
        return c == '&' || c == '"' || c == '<' || c == '>' ||
               (static_cast<unsigned char>(c) < 0x20 && c != 0) || c == 0x7F;
    };
    if (std::none_of(utf8.begin(), utf8.end(), needsEscape)) {
        out += utf8;
        return;
    }
    appendHtmlAttribute(out, QString::fromUtf8(utf8));
}

} // namespace orvalink

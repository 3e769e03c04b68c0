#include "writers/html_text.h"

#include "writers/atomic_text_file.h"

namespace orvalink {

namespace {

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
        return false;
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
    default:
        return false;
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

} // namespace orvalink

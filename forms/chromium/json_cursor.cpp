// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/chromium/json_cursor.h"

#include <QChar>
#include <QtEndian>
#include <bit>
#include <cstring>

namespace orvalink {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

// Text is scanned eight bytes at a time where it comes in long runs: the indentation of a
// pretty-printed file, and strings.
using Word = quint64;
constexpr Word kEveryByte = 0x0101010101010101;
constexpr Word kLow7Bits = 0x7F7F7F7F7F7F7F7F;

// The eight bytes at p, the first in the lowest byte.
Word wordAt(const char* p)
{
    return qFromLittleEndian<Word>(p);
}

// The high bit of each byte of w that equals c, and no other bit.
Word bytesEqual(Word w, char c)
{
    const Word x = w ^ (kEveryByte * static_cast<unsigned char>(c));
    return ~(((x & kLow7Bits) + kLow7Bits) | x | kLow7Bits);
}

// The index of the first byte marked in a nonzero result of bytesEqual().
qsizetype firstMarked(Word marks)
{
    return std::countr_zero(marks) / 8;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendUtf8(QByteArray& out, char32_t u)
{
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (u >> 18));
        out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

} // namespace

JsonCursor::JsonCursor(QByteArrayView text)
    : m_text(text)
{
    if (text.startsWith("\xEF\xBB\xBF"))
        m_pos = 3;
}

bool JsonCursor::nextIs(char c)
{
    skipSpace();
    return m_pos < m_text.size() && m_text[m_pos] == c;
}

void JsonCursor::skipSpace()
{
    const char* const text = m_text.data();
    const qsizetype size = m_text.size();
    qsizetype pos = m_pos;
    if (pos == size || !isSpace(text[pos]))
        return;
    for (; size - pos >= 8; pos += 8) {
        const Word w = wordAt(text + pos);
        // Most words of an indentation are spaces only.
        if (w == kEveryByte * ' ')
            continue;
        const Word space =
            bytesEqual(w, ' ') | bytesEqual(w, '\n') | bytesEqual(w, '\r') | bytesEqual(w, '\t');
        if (const Word other = ~space & (kEveryByte << 7)) {
            m_pos = pos + firstMarked(other);
            return;
        }
    }
    while (pos < size && isSpace(text[pos]))
        ++pos;
    m_pos = pos;
}

bool JsonCursor::fail()
{
    m_failed = true;
    return false;
}

qsizetype JsonCursor::nextTokenPosition()
{
    skipSpace();
    return m_pos;
}

bool JsonCursor::atEnd()
{
    skipSpace();
    return m_pos == m_text.size();
}

JsonCursor::Kind JsonCursor::peek()
{
    if (m_failed)
        return Kind::Invalid;
    skipSpace();
    if (m_pos == m_text.size())
        return Kind::End;
    switch (m_text[m_pos]) {
    case '{':
        return Kind::Object;
    case '[':
        return Kind::Array;
    case '"':
        return Kind::String;
    case 't':
    case 'f':
    case 'n':
        return Kind::Literal;
    default:
        break;
    }
    const char c = m_text[m_pos];
    return c == '-' || (c >= '0' && c <= '9') ? Kind::Number : Kind::Invalid;
}

bool JsonCursor::enterObject()
{
    if (peek() != Kind::Object)
        return fail();
    ++m_pos;
    m_justEntered = true;
    return true;
}

bool JsonCursor::enterArray()
{
    if (peek() != Kind::Array)
        return fail();
    ++m_pos;
    m_justEntered = true;
    return true;
}

bool JsonCursor::continues(char end)
{
    if (m_failed)
        return false;
    skipSpace();
    if (m_pos == m_text.size())
        return fail();
    if (m_text[m_pos] == end) {
        ++m_pos;
        m_justEntered = false;
        return false;
    }
    if (!m_justEntered) {
        if (m_text[m_pos] != ',')
            return fail();
        ++m_pos;
    }
    m_justEntered = false;
    return true;
}

bool JsonCursor::nextMember(QByteArrayView& key, QByteArray& scratch)
{
    if (!continues('}'))
        return false;
    if (peek() != Kind::String || !scanString(key, scratch))
        return fail();
    skipSpace();
    if (m_pos == m_text.size() || m_text[m_pos] != ':')
        return fail();
    ++m_pos;
    return true;
}

bool JsonCursor::nextElement()
{
    return continues(']');
}

bool JsonCursor::readString(QByteArrayView& value, QByteArray& scratch)
{
    if (peek() != Kind::String)
        return fail();
    return scanString(value, scratch);
}

bool JsonCursor::scanString(QByteArrayView& value, QByteArray& scratch)
{
    const char* const text = m_text.data();
    const qsizetype size = m_text.size();
    const qsizetype start = ++m_pos;
    // Most strings hold no escape: they are a view of the text.
    for (; size - m_pos >= 8; m_pos += 8) {
        const Word w = wordAt(text + m_pos);
        if (const Word ends = bytesEqual(w, '"') | bytesEqual(w, '\\')) {
            m_pos += firstMarked(ends);
            break;
        }
    }
    while (m_pos < size && text[m_pos] != '"' && text[m_pos] != '\\')
        ++m_pos;
    if (m_pos == size)
        return fail();
    if (text[m_pos] == '"') {
        value = m_text.sliced(start, m_pos - start);
        ++m_pos;
        return true;
    }
    scratch.resize(0);
    scratch.append(text + start, m_pos - start);
    while (m_pos < size) {
        const char c = text[m_pos++];
        if (c == '"') {
            value = scratch;
            return true;
        }
        if (c != '\\') {
            scratch += c;
            continue;
        }
        if (m_pos == size)
            return fail();
        const char escaped = text[m_pos++];
        switch (escaped) {
        case '"':
        case '\\':
        case '/':
            scratch += escaped;
            break;
        case 'b':
            scratch += '\b';
            break;
        case 'f':
            scratch += '\f';
            break;
        case 'n':
            scratch += '\n';
            break;
        case 'r':
            scratch += '\r';
            break;
        case 't':
            scratch += '\t';
            break;
        case 'u': {
            auto unit = [&](char16_t& out) {
                if (size - m_pos < 4)
                    return false;
                int v = 0;
                for (int i = 0; i < 4; ++i) {
                    const int digit = hexValue(text[m_pos + i]);
                    if (digit < 0)
                        return false;
                    v = v * 16 + digit;
                }
                m_pos += 4;
                out = static_cast<char16_t>(v);
                return true;
            };
            char16_t first = 0;
            if (!unit(first))
                return fail();
            char32_t code = first;
            if (QChar::isHighSurrogate(first) && size - m_pos >= 6 && text[m_pos] == '\\' &&
                text[m_pos + 1] == 'u') {
                const qsizetype before = m_pos;
                m_pos += 2;
                char16_t second = 0;
                if (unit(second) && QChar::isLowSurrogate(second))
                    code = QChar::surrogateToUcs4(first, second);
                else
                    m_pos = before;
            }
            // A surrogate without its partner stands for nothing: it becomes U+FFFD.
            appendUtf8(scratch, QChar::isSurrogate(code) ? char32_t(0xFFFD) : code);
            break;
        }
        default:
            return fail();
        }
    }
    return fail();
}

bool JsonCursor::skipString()
{
    const char* const text = m_text.data();
    const qsizetype size = m_text.size();
    ++m_pos;
    while (m_pos < size) {
        const char* quote =
            static_cast<const char*>(std::memchr(text + m_pos, '"', size_t(size - m_pos)));
        if (!quote)
            break;
        qsizetype end = quote - text;
        // The quote ends the string unless an odd number of backslashes stands before it.
        qsizetype backslashes = 0;
        while (end - 1 - backslashes >= m_pos && text[end - 1 - backslashes] == '\\')
            ++backslashes;
        m_pos = end + 1;
        if (backslashes % 2 == 0)
            return true;
    }
    return fail();
}

bool JsonCursor::skipScalar()
{
    const Kind kind = peek();
    if (kind == Kind::Literal) {
        for (const QByteArrayView literal :
             {QByteArrayView("true"), QByteArrayView("false"), QByteArrayView("null")}) {
            if (m_text.sliced(m_pos).startsWith(literal)) {
                m_pos += literal.size();
                return true;
            }
        }
        return fail();
    }
    if (kind != Kind::Number)
        return fail();
    const qsizetype start = m_pos;
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos];
        if (!((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E'))
            break;
        ++m_pos;
    }
    return m_pos > start;
}

bool JsonCursor::skipValue()
{
    switch (peek()) {
    case Kind::String:
        return skipString();
    case Kind::Object:
    case Kind::Array:
        break;
    default:
        return skipScalar();
    }
    // A container: followed through its members and elements with a stack of the ends expected.
    QByteArray& ends = m_skippedEnds;
    ends.resize(0);
    QByteArray& scratch = m_skippedKey;
    QByteArrayView key;
    do {
        const char end = ends.isEmpty() ? 0 : ends.back();
        if (!ends.isEmpty()) {
            const bool more = end == '}' ? nextMember(key, scratch) : nextElement();
            if (!more) {
                if (m_failed)
                    return false;
                ends.chop(1);
                continue;
            }
        }
        switch (peek()) {
        case Kind::Object:
            ++m_pos;
            m_justEntered = true;
            ends += '}';
            break;
        case Kind::Array:
            ++m_pos;
            m_justEntered = true;
            ends += ']';
            break;
        case Kind::String:
            if (!skipString())
                return false;
            break;
        default:
            if (!skipScalar())
                return false;
            break;
        }
    } while (!ends.isEmpty());
    return true;
}

} // namespace orvalink

// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/favorites/file_names.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <limits>

namespace orvalink {

namespace {

bool isRefusedCharacter(char16_t c)
{
    switch (c) {
    case u'/':
    case u'\\':
    case u':':
    case u'*':
    case u'?':
    case u'<':
    case u'>':
    case u'|':
    case u'"':
        return true;
    default:
        return false;
    }
}

bool isControl(char16_t c)
{
    return c < 0x20 || c == 0x7F;
}

// The nine characters, and with storableOnly also control characters, become "-"; with
// storableOnly a lone surrogate becomes U+FFFD. One pass, and no copy when nothing changes.
void replaceRefused(QString& text, bool storableOnly)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text.at(i).unicode();
        if (isRefusedCharacter(c) || (storableOnly && isControl(c))) {
            text[i] = QLatin1Char('-');
        } else if (storableOnly && QChar::isSurrogate(c)) {
            if (QChar::isHighSurrogate(c) && i + 1 < size && text.at(i + 1).isLowSurrogate())
                ++i;
            else
                text[i] = QChar(QChar::ReplacementCharacter);
        }
    }
}

// Bytes of UTF-8 for the code unit c, a surrogate counting half of its pair's four.
int utf8Bytes(char16_t c)
{
    if (c < 0x80)
        return 1;
    if (c < 0x800)
        return 2;
    return QChar::isSurrogate(c) ? 2 : 3;
}

int utf8Length(QStringView text)
{
    int bytes = 0;
    for (const QChar c : text)
        bytes += utf8Bytes(c.unicode());
    return bytes;
}

// Adds the code unit at i to the running counts; false when that would pass either limit.
bool fits(QStringView text, qsizetype i, int& codePoints, int& bytes, int maxCodePoints,
          int maxBytes)
{
    const char16_t c = text.at(i).unicode();
    const int newCodePoints = codePoints + (QChar::isLowSurrogate(c) ? 0 : 1);
    const int newBytes = bytes + utf8Bytes(c);
    if (newCodePoints > maxCodePoints || newBytes > maxBytes)
        return false;
    codePoints = newCodePoints;
    bytes = newBytes;
    return true;
}

// The longest start of text within both limits that ends where a character the user sees ends.
// A single character longer than the limits (a letter with hundreds of combining marks) is cut
// between code points instead, which still keeps surrogate pairs whole. The text holds no lone
// surrogates.
QString cut(const QString& text, int maxCodePoints, int maxBytes)
{
    int codePoints = 0;
    int bytes = 0;
    qsizetype i = 0;
    while (i < text.size() && fits(text, i, codePoints, bytes, maxCodePoints, maxBytes))
        ++i;
    if (i == text.size())
        return text;

    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype kept = 0;
    qsizetype j = 0;
    codePoints = 0;
    bytes = 0;
    for (qsizetype end = graphemes.toNextBoundary(); end > 0; end = graphemes.toNextBoundary()) {
        // After some scripts (Khmer) the finder also reports ends inside surrogate pairs.
        if (end < text.size() && text.at(end).isLowSurrogate())
            continue;
        while (j < end && fits(text, j, codePoints, bytes, maxCodePoints, maxBytes))
            ++j;
        if (j < end)
            break;
        kept = end;
    }
    if (kept == 0) {
        // i may stop between the units of a pair; the pair goes whole.
        kept = i > 0 && text.at(i - 1).isHighSurrogate() ? i - 1 : i;
    }
    return text.left(kept);
}

void chopTrailingDotsAndSpaces(QString& text)
{
    qsizetype size = text.size();
    while (size > 0 && (text.at(size - 1) == u'.' || text.at(size - 1) == u' '))
        --size;
    text.truncate(size);
}

// Cut to maxBytes of UTF-8, without the dots and spaces a cut may leave at the end.
void fitBytes(QString& text, int maxBytes)
{
    if (text.size() * 3 > maxBytes && utf8Length(text) > maxBytes)
        text = cut(text, std::numeric_limits<int>::max(), maxBytes);
    chopTrailingDotsAndSpaces(text);
}

bool equalsAsciiUpper(QStringView text, QLatin1StringView upper)
{
    if (text.size() != upper.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text.at(i).unicode();
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
        if (c != static_cast<char16_t>(upper.at(i).unicode()))
            return false;
    }
    return true;
}

// Where "_" goes when name is a device name Windows reserves, else -1. Windows reads only the
// stem (the part before the first dot, trailing spaces ignored): "con.txt" and "COM1 .x" are
// devices too. It also takes the superscript digits ¹²³ for 1, 2 and 3.
qsizetype deviceNameMarkPosition(const QString& name)
{
    qsizetype stemEnd = name.indexOf(u'.');
    if (stemEnd < 0)
        stemEnd = name.size();
    while (stemEnd > 0 && name.at(stemEnd - 1) == u' ')
        --stemEnd;
    const QStringView stem = QStringView(name).first(stemEnd);
    if (stem.size() == 3) {
        for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
            if (equalsAsciiUpper(stem, QLatin1StringView(device)))
                return stemEnd;
        }
    } else if (stem.size() == 4) {
        const char16_t digit = stem.at(3).unicode();
        const bool isDigit = (digit >= u'0' && digit <= u'9') || digit == u'\u00B9' ||
                             digit == u'\u00B2' || digit == u'\u00B3';
        if (isDigit && (equalsAsciiUpper(stem.first(3), QLatin1StringView("COM")) ||
                        equalsAsciiUpper(stem.first(3), QLatin1StringView("LPT"))))
            return stemEnd;
    }
    return -1;
}

// Names that a file system ignoring case takes for one file get one key. Lower case alone misses
// pairs that Windows' upper-case table joins (final and medial sigma, the long s and s, the
// dotless i and I); upper case first, then lower, joins those too.
QString sameFileKey(const QString& name)
{
    return name.toUpper().toLower();
}

} // namespace

QString CleanFileName(const QString& name)
{
    QString cleaned = name;
    replaceRefused(cleaned, false);
    return cleaned;
}

QString safeFileName(const QString& name, int number, QStringView extension,
                     const FileNameRules& rules)
{
    QString text = name;
    replaceRefused(text, true);
    if (rules.maxCharacters > 0 && text.size() > rules.maxCharacters)
        text = cut(text, rules.maxCharacters, std::numeric_limits<int>::max());

    QString suffix;
    if (number > 1)
        suffix = QStringLiteral(" (%1)").arg(number);
    suffix += extension;
    const int maxBytes = kMaxFileNameBytes - utf8Length(suffix);

    fitBytes(text, maxBytes);
    if (text.isEmpty())
        text = QStringLiteral("Untitled");
    if (rules.avoidDeviceNames) {
        if (const qsizetype mark = deviceNameMarkPosition(text); mark >= 0) {
            text.insert(mark, u'_');
            fitBytes(text, maxBytes);
        }
    }
    return text + suffix;
}

QString FolderNames::claim(const QString& name, QStringView extension, const FileNameRules& rules)
{
    QString candidate = safeFileName(name, 1, extension, rules);
    const QString firstKey = sameFileKey(candidate);
    qsizetype taken = m_taken.size();
    m_taken.insert(firstKey);
    if (m_taken.size() != taken)
        return candidate;

    int& next = m_nextNumber[firstKey];
    for (next = std::max(next, 2);; ++next) {
        candidate = safeFileName(name, next, extension, rules);
        taken = m_taken.size();
        m_taken.insert(sameFileKey(candidate));
        if (m_taken.size() != taken) {
            ++next;
            return candidate;
        }
    }
}

} // namespace orvalink

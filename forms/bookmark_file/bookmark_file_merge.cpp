// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/bookmark_file/bookmark_file_merge.h"

#include <array>

namespace orvalink {

namespace {

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Whether text holds word at pos, in any case.
bool hasAt(QByteArrayView text, qsizetype pos, QByteArrayView word)
{
    return text.size() - pos >= word.size() &&
           text.sliced(pos, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

// The ">" that ends the tag whose name starts at pos, before end; -1 when none does. A ">" inside
// a quoted attribute value does not end the tag: Firefox writes icons such as "data:...Y>1" raw.
qsizetype endOfTag(QByteArrayView text, qsizetype pos, qsizetype end)
{
    for (; pos < end; ++pos) {
        if (text[pos] == '>')
            return pos;
        if (text[pos] != '=')
            continue;
        qsizetype value = pos + 1;
        while (value < end && isSpace(text[value]))
            ++value;
        if (value < end && (text[value] == '"' || text[value] == '\'')) {
            pos = text.first(end).indexOf(text[value], value + 1);
            if (pos < 0)
                return -1;
        }
    }
    return -1;
}

// Elements whose content runs as plain text up to their own end tag.
bool isRawTextElement(QByteArrayView name)
{
    static constexpr std::array<QByteArrayView, 4> kNames = {"script", "style", "textarea",
                                                             "title"};
    for (const QByteArrayView rawText : kNames) {
        if (name.compare(rawText, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Where the end tag of the element name starts, from `from` on; -1 when it has none.
qsizetype findEndTag(QByteArrayView text, qsizetype from, QByteArrayView name)
{
    for (qsizetype pos = text.indexOf('<', from); pos >= 0; pos = text.indexOf('<', pos + 1)) {
        if (hasAt(text, pos, "</") && hasAt(text, pos + 2, name))
            return pos;
    }
    return -1;
}

} // namespace

MergePoint findMergePoint(QByteArrayView text)
{
    int depth = 0;
    bool sawList = false;
    qsizetype pos = 0;
    qsizetype lineEnd = -1;
    while ((pos = text.indexOf('<', pos)) >= 0) {
        const qsizetype tag = pos;
        if (hasAt(text, tag, "<!--")) {
            // As in HTML, "<!-->" and "<!--->" are whole comments.
            const qsizetype close = text.indexOf("-->", tag + 2);
            if (close < 0)
                return {MergePoint::Kind::EndsInsideMarkup};
            pos = close + 3;
            continue;
        }
        const bool endTag = hasAt(text, tag, "</");
        const qsizetype name = tag + (endTag ? 2 : 1);
        if (name >= text.size())
            break;
        const bool element = isAsciiLetter(text[name]);
        // A "<" that starts no tag is text; "<!DOCTYPE ...>" and "<?...>" end at their first ">".
        if (!element && (endTag || (text[name] != '!' && text[name] != '?'))) {
            pos = tag + 1;
            continue;
        }
        // The reader takes a file line by line: a tag, and a quote left open in it, end with
        // their line at the latest. The new lists must never go inside what it reads as a tag.
        // (The line's end is looked for once a line, however many tags it holds.)
        if (lineEnd < name) {
            lineEnd = text.indexOf('\n', name);
            if (lineEnd < 0)
                lineEnd = text.size();
        }
        qsizetype close = element ? endOfTag(text, name, lineEnd) : text.indexOf('>', name);
        if (close < 0 && element && lineEnd < text.size())
            close = lineEnd;
        if (close < 0)
            return {MergePoint::Kind::EndsInsideMarkup};
        pos = close + 1;
        if (!element)
            continue;
        qsizetype nameEnd = name;
        while (nameEnd < close && !isSpace(text[nameEnd]) && text[nameEnd] != '/' &&
               text[nameEnd] != '>')
            ++nameEnd;
        const QByteArrayView tagName = text.sliced(name, nameEnd - name);
        if (tagName.compare("dl", Qt::CaseInsensitive) == 0) {
            if (!endTag) {
                ++depth;
                sawList = true;
            } else if (depth > 0 && --depth == 0) {
                return {MergePoint::Kind::ListEnd, tag, 0};
            }
        } else if (!endTag && isRawTextElement(tagName)) {
            pos = findEndTag(text, pos, tagName);
            if (pos < 0)
                return {MergePoint::Kind::EndsInsideMarkup};
        }
    }
    if (!sawList)
        return {MergePoint::Kind::NoList};
    return {MergePoint::Kind::ListsOpen, text.size(), depth};
}

} // namespace orvalink

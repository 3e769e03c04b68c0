// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_document.h"

#include "platform/text_decoding.h"

#include <QSet>

namespace orvalink {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

qsizetype skipBlanks(const QByteArray& bytes, qsizetype from)
{
    while (from < bytes.size() && isBlank(bytes[from]))
        ++from;
    return from;
}

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

bool wrappedInQuotes(QStringView text)
{
    return text.size() >= 2 && isQuote(text.front()) && text.back() == text.front();
}

// Reading trims a value and drops one pair of wrapping quotes. A value that either would
// change is written inside quotes, so that it reads back exactly as it was written.
QByteArray encodeValue(QStringView value)
{
    const bool needsQuotes = !value.isEmpty() && (value.front().isSpace() ||
                                                  value.back().isSpace() || wrappedInQuotes(value));
    if (!needsQuotes)
        return value.toUtf8();
    return '"' + value.toUtf8() + '"';
}

// A line break or NUL would change the file's structure; a lone surrogate has no UTF-8 form, so it
// would read back as U+FFFD.
bool isStorable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r' || c == QChar(0))
            return false;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    return true;
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniDocument::IniDocument(QByteArray lineEnding)
    : m_lineEnding(std::move(lineEnding))
{}

QByteArray IniDocument::nativeLineEnding()
{
#ifdef Q_OS_WIN
    return QByteArrayLiteral("\r\n");
#else
    return QByteArrayLiteral("\n");
#endif
}

IniDocument IniDocument::parse(QByteArrayView bytes, QByteArray lineEnding)
{
    IniDocument document(std::move(lineEnding));
    if (bytes.startsWith(kUtf8Bom)) {
        document.m_hasBom = true;
        bytes = bytes.sliced(kUtf8Bom.size());
    }
    bool endingKnown = false;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        QByteArray raw;
        QByteArray ending;
        if (newline < 0) {
            raw = bytes.sliced(start).toByteArray();
            start = bytes.size();
        } else {
            raw = bytes.sliced(start, newline - start).toByteArray();
            ending = QByteArrayLiteral("\n");
            if (raw.endsWith('\r')) {
                raw.chop(1);
                ending = QByteArrayLiteral("\r\n");
            }
            start = newline + 1;
        }
        if (!endingKnown && !ending.isEmpty()) {
            document.m_lineEnding = ending;
            endingKnown = true;
        }
        document.m_lines.append(makeLine(std::move(raw), std::move(ending)));
    }
    return document;
}

QByteArray IniDocument::toBytes() const
{
    QByteArray bytes;
    if (m_hasBom)
        bytes += kUtf8Bom;
    for (const Line& line : m_lines)
        bytes += line.raw + line.ending;
    return bytes;
}

IniDocument::Line IniDocument::makeLine(QByteArray raw, QByteArray ending)
{
    Line line;
    line.raw = std::move(raw);
    line.ending = std::move(ending);
    const QByteArray& text = line.raw;
    const qsizetype first = skipBlanks(text, 0);
    if (first >= text.size() || text[first] == ';')
        return line;
    if (text[first] == '[') {
        // The name runs to the last "]", so names that hold a "]" survive.
        qsizetype close = text.lastIndexOf(']');
        if (close <= first)
            close = text.size();
        line.kind = LineKind::Section;
        line.name = decodeText(QByteArrayView(text).sliced(first + 1, close - first - 1)).trimmed();
        return line;
    }
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return line;
    QString key = decodeText(QByteArrayView(text).first(equals)).trimmed();
    if (key.isEmpty())
        return line;
    line.kind = LineKind::Key;
    line.name = std::move(key);
    line.valueOffset = skipBlanks(text, equals + 1);
    return line;
}

QString IniDocument::lineValue(const Line& line) const
{
    QString value = decodeText(QByteArrayView(line.raw).sliced(line.valueOffset));
    const qsizetype nul = value.indexOf(QChar(0));
    if (nul >= 0)
        value.truncate(nul);
    value = value.trimmed();
    if (wrappedInQuotes(value))
        value = value.mid(1, value.size() - 2);
    return value;
}

qsizetype IniDocument::findSection(QStringView section) const
{
    const QStringView wanted = section.trimmed();
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == LineKind::Section && sameName(m_lines[i].name, wanted))
            return i;
    }
    return -1;
}

qsizetype IniDocument::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != LineKind::Section)
        ++i;
    return i;
}

qsizetype IniDocument::insertionPoint(qsizetype header) const
{
    qsizetype last = header;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == LineKind::Key)
            last = i;
    }
    return last + 1;
}

qsizetype IniDocument::findKey(qsizetype header, QStringView key) const
{
    const QStringView wanted = key.trimmed();
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == LineKind::Key && sameName(m_lines[i].name, wanted))
            return i;
    }
    return -1;
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const qsizetype line = findKey(header, key);
    if (line < 0)
        return std::nullopt;
    return lineValue(m_lines[line]);
}

QList<SettingEntry> IniDocument::entries(QStringView section) const
{
    QList<SettingEntry> result;
    const qsizetype header = findSection(section);
    if (header < 0)
        return result;
    QSet<QString> seen;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const Line& line = m_lines[i];
        if (line.kind != LineKind::Key)
            continue;
        const QString folded = line.name.toCaseFolded();
        if (seen.contains(folded))
            continue;
        seen.insert(folded);
        result.append({line.name, lineValue(line)});
    }
    return result;
}

QStringList IniDocument::sectionNames() const
{
    QStringList names;
    QSet<QString> seen;
    for (const Line& line : m_lines) {
        if (line.kind != LineKind::Section)
            continue;
        const QString folded = line.name.toCaseFolded();
        if (seen.contains(folded))
            continue;
        seen.insert(folded);
        names.append(line.name);
    }
    return names;
}

bool IniDocument::canStore(QStringView section, QStringView key, QStringView value)
{
    const QStringView name = section.trimmed();
    const QStringView keyName = key.trimmed();
    if (name.isEmpty() || keyName.isEmpty())
        return false;
    if (!isStorable(section) || !isStorable(key) || !isStorable(value))
        return false;
    return !keyName.contains(u'=') && !keyName.startsWith(u'[') && !keyName.startsWith(u';');
}

bool IniDocument::setValue(QStringView section, QStringView key, QStringView value)
{
    if (!canStore(section, key, value))
        return false;
    const QByteArray encoded = encodeValue(value);
    const qsizetype header = findSection(section);
    if (header >= 0) {
        const qsizetype existing = findKey(header, key);
        if (existing >= 0) {
            Line& line = m_lines[existing];
            line.raw = line.raw.first(line.valueOffset) + encoded;
            return true;
        }
        const qsizetype at = insertionPoint(header);
        if (m_lines[at - 1].ending.isEmpty())
            m_lines[at - 1].ending = m_lineEnding;
        m_lines.insert(at, makeLine(key.trimmed().toUtf8() + '=' + encoded, m_lineEnding));
        return true;
    }
    if (!m_lines.isEmpty()) {
        Line& last = m_lines.last();
        if (last.ending.isEmpty())
            last.ending = m_lineEnding;
        if (!last.raw.trimmed().isEmpty())
            m_lines.append(makeLine(QByteArray(), m_lineEnding));
    }
    m_lines.append(makeLine('[' + section.trimmed().toUtf8() + ']', m_lineEnding));
    m_lines.append(makeLine(key.trimmed().toUtf8() + '=' + encoded, m_lineEnding));
    return true;
}

bool IniDocument::removeKey(QStringView section, QStringView key)
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return false;
    bool removed = false;
    for (qsizetype line = findKey(header, key); line >= 0; line = findKey(header, key)) {
        m_lines.removeAt(line);
        removed = true;
    }
    return removed;
}

bool IniDocument::removeSection(QStringView section)
{
    bool removed = false;
    // Comments and blank lines after a section's last key usually introduce the next section,
    // so they stay.
    for (qsizetype header = findSection(section); header >= 0; header = findSection(section)) {
        m_lines.remove(header, insertionPoint(header) - header);
        removed = true;
    }
    return removed;
}

} // namespace orvalink

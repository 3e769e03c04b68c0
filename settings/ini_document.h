// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace orvalink {

// One key of a section with the value it reads as.
struct SettingEntry
{
    QString key;
    QString value;
};

// An INI file held as its lines, so that a change rewrites only the lines it touches and every
// other line (comments, blank lines, unknown sections, odd spacing, the file's line ends and
// its encoding) is written back exactly as it was read.
//
// Reading follows the Windows profile functions that wrote most of these files: section and key
// names match without regard to case, values are trimmed, a value wrapped in one pair of
// matching quotes loses them, and the first of duplicated sections or keys is the one that
// counts. Lines are decoded one by one (UTF-8, or Windows-1252 where that fails); lines the
// document writes are UTF-8.
class IniDocument
{
public:
    // An empty document; lines it adds end with lineEnding.
    explicit IniDocument(QByteArray lineEnding = nativeLineEnding());

    // The document of a file's bytes. New lines take the file's first line end, or lineEnding
    // when the file has none.
    static IniDocument parse(QByteArrayView bytes, QByteArray lineEnding = nativeLineEnding());
    QByteArray toBytes() const;

    static QByteArray nativeLineEnding();

    // The value of a key of the first section of that name; nullopt when there is no such key.
    std::optional<QString> value(QStringView section, QStringView key) const;
    // The keys of the first section of that name with their values, in file order.
    QList<SettingEntry> entries(QStringView section) const;
    // Every section name once, in file order.
    QStringList sectionNames() const;

    // Whether a section, key and value can be written, and read back as they are, without
    // changing the file's structure: names not empty, no line breaks, NUL or lone surrogates
    // anywhere, a key without "=" that does not begin like a section or a comment.
    static bool canStore(QStringView section, QStringView key, QStringView value);

    // Replaces the key's value in place, or adds the key at the end of its section, or adds the
    // section at the end of the file. Returns false, changing nothing, when !canStore().
    bool setValue(QStringView section, QStringView key, QStringView value);
    // Removes the key (and its duplicates) from the first section of that name. Returns whether
    // anything was removed.
    bool removeKey(QStringView section, QStringView key);
    // Removes every section of that name with its keys. Returns whether anything was removed.
    bool removeSection(QStringView section);

private:
    enum class LineKind { Other, Section, Key };

    struct Line
    {
        QByteArray raw; // without its line end
        QByteArray ending;
        LineKind kind = LineKind::Other;
        QString name;               // section or key name, trimmed
        qsizetype valueOffset = -1; // where a key's value starts in raw
    };

    static Line makeLine(QByteArray raw, QByteArray ending);
    // The line index of the first section of that name, or -1.
    qsizetype findSection(QStringView section) const;
    // One past the last line of the section that starts at header: the next header or the end.
    qsizetype sectionEnd(qsizetype header) const;
    // The line after the section's header or last key: where a new key goes.
    qsizetype insertionPoint(qsizetype header) const;
    qsizetype findKey(qsizetype header, QStringView key) const;
    QString lineValue(const Line& line) const;

    QList<Line> m_lines;
    bool m_hasBom = false;
    QByteArray m_lineEnding;
};

} // namespace orvalink

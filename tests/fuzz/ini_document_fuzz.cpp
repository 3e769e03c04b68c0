// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an INI file, and any section, key and value to store in it: the document writes
// back exactly the bytes it read, and a stored value reads back exactly while every other line
// and every other key stays as it was.
//
// The input is the file, then optionally the section, the key and the value, each after a NUL.
// A part that starts with FF FE is UTF-16 code units, otherwise UTF-8. Without those parts the
// first key of the first section gets a new value.
#include "settings/ini_document.h"
#include "tests/fuzz/fuzz_support.h"

namespace orvalink::fuzz {

namespace {

QString textOf(QByteArrayView part)
{
    return part.startsWith("\xFF\xFE") ? utf16Units(part.sliced(2)) : QString::fromUtf8(part);
}

QList<QByteArrayView> splitAtNul(QByteArrayView input)
{
    QList<QByteArrayView> parts;
    for (qsizetype nul = input.indexOf('\0'); nul >= 0; nul = input.indexOf('\0')) {
        parts.append(input.first(nul));
        input = input.sliced(nul + 1);
    }
    parts.append(input);
    return parts;
}

// The file's lines, each with its line end.
QList<QByteArrayView> linesOf(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    while (!bytes.isEmpty()) {
        const qsizetype feed = bytes.indexOf('\n');
        const qsizetype length = feed < 0 ? bytes.size() : feed + 1;
        lines.append(bytes.first(length));
        bytes = bytes.sliced(length);
    }
    return lines;
}

QByteArrayView withoutLineEnd(QByteArrayView line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

QByteArrayView upToEquals(QByteArrayView line)
{
    const qsizetype equals = line.indexOf('=');
    return equals < 0 ? line : line.first(equals + 1);
}

// The new file is the old one with one line changed (past its "=", or only given a line end) and
// at most three lines added in one place: a blank line, a section and the key.
void checkOtherLinesKept(QByteArrayView before, QByteArrayView after)
{
    const QList<QByteArrayView> old = linesOf(before);
    const QList<QByteArrayView> now = linesOf(after);
    const auto [prefix, suffix] = commonEnds(old, now);
    const qsizetype changed = old.size() - prefix - suffix;
    const qsizetype added = now.size() - prefix - suffix - changed;
    bool kept = changed <= 1 && added >= 0 && added <= 3;
    if (kept && changed == 1) {
        const QByteArrayView was = withoutLineEnd(old[prefix]);
        const QByteArrayView is = now[prefix];
        kept = is.startsWith(was) || (was.contains('=') && upToEquals(is) == upToEquals(was));
    }
    check(kept, "storing a value leaves every other line alone", [&] {
        return visible(QString::fromUtf8(before)) + QStringLiteral("\nbecame\n") +
               visible(QString::fromUtf8(after));
    });
}

bool sameName(QStringView a, QStringView b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

void checkSetValue(const IniDocument& document, QByteArrayView bytes, const QString& section,
                   const QString& key, const QString& value)
{
    IniDocument changed = document;
    const bool stored = changed.setValue(section, key, value);
    check(stored == IniDocument::canStore(section, key, value), "setValue stores what it can");
    const QByteArray after = changed.toBytes();
    if (!stored) {
        check(after == bytes, "a value that cannot be stored changes nothing");
        return;
    }
    const QString detail = visible(section) + u'/' + visible(key) + u'=' + visible(value);
    check(changed.value(section, key) == value, "a stored value reads back",
          [&] { return detail; });
    const IniDocument reread = IniDocument::parse(after);
    check(reread.value(section, key) == value, "a stored value reads back from the file", [&] {
        return detail + QStringLiteral(" read ") +
               visible(reread.value(section, key).value_or(QStringLiteral("(none)")));
    });
    check(reread.toBytes() == after, "the changed file reads back as written");
    checkOtherLinesKept(bytes, after);
    for (const QString& name : document.sectionNames()) {
        for (const SettingEntry& entry : document.entries(name)) {
            if (sameName(name, section) && sameName(entry.key, key))
                continue;
            check(reread.value(name, entry.key) == entry.value,
                  "storing a value leaves every other key alone", [&] {
                      return visible(name) + u'/' + visible(entry.key) + QStringLiteral(" after ") +
                             detail;
                  });
        }
    }
}

} // namespace

} // namespace orvalink::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvalink;
    using namespace orvalink::fuzz;
    const QByteArrayView input(data, static_cast<qsizetype>(size));
    const QList<QByteArrayView> parts = splitAtNul(input);
    const QByteArrayView bytes = parts[0];

    const IniDocument document = IniDocument::parse(bytes);
    check(document.toBytes() == bytes, "a file is written back exactly as it was read");

    QString section = QStringLiteral("Fuzz");
    QString key = QStringLiteral("Key");
    QString value = QStringLiteral("value");
    if (parts.size() >= 4) {
        section = textOf(parts[1]);
        key = textOf(parts[2]);
        value = textOf(parts[3]);
    } else if (const QStringList names = document.sectionNames(); !names.isEmpty()) {
        section = names.first();
        if (const QList<SettingEntry> entries = document.entries(section); !entries.isEmpty())
            key = entries.first().key;
    }
    checkSetValue(document, bytes, section, key, value);
    return 0;
}

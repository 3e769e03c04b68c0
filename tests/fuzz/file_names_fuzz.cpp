// SPDX-License-Identifier: GPL-3.0-or-later
// Any names given out in one Favorites folder: each is one path component that every file system
// we write to stores as it is, and no two of them name the same file where case is ignored.
#include "forms/favorites/file_names.h"
#include "tests/fuzz/fuzz_support.h"

#include <QSet>
#include <QStringList>

namespace orvalink::fuzz {

namespace {

bool isRefused(char16_t c)
{
    return c < 0x20 || c == 0x7F || QStringView(u"/\\:*?\"<>|").contains(QChar(c));
}

bool hasLoneSurrogate(QStringView name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

// Windows opens a device for these stems, whatever follows the first dot.
bool isDeviceName(const QString& name)
{
    QString stem = name.section(u'.', 0, 0);
    while (stem.endsWith(u' '))
        stem.chop(1);
    stem = stem.toUpper();
    if (QStringList{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                    QStringLiteral("NUL")}
            .contains(stem))
        return true;
    return stem.size() == 4 && (stem.startsWith(u"COM") || stem.startsWith(u"LPT")) &&
           QStringView(u"0123456789\u00B9\u00B2\u00B3").contains(stem.at(3));
}

void checkName(const QString& name, QStringView extension, const FileNameRules& rules)
{
    const auto shown = [&] { return visible(name); };
    check(!name.isEmpty() && name != u"." && name != u"..", "a name is a file name", shown);
    for (const QChar c : name)
        check(!isRefused(c.unicode()), "a name holds no separator or control character", shown);
    check(!hasLoneSurrogate(name), "a name is valid Unicode", shown);
    check(!name.endsWith(u'.') && !name.endsWith(u' '), "a name ends in neither dot nor space",
          shown);
    check(name.toUtf8().size() <= 255, "a name fits in 255 bytes", shown);
    check(name.endsWith(extension), "a name keeps its extension", shown);
    if (rules.avoidDeviceNames)
        check(!isDeviceName(name), "a name is no device", shown);
}

// The names taken so far, each in the three ways of ignoring case that file systems use:
// lower case (ext4's casefold and FAT's long names come close), upper case (NTFS) and case
// folding (APFS).
class TakenNames
{
public:
    void take(const QString& name)
    {
        const bool fresh = !m_lower.contains(name.toLower()) && !m_upper.contains(name.toUpper()) &&
                           !m_folded.contains(name.toCaseFolded());
        check(fresh, "no two names in a folder are the same without regard to case",
              [&] { return visible(name); });
        m_lower.insert(name.toLower());
        m_upper.insert(name.toUpper());
        m_folded.insert(name.toCaseFolded());
    }

private:
    QSet<QString> m_lower;
    QSet<QString> m_upper;
    QSet<QString> m_folded;
};

} // namespace

} // namespace orvalink::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvalink;
    using namespace orvalink::fuzz;
    FuzzedDataProvider provider(data, size);
    FileNameRules rules;
    rules.avoidDeviceNames = provider.ConsumeBool();
    if (provider.ConsumeBool())
        rules.maxCharacters = provider.ConsumeIntegralInRange(1, 300);
    const QString extension = provider.ConsumeBool() ? QStringLiteral(".URL") : QString();

    FolderNames folder;
    TakenNames taken;
    QStringList asked;
    while (provider.remaining_bytes() > 0 && asked.size() < 64) {
        // Names that differ from an earlier one only in case are what numbering is for.
        QString name;
        switch (provider.ConsumeIntegralInRange(0, 3)) {
        case 0:
            name = consumeText(provider, 400);
            break;
        case 1:
            name = asked.value(provider.ConsumeIntegralInRange<qsizetype>(0, asked.size()));
            break;
        case 2:
            name =
                asked.value(provider.ConsumeIntegralInRange<qsizetype>(0, asked.size())).toUpper();
            break;
        default:
            name =
                asked.value(provider.ConsumeIntegralInRange<qsizetype>(0, asked.size())).toLower();
            break;
        }
        asked.append(name);
        const QString claimed = folder.claim(name, extension, rules);
        checkName(claimed, extension, rules);
        taken.take(claimed);
    }
    return 0;
}

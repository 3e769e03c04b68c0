// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/saved_locations.h"

#include "platform/file_helpers.h"
#include "settings/program_settings.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace orvalink {

namespace {

const QString kSettings = QStringLiteral("Settings");
// Histories read back five entries.
constexpr int kHistoryLength = 5;
constexpr int kEveryEntry = std::numeric_limits<int>::max();

bool folderUsable(const QString& entry)
{
    return FolderExists(entry);
}

bool profileFileUsable(const QString& entry)
{
    return FileExists(LocationEntryPath(entry));
}

bool fileUsable(const QString& entry)
{
    return FileExists(entry);
}

bool pageUsable(const QString& entry)
{
    return DestinationPathValid(entry);
}

// The keys of one form's locations.
struct LocationKeys
{
    FormId form;
    // The key, or for a history the name after the entry's index digit.
    QString name;
    bool history;
    // How many entries a save writes at most.
    int written;
    // Whether the entries discovery found are saved too.
    bool keepsDiscovered;
    bool (*usable)(const QString& entry);
};

const LocationKeys kLocationKeys[] = {
    {FormId::Favorites, QStringLiteral("FavLocation"), false, 1, true, folderUsable},
    {FormId::BookmarkFile, QStringLiteral("NNLocation"), true, kEveryEntry, true,
     profileFileUsable},
    {FormId::Hotlist, QStringLiteral("OperaHotlist"), true, kEveryEntry, false, fileUsable},
    {FormId::MenuPage, QStringLiteral("MenuLocation"), true, kHistoryLength, true, pageUsable},
    {FormId::Chromium, QStringLiteral("ChromiumLocation"), true, kEveryEntry, false, fileUsable},
};

const LocationKeys& keysOf(FormId form)
{
    const auto* keys = std::find_if(std::begin(kLocationKeys), std::end(kLocationKeys),
                                    [form](const LocationKeys& row) { return row.form == form; });
    Q_ASSERT(keys != std::end(kLocationKeys));
    return *keys;
}

QString keyOf(const LocationKeys& keys, int index)
{
    return keys.history ? QString::number(index) + keys.name : keys.name;
}

} // namespace

SavedLocations LoadLocations(SettingsReader& reader, FormId form)
{
    const LocationKeys& keys = keysOf(form);
    SavedLocations saved;
    const int count = keys.history ? kHistoryLength : 1;
    for (int i = 0; i < count; ++i) {
        const std::optional<QString> entry = reader.text(kSettings, keyOf(keys, i));
        if (!entry || !keys.usable(*entry))
            continue;
        saved.entries.append(*entry);
        if (i == 0)
            saved.newestKept = true;
    }
    return saved;
}

void SaveLocations(SettingsWriter& writer, FormId form, const QStringList& entries)
{
    const LocationKeys& keys = keysOf(form);
    QStringList kept;
    for (const QString& entry : entries) {
        if (keys.keepsDiscovered || !entry.startsWith(QLatin1Char('<')))
            kept.append(entry);
    }
    const qsizetype written = std::min<qsizetype>(kept.size(), keys.written);
    const qsizetype cleared = keys.history ? kHistoryLength : 1;
    for (qsizetype i = 0; i < std::max(written, cleared); ++i)
        writer.text(kSettings, keyOf(keys, int(i)), i < written ? kept[i] : QString());
}

QString LocationEntryPath(const QString& entry)
{
    const qsizetype mark = entry.lastIndexOf(QLatin1Char('>'));
    return mark < 0 ? entry : entry.mid(mark + 2);
}

} // namespace orvalink

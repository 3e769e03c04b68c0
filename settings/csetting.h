// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/result.h"
#include "settings/ini_document.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace orvalink {

// Named values kept in an INI file, addressed by section and key. Every call reads or writes
// the file at once and nothing is kept in memory, so two stores on one file see each other's
// writes, also across processes (the desktop program and the command line share the file):
// a write reads, changes and replaces the file under a lock file beside it, so no process
// loses another's change. Create one where it is needed and drop it afterwards.
//
// A failure carries the store's error number as its code, the operation as its source (for
// example "CSetting.GetSettingInt") and a message such as "Error reading Setting (6, Overflow)".
class CSetting
{
public:
    // Error numbers of the store's failures.
    static constexpr qint32 WritingError = static_cast<qint32>(0x80040202u);
    static constexpr qint32 SettingReadingError = static_cast<qint32>(0x80040203u);
    static constexpr qint32 SectionReadingError = static_cast<qint32>(0x80040204u);
    static constexpr qint32 DeletingError = static_cast<qint32>(0x80040205u);

    // Chooses the file. No name means the program's own options, "Orvalink". A name without a
    // "/" or "\" is the file name + ".ini" in the options folder (see optionsFolder(), which
    // programFolder is handed to); a name with one is a complete file path, used as it is.
    // Using a store before Init() is the same as calling Init() first.
    void Init(const QString& appName = QString(), const QString& programFolder = QString());

    // The file this store reads and writes.
    QString iniPath() const;

    // The key's value, "" for a key that is there with no value, defaultValue when the key or
    // its section or the file is missing.
    Result<QString> GetSettingStr(const QString& section, const QString& key,
                                  const QString& defaultValue = QString()) const;
    // The value's leading number: an optional minus and the decimal digits at its start ("12abc"
    // gives 12, "abc" gives 0). A missing key or an empty value gives defaultValue; a number
    // beyond 32 bits fails.
    Result<qint32> GetSettingInt(const QString& section, const QString& key,
                                 qint32 defaultValue = 0) const;
    // The section's keys and values in file order; empty when there is no such section.
    Result<QList<SettingEntry>> GetSettingAll(const QString& section) const;
    // The file's section names in file order; empty when it has none.
    Result<QStringList> GetSectionNames() const;

    // Writes a value, creating the folder, file, section and key as needed; an existing key's
    // value is replaced where it stands. Every other line of the file stays as it was.
    Result<void> SaveSettingStr(const QString& section, const QString& key, const QString& value);
    Result<void> SaveSettingInt(const QString& section, const QString& key, qint32 value);
    // Writes several values in one go: another store reading the file at the same moment sees
    // all of them or none (a colour preset is eight keys that only make sense together).
    struct Write
    {
        QString section;
        QString key;
        QString value;
    };
    Result<void> SaveSettings(const QList<Write>& writes);
    // Reads an integer as GetSettingInt() does and writes what change makes of it, in one go, so
    // that no other process writes in between (a running total). change returns the value to
    // write, or nothing to leave the file alone. Returns the value the setting holds afterwards.
    Result<qint32> UpdateSettingInt(const QString& section, const QString& key, qint32 defaultValue,
                                    const std::function<std::optional<qint32>(qint32)>& change);
    // Removes a key, or with an empty key the whole section. Removing what is not there
    // succeeds.
    Result<void> DeleteKey(const QString& section, const QString& key);

private:
    Result<void> write(const QList<Write>& writes, const char* operation);

    QString m_iniPath;
};

} // namespace orvalink

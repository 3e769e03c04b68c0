// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/csetting.h"

#include <QList>
#include <QString>
#include <optional>

namespace orvalink {

// The program's own files: its options (Orvalink.ini: window positions, saved options, location
// histories, the exported-items total) and its menu colour presets (ColorPreset.ini), both in
// one folder. Where that folder is gets decided once, as a front end starts (forThisMachine());
// the desktop program and the command line then hand this object down to whatever reads or
// writes options, as they hand down the Job. Nothing is kept in memory: every read and write
// goes to the files, so the desktop program and the command line see each other's changes.
class ProgramSettings
{
public:
    // Both files in folder, which is created when the first option is written.
    explicit ProgramSettings(QString folder);
    // The options folder of this machine: beside the program in portable mode, otherwise
    // $XDG_CONFIG_HOME/orvalink (see optionsFolder()).
    static ProgramSettings forThisMachine();

    const QString& folder() const { return m_folder; }
    QString optionsFile() const;
    QString colorPresetFile() const;

    // A store on the options file.
    CSetting optionsStore() const;

private:
    QString m_folder;
};

// Reads from the program's options. An options file that cannot be read at all gives the
// defaults, as a missing one does; a single value that cannot be read (a number beyond 32
// bits) is nothing, and whoever asked keeps what it had.
class SettingsReader
{
public:
    explicit SettingsReader(const ProgramSettings& settings);

    std::optional<qint32> integer(const QString& section, const QString& key, qint32 fallback);
    std::optional<QString> text(const QString& section, const QString& key,
                                const QString& fallback = QString());

private:
    bool fileUnreadable();

    CSetting m_store;
    std::optional<bool> m_unreadable;
};

// Collects a window's values and writes them in one go as it is destroyed. A value the file
// cannot hold (a line break in a path) is skipped; a store that cannot be written keeps its old
// values.
class SettingsWriter
{
public:
    explicit SettingsWriter(ProgramSettings& settings);
    SettingsWriter(const SettingsWriter&) = delete;
    SettingsWriter& operator=(const SettingsWriter&) = delete;
    ~SettingsWriter();

    void text(const QString& section, const QString& key, const QString& value);
    void integer(const QString& section, const QString& key, qint32 value);

private:
    CSetting m_store;
    QList<CSetting::Write> m_writes;
};

} // namespace orvalink

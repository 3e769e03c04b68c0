// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/program_settings.h"

#include "platform/special_folders.h"

#include <QFile>

namespace orvalink {

ProgramSettings::ProgramSettings(QString folder)
    : m_folder(std::move(folder))
{}

ProgramSettings ProgramSettings::forThisMachine()
{
    return ProgramSettings(optionsFolder());
}

QString ProgramSettings::optionsFile() const
{
    return m_folder + u'/' + kProgramName.toString() + QStringLiteral(".ini");
}

QString ProgramSettings::colorPresetFile() const
{
    return m_folder + QStringLiteral("/ColorPreset.ini");
}

CSetting ProgramSettings::optionsStore() const
{
    CSetting store;
    store.Init(optionsFile());
    return store;
}

SettingsReader::SettingsReader(const ProgramSettings& settings)
    : m_store(settings.optionsStore())
{}

std::optional<qint32> SettingsReader::integer(const QString& section, const QString& key,
                                              qint32 fallback)
{
    const Result<qint32> value = m_store.GetSettingInt(section, key, fallback);
    if (value)
        return value.value();
    return fileUnreadable() ? std::optional<qint32>(fallback) : std::nullopt;
}

std::optional<QString> SettingsReader::text(const QString& section, const QString& key,
                                            const QString& fallback)
{
    const Result<QString> value = m_store.GetSettingStr(section, key, fallback);
    if (value)
        return value.value();
    return fileUnreadable() ? std::optional<QString>(fallback) : std::nullopt;
}

bool SettingsReader::fileUnreadable()
{
    if (!m_unreadable) {
        QFile file(m_store.iniPath());
        m_unreadable = file.exists() && !file.open(QIODevice::ReadOnly);
    }
    return *m_unreadable;
}

SettingsWriter::SettingsWriter(ProgramSettings& settings)
    : m_store(settings.optionsStore())
{}

SettingsWriter::~SettingsWriter()
{
    if (!m_writes.isEmpty())
        static_cast<void>(m_store.SaveSettings(m_writes));
}

void SettingsWriter::text(const QString& section, const QString& key, const QString& value)
{
    if (IniDocument::canStore(section, key, value))
        m_writes.append({section, key, value});
}

void SettingsWriter::integer(const QString& section, const QString& key, qint32 value)
{
    text(section, key, QString::number(value));
}

} // namespace orvalink

#pragma once

#include "settings/csetting.h"

#include <QList>
#include <QString>
#include <optional>

namespace orvalink {

// Reads from the program's own options. An options file that cannot be read at all gives the
// defaults, as a missing one does; a single value that cannot be read (a number beyond 32
// bits) is nothing, and whoever asked keeps what it had.
class SettingsReader
{
public:
    SettingsReader();

    std::optional<qint32> integer(const QString& section, const QString& key, qint32 fallback);
    std::optional<QString> text(const QString& section, const QString& key,
                                const QString& fallback = QString());

private:
    bool fileUnreadable();

    CSetting m_store;
    std::optional<bool> m_unreadable;
};

// Collects a window's values and writes them in one go. A value the file cannot hold (a line
// break in a path) is skipped; a store that cannot be written keeps its old values.
class SettingsWriter
{
public:
    SettingsWriter() = default;
    SettingsWriter(const SettingsWriter&) = delete;
    SettingsWriter& operator=(const SettingsWriter&) = delete;
    ~SettingsWriter();

    void text(const QString& section, const QString& key, const QString& value);
    void integer(const QString& section, const QString& key, qint32 value);

private:
    QList<CSetting::Write> m_writes;
};

} // namespace orvalink

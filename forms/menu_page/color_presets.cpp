// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menu_page/color_presets.h"

#include "settings/csetting.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <optional>
#include <utility>

namespace orvalink {

namespace {

const QString kVersionSection = QStringLiteral("Version");
const QString kVersionKey = QStringLiteral("Version");
// The version the built-in presets carry, and the one the store is marked with once they are in.
constexpr double kBuiltInVersion = 1.1;
const QString kInstalledVersion = QStringLiteral("2");
constexpr double kInstalledVersionNumber = 2;

struct BuiltInPreset
{
    const char16_t* name;
    // The colours of slots 0 to 7 as they are stored.
    const char16_t* colors;
};

constexpr BuiltInPreset kBuiltInPresets[] = {
    {u"Ice", u"4469555 4469555 15722214 10543558 11440256 11440256 16777215 11440256"},
    {u"Steel", u"0 16777215 14535884 13408614 6710886 6710886 16777215 10053171"},
};

QString colorKey(int slot)
{
    return QStringLiteral("Color") + QString::number(slot);
}

// The number a stored value starts with: blanks, a sign, digits and a decimal fraction
// ("12abc" is 12); none when it does not start with a number.
std::optional<double> leadingNumber(QStringView text)
{
    text = text.trimmed();
    qsizetype end = 0;
    if (end < text.size() && (text[end] == u'-' || text[end] == u'+'))
        ++end;
    bool digits = false;
    bool point = false;
    for (; end < text.size(); ++end) {
        const QChar c = text[end];
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (c == u'.' && !point)
            point = true;
        else
            break;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(text.first(end), &ok);
    if (!digits || !ok)
        return std::nullopt;
    return value;
}

CSetting openStore(const QString& storeName)
{
    CSetting store;
    store.Init(storeName);
    return store;
}

} // namespace

MenuColorPresets::MenuColorPresets(QString storeName)
    : m_storeName(std::move(storeName))
    , m_rows(1)
    , m_entries{Entry{QStringLiteral("<Custom>"), CustomRow}}
{}

void MenuColorPresets::InstallBuiltInPresets()
{
    CSetting store = openStore(m_storeName);
    const Result<QString> version =
        store.GetSettingStr(kVersionSection, kVersionKey, QStringLiteral("0"));
    // A store that cannot be read is left alone rather than written over.
    if (!version)
        return;
    // A version that is no number is as good as none.
    const double installed = leadingNumber(version.value()).value_or(0);
    if (installed >= kInstalledVersionNumber)
        return;
    // One write for the presets and the version mark: another program reading the store at the
    // same time sees both presets whole or none, and a failed write leaves the version as it was,
    // so the next start tries again.
    QList<CSetting::Write> writes;
    if (kBuiltInVersion > installed) {
        for (const BuiltInPreset& preset : kBuiltInPresets) {
            const QString name = QString::fromUtf16(preset.name);
            const QStringList colors =
                QString::fromUtf16(preset.colors).split(u' ', Qt::SkipEmptyParts);
            for (int slot = 0; slot < colors.size(); ++slot)
                writes.append({name, colorKey(slot), colors[slot]});
        }
    }
    writes.append({kVersionSection, kVersionKey, kInstalledVersion});
    (void)store.SaveSettings(writes);
}

void MenuColorPresets::LoadColorPresets()
{
    m_rows.assign(1, MenuColorPreset{});
    m_entries.assign(1, Entry{QStringLiteral("<Custom>"), CustomRow});

    const CSetting store = openStore(m_storeName);
    const Result<QStringList> sections = store.GetSectionNames();
    if (!sections)
        return;
    MenuColors colors = kDefaultMenuColors;
    for (int k = 0; k < sections.value().size(); ++k) {
        const QString& name = sections.value()[k];
        if (name.isEmpty() || name.compare(kVersionSection, Qt::CaseInsensitive) == 0)
            continue;
        for (int slot = 0; slot < MenuColorSlotCount; ++slot) {
            const Result<QString> stored =
                store.GetSettingStr(name, colorKey(slot), QStringLiteral("-1"));
            if (!stored)
                return;
            const std::optional<double> value = leadingNumber(stored.value());
            if (value && *value > -1 && *value <= kLargestMenuColor)
                colors[static_cast<size_t>(slot)] = static_cast<MenuColor>(*value);
        }
        m_rows.resize(static_cast<size_t>(k) + 2);
        m_rows[static_cast<size_t>(k) + 1] = MenuColorPreset{colors, name};
        m_entries.push_back(Entry{name, k + 1});
    }
}

int MenuColorPresets::findEntry(const QString& name) const
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

bool MenuColorPresets::isRefusedName(const QString& name)
{
    const QString trimmed = name.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith(u'<') ||
           trimmed.compare(kVersionSection, Qt::CaseInsensitive) == 0;
}

int MenuColorPresets::entryOverwrittenBy(const QString& name) const
{
    const QString trimmed = name.trimmed();
    // Entry 0 is "<Custom>", which no stored preset can be.
    for (size_t i = 1; i < m_entries.size(); ++i) {
        if (m_entries[i].name.compare(trimmed, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

Result<void> MenuColorPresets::SaveColorPreset(const QString& name, const MenuColors& colors)
{
    if (isRefusedName(name))
        return Failure(QCoreApplication::translate("orvalink::ColorPresets",
                                                   "A Menu Color Preset cannot be named %1.")
                           .arg(name));
    CSetting store = openStore(m_storeName);
    const QString section = name.trimmed();
    QList<CSetting::Write> writes;
    for (int slot = 0; slot < MenuColorSlotCount; ++slot)
        writes.append(
            {section, colorKey(slot), QString::number(colors[static_cast<size_t>(slot)])});
    return store.SaveSettings(writes);
}

Result<int> MenuColorPresets::savePreset(const QString& name, const MenuColors& colors)
{
    if (Result<void> saved = SaveColorPreset(name, colors); !saved)
        return saved.failure();
    QString shown = name.trimmed();
    const int overwritten = entryOverwrittenBy(shown);
    if (overwritten >= 0) {
        // The store kept the section's first spelling; the list shows what the store holds.
        shown = m_entries[static_cast<size_t>(overwritten)].name;
        m_entries.erase(m_entries.begin() + overwritten);
    }
    m_rows.push_back(MenuColorPreset{colors, shown});
    m_entries.push_back(Entry{shown, rowCount() - 1});
    return static_cast<int>(m_entries.size()) - 1;
}

Result<void> MenuColorPresets::deletePreset(int entry)
{
    if (entry <= 0 || entry >= static_cast<int>(m_entries.size()))
        return Failure(QCoreApplication::translate("orvalink::ColorPresets",
                                                   "There is no Menu Color Preset to delete."));
    const QString name = m_entries[static_cast<size_t>(entry)].name;
    m_entries.erase(m_entries.begin() + entry);
    CSetting store = openStore(m_storeName);
    return store.DeleteKey(name, QString());
}

} // namespace orvalink

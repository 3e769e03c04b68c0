// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/menu_options.h"
#include "model/result.h"

#include <QString>
#include <vector>

namespace orvalink {

// One row of the preset table: eight colours and the preset's name ("" for "<Custom>" and for
// rows that stay unused).
struct MenuColorPreset
{
    MenuColors Colors = kDefaultMenuColors;
    QString PresetName;
};

// The named colour presets of the menu window, kept in the preset store ColorPreset.ini: one
// section per preset with the keys Color0 to Color7, and the section "Version" saying which
// built-in presets have been installed.
//
// The table has "<Custom>" in row 0, the colours set by hand since the window opened; the
// stored presets follow in the store's order, each in the row of its section index + 1 (so the
// row of the skipped "Version" section stays unused), then the presets saved since. Rows are
// never removed or reused. The list the window shows is entries(): "<Custom>" first, then the
// presets in load order, presets saved since at the end, each with its row.
//
// Preset names match as the store matches sections, without regard to case: saving "ice"
// overwrites "Ice". Errors of the store are never shown: loading keeps what it loaded, saving
// adds nothing, deleting still takes the entry out of the list.
class MenuColorPresets
{
public:
    static constexpr int CustomRow = 0;

    struct Entry
    {
        QString name;
        int row = CustomRow;
    };

    // storeName: the preset store as CSetting::Init() takes it; "ColorPreset" is the file beside
    // the program's own options, a path names any file.
    explicit MenuColorPresets(QString storeName = QStringLiteral("ColorPreset"));

    // Writes the built-in presets "Ice" and "Steel" into the store unless its version says they
    // are there already, then marks it version "2". A user's changes to them survive later runs.
    void InstallBuiltInPresets();

    // Rebuilds the table and the list from the store: "<Custom>" with its default colours, then
    // every stored preset. A missing or invalid colour (no number from 0 to 16777215) keeps the
    // colour of the preset read before it, or "<Custom>"'s for the first.
    void LoadColorPresets();

    const std::vector<Entry>& entries() const { return m_entries; }
    // The entry whose name is exactly this, or -1 (how the window finds the preset chosen last).
    int findEntry(const QString& name) const;
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const MenuColorPreset& row(int row) const { return m_rows[static_cast<size_t>(row)]; }

    // A name no preset may take: empty, beginning with "<" (kept for "<Custom>"), or the store's
    // own section "Version" in any case. Blanks around a name do not count.
    static bool isRefusedName(const QString& name);
    // The entry that saving under this name would overwrite, or -1: the window asks first.
    int entryOverwrittenBy(const QString& name) const;

    // Writes the preset's section (the eight colours as decimal numbers) into the store; fails
    // for a refused name or when the store refuses a key.
    Result<void> SaveColorPreset(const QString& name, const MenuColors& colors);
    // Saves a preset as the window's "Save Preset..." does: writes it, adds a row, takes the
    // entry it overwrites out of the list and adds the preset at the end. Overwriting keeps the
    // stored spelling of the name. Returns the new entry's position; on failure nothing changes.
    Result<int> savePreset(const QString& name, const MenuColors& colors);
    // Deletes the preset of a list entry from the store and takes the entry out of the list,
    // even when the store refuses (the entry comes back when the window opens again). The
    // first entry, "<Custom>", cannot be deleted. The failure, if any, is the store's.
    Result<void> deletePreset(int entry);

    // The colours of a row, for the colour boxes.
    MenuColors ApplyColorPreset(int row) const { return this->row(row).Colors; }
    // The colours set by hand become "<Custom>"'s.
    void StoreCustomColors(const MenuColors& colors) { m_rows[CustomRow].Colors = colors; }

private:
    QString m_storeName;
    std::vector<MenuColorPreset> m_rows;
    std::vector<Entry> m_entries;
};

} // namespace orvalink

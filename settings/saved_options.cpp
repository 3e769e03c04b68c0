// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/saved_options.h"

#include "settings/program_settings.h"

#include <QStringView>
#include <initializer_list>
#include <limits>

namespace orvalink {

namespace {

const QString kSettings = QStringLiteral("Settings");

// How option buttons are stored: the chosen one -1, the others 0.
constexpr qint32 kButtonChosen = -1;
constexpr qint32 kButtonCleared = 0;

// One option button of a choice. A key that is not read is written for whoever reads the file,
// and never decides the choice.
struct ButtonKey
{
    QStringView key;
    bool read = true;
};

// The saved-options table of each struct: every key, its default and its stored form, in the
// order the keys are written. A table is walked by the visitors below, which load, save or set
// the defaults.
template <typename Options> struct SavedKeys;

template <> struct SavedKeys<FileWindowOptions>
{
    template <typename Table> static void walk(Table& table)
    {
        using O = FileWindowOptions;
        table.checkBox(&O::backup, u"Backup", true);
        table.checkBox(&O::linksBefore, u"LinksBefore", false);
        table.checkBox(&O::keepOrder, u"KeepOrder", false);
        // Neither button set is what an export made of such a file: no merge, the top level.
        table.optionButtons(&O::oldBookmarks, {{u"OldErase"}, {u"OldMerge"}}, OldBookmarks::Merge,
                            OldBookmarks::Overwrite);
        table.optionButtons(&O::where, {{u"0Where"}, {u"1Where"}}, FileWhere::NewFolder,
                            FileWhere::Root);
    }
};

template <> struct SavedKeys<FavoritesWindowOptions>
{
    template <typename Table> static void walk(Table& table)
    {
        using O = FavoritesWindowOptions;
        // Only "WhereRoot" is read: the new folder is chosen whenever the top level is not.
        table.optionButtons(&O::where, {{u"WhereRoot"}, {u"WhereNew", false}},
                            FavoritesWhere::NewFolder, FavoritesWhere::NewFolder);
    }
};

template <> struct SavedKeys<MenuWindowOptions>
{
    template <typename Table> static void walk(Table& table)
    {
        using O = MenuWindowOptions;
        table.text(&O::colorPreset, u"ColorPreset", u"");
        table.checkBox(&O::openInNewWindow, u"OpenInNewWin", true);
        table.checkBox(&O::showUrl, u"ShowURL", true);
        table.checkBox(&O::vertical, u"Vertical", false);
        table.checkBox(&O::shadows, u"Shadows", true);
        table.checkBox(&O::showStatistics, u"Statistics", false);
        table.checkBox(&O::breakSubmenus, u"BreakVertical", true);
        table.checkBox(&O::showInBrowser, u"ShowInBrowser", true);
        table.text(&O::pageTitle, u"PageTitle", u"Bookmarks By Orvalink");
        table.number16(&O::breakAfter, u"BreakAfter", 25);
        table.checkBox(&O::keepOrder, u"MenuKeepOrder", false);
    }
};

template <typename Options> class DefaultsVisitor
{
public:
    explicit DefaultsVisitor(Options& options)
        : m_options(options)
    {}

    void checkBox(bool Options::*member, QStringView, bool fallback)
    {
        m_options.*member = fallback;
    }
    template <typename Choice>
    void optionButtons(Choice Options::*member, std::initializer_list<ButtonKey>, Choice fallback,
                       Choice)
    {
        m_options.*member = fallback;
    }
    void text(QString Options::*member, QStringView, QStringView fallback)
    {
        m_options.*member = fallback.toString();
    }
    void number16(qint16 Options::*member, QStringView, qint16 fallback)
    {
        m_options.*member = fallback;
    }

private:
    Options& m_options;
};

// Reads into options, which hold the defaults already: what cannot be read stays so.
template <typename Options> class LoadVisitor
{
public:
    LoadVisitor(SettingsReader& reader, Options& options)
        : m_reader(reader)
        , m_options(options)
    {}

    void checkBox(bool Options::*member, QStringView key, bool fallback)
    {
        const std::optional<qint32> value = m_reader.integer(kSettings, key.toString(), fallback);
        if (value == 0 || value == 2)
            m_options.*member = false;
        else if (value == 1)
            m_options.*member = true;
    }
    // The last button whose value is not 0 is the chosen one; whenNone when there is none.
    template <typename Choice>
    void optionButtons(Choice Options::*member, std::initializer_list<ButtonKey> buttons,
                       Choice fallback, Choice whenNone)
    {
        Choice chosen = whenNone;
        int index = 0;
        for (const ButtonKey& button : buttons) {
            const auto choice = static_cast<Choice>(index++);
            if (!button.read)
                continue;
            const qint32 stored = choice == fallback ? kButtonChosen : kButtonCleared;
            if (m_reader.integer(kSettings, button.key.toString(), stored).value_or(stored) != 0)
                chosen = choice;
        }
        m_options.*member = chosen;
    }
    void text(QString Options::*member, QStringView key, QStringView fallback)
    {
        if (const std::optional<QString> value =
                m_reader.text(kSettings, key.toString(), fallback.toString()))
            m_options.*member = *value;
    }
    void number16(qint16 Options::*member, QStringView key, qint16 fallback)
    {
        const std::optional<qint32> value = m_reader.integer(kSettings, key.toString(), fallback);
        if (value && *value >= std::numeric_limits<qint16>::min() &&
            *value <= std::numeric_limits<qint16>::max())
            m_options.*member = static_cast<qint16>(*value);
    }

private:
    SettingsReader& m_reader;
    Options& m_options;
};

template <typename Options> class SaveVisitor
{
public:
    SaveVisitor(SettingsWriter& writer, const Options& options)
        : m_writer(writer)
        , m_options(options)
    {}

    void checkBox(bool Options::*member, QStringView key, bool)
    {
        m_writer.integer(kSettings, key.toString(), m_options.*member ? 1 : 0);
    }
    template <typename Choice>
    void optionButtons(Choice Options::*member, std::initializer_list<ButtonKey> buttons, Choice,
                       Choice)
    {
        int index = 0;
        for (const ButtonKey& button : buttons) {
            const bool chosen = static_cast<Choice>(index++) == m_options.*member;
            m_writer.integer(kSettings, button.key.toString(),
                             chosen ? kButtonChosen : kButtonCleared);
        }
    }
    void text(QString Options::*member, QStringView key, QStringView)
    {
        m_writer.text(kSettings, key.toString(), m_options.*member);
    }
    void number16(qint16 Options::*member, QStringView key, qint16)
    {
        m_writer.integer(kSettings, key.toString(), m_options.*member);
    }

private:
    SettingsWriter& m_writer;
    const Options& m_options;
};

template <typename Options> void setDefaults(Options& options)
{
    DefaultsVisitor<Options> defaults(options);
    SavedKeys<Options>::walk(defaults);
}

} // namespace

FileWindowOptions::FileWindowOptions()
{
    setDefaults(*this);
}

FavoritesWindowOptions::FavoritesWindowOptions()
{
    setDefaults(*this);
}

MenuWindowOptions::MenuWindowOptions()
{
    setDefaults(*this);
}

template <typename Options> Options LoadOptions(SettingsReader& reader)
{
    Options options;
    LoadVisitor<Options> load(reader, options);
    SavedKeys<Options>::walk(load);
    return options;
}

template <typename Options> void SaveOptions(SettingsWriter& writer, const Options& options)
{
    SaveVisitor<Options> save(writer, options);
    SavedKeys<Options>::walk(save);
}

template FileWindowOptions LoadOptions<FileWindowOptions>(SettingsReader&);
template FavoritesWindowOptions LoadOptions<FavoritesWindowOptions>(SettingsReader&);
template MenuWindowOptions LoadOptions<MenuWindowOptions>(SettingsReader&);
template void SaveOptions<FileWindowOptions>(SettingsWriter&, const FileWindowOptions&);
template void SaveOptions<FavoritesWindowOptions>(SettingsWriter&, const FavoritesWindowOptions&);
template void SaveOptions<MenuWindowOptions>(SettingsWriter&, const MenuWindowOptions&);

} // namespace orvalink

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/storage_form.h"
#include "model/progress.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

namespace orvalink {

// Where a file picked with the file dialog goes into a location list.
enum class BrowsedPlace {
    // At the top: just below the placeholder.
    First,
    // Just below the placeholder and the entries discovery added.
    AfterDiscovered,
};

// Which entries count towards the five browsed files a list keeps.
enum class BrowsedLimit {
    // Every entry but the placeholder: discovered entries can be pushed out too (the Favorites
    // export window's destination list).
    AllEntries,
    // The entries beyond the placeholder and the discovered ones.
    BeyondDiscovered,
};

// A location list: a combo box of bookmark files, hotlists or menu pages. Item 0 is a
// placeholder ("- Please Select a Bookmark File -") that is never a file; then come the files
// discovery found on this machine, the saved history and the files the user browsed for.
// Discovered Firefox files read "<profile> path".
//
// When the user chooses an entry other than the placeholder, entryChosen() lets the window take
// it over (set the job's location, count the source, ...); then the entry moves to index 1 (the
// most recent choice always sits just below the placeholder) and its path becomes the combo's
// tool tip. Choosing the placeholder after a file was chosen puts that file back; before, it
// changes nothing. Moving entries never reports a choice of its own.
//
// A list without a placeholder (the menu page list) keeps its most recent choice at index 0.
class LocationList : public QObject
{
    Q_OBJECT

public:
    // The list takes over combo (not its ownership). An empty placeholder: no placeholder item.
    LocationList(QComboBox* combo, const QString& placeholder, QObject* parent = nullptr);
    ~LocationList() override;

    QComboBox* combo() const { return m_combo; }
    // Replaces the placeholder's text (it depends on the window's mode).
    void setPlaceholder(const QString& text);

    // The file of an entry: the text from two characters after the last ">", or the whole text
    // when it has none.
    static QString pathOf(const QString& entry);
    // The profile name of a "<profile> path" entry: the text between the first character and the
    // last ">"; "" for a plain path.
    static QString profileOf(const QString& entry);

    // The index of the first entry after the placeholder (1, or 0 without a placeholder).
    int firstEntryIndex() const;
    // The entries beyond the placeholder.
    int entryCount() const;
    bool isPlaceholderShown() const;
    // The entry shown now, and its file; "" while the placeholder shows.
    QString currentEntry() const;
    QString currentPath() const;
    // The file chosen last (the combo's tool tip); "" when none or after reset().
    QString chosenPath() const;
    // Sets the chosen file (shown as the combo's tool tip).
    void setChosenPath(const QString& path);
    // The index of the entry with exactly this text, or -1.
    int indexOf(const QString& entry) const;

    // How many entries discovery added.
    int discoveredCount() const { return m_discovered; }
    // Adds the browser files of the forms found on this machine (Firefox's databases and
    // bookmark files for a Firefox source list, Opera's hotlist for a hotlist list) that are not
    // listed yet, with the status texts "Retrieving Bookmark Files" and "Ready", and returns how
    // many it added. When the list then holds the placeholder and exactly one file while the
    // placeholder shows, that file is chosen.
    int discover(const std::vector<const StorageForm*>& forms, Progress& progress);

    // Adds a file picked with the file dialog as an entry, unless an entry reads exactly path:
    // when the list already keeps five browsed files (counted as limit says), its last item goes
    // first. Returns the entry's index. Does not choose it.
    int addBrowsed(const QString& path, BrowsedPlace place, BrowsedLimit limit);

    // Chooses the entry at index as the user's click does (see above).
    void choose(int index);
    // Chooses the entry with exactly this text; nothing when there is none.
    void chooseEntry(const QString& entry);
    // Chooses the entry shown now: the saved history selects its first entry as the window
    // loads, and that choice is taken over like a click.
    void chooseCurrent();
    // Back to "nothing chosen": tool tip "", the placeholder shown; nothing is reported.
    void reset();
    // Widens the drop-down to the longest entry.
    void fitDropWidth();

signals:
    // The user chose entry (not the placeholder). Sent before the entry moves to the top.
    void entryChosen(const QString& entry);

private:
    void activated(int index);
    void moveToTop(int index);
    void showIndex(int index);

    QPointer<QComboBox> m_combo;
    bool m_hasPlaceholder;
    int m_discovered = 0;
    // Set while the list changes itself, so that no change counts as the user's choice.
    bool m_moving = false;
    // The entry chosen last, put back when the placeholder is chosen.
    QString m_previous;
};

// The file dialog that picks a source file of the form, with its title: all files, or (shown
// first) the form's files; the file must exist.
// The open dialog offers the files of every form of the source's family (see sourceFamily()).
// Both open at current, the file the window shows now (its folder when the file is gone), so that
// the user starts beside the file they are replacing rather than wherever a dialog was last.
FileDialogRequest sourceFileRequest(const StorageForm& form, const QString& title,
                                    const QString& current);
// The file dialog that picks a file of the form to write, with its title: all files, or (shown
// first) the form's files; an existing file is replaced only when the user agrees.
FileDialogRequest destinationFileRequest(const StorageForm& form, const QString& title,
                                         const QString& current);

// A browsed source file that holds no link: "Select a Bookmark File" / "The Selected File Does
// Not Contain Any Bookmark.", no icon.
UserMessage noBookmarkMessage();

} // namespace orvalink

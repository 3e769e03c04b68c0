// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"

#include <QStringList>
#include <vector>

namespace orvalink {

// Which entries and folders of a source the selection window shows while the user looks for
// something: an entry matches when every typed word appears, without regard to case, somewhere
// in its name or its address; a folder is shown when it holds a match, its own name matches, or
// a folder below it is shown. The root is always shown, so that the tree never goes blank.
//
// The case-folded names and addresses are made once (see prepare()), and extended when folders
// are listed later; each search then only compares.
class LinkFilter
{
public:
    explicit LinkFilter(const BookmarkModel& source);

    // Folds the names and addresses of every listed entry now, so that the next search only
    // compares. The window calls it when the search field takes the focus, before the first
    // word is typed.
    void prepare() { foldNewEntries(); }
    // Searches for the words of text; text without words shows everything again.
    void setText(const QString& text);
    bool isActive() const { return !m_words.isEmpty(); }

    bool showsEntry(int linkRow) const;
    bool showsFolder(int row) const;

private:
    void foldNewEntries();
    bool matches(const QString& folded) const;

    const BookmarkModel& m_source;
    // Per link row: its name and address, case folded, joined by a line break (which no word
    // holds, so no word matches across the two).
    std::vector<QString> m_folded;
    QStringList m_words;
    std::vector<bool> m_entryShown;
    std::vector<bool> m_folderShown;
};

} // namespace orvalink

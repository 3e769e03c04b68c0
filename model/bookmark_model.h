// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_tables.h"
#include "model/export_mode.h"
#include "model/folder_tree.h"

#include <QString>
#include <functional>
#include <vector>

namespace orvalink {

// One loaded source: the folder and link tables, the folder tree over them, and the user's
// choice of folders and links with its counters. The selection window shows it and forwards the
// user's clicks to the selection rules below; the writers walk it.
//
// Invariants, kept by every operation:
// - node n of the tree shows folder row n, and a folder's parent row is its node's parent;
// - a folder's SelectedLinks is the number of its checked links (subfolder entries aside), and
//   SelectedLinkCount() their sum over all folders;
// - SelectedFolderCount() is the number of checked folders other than the root;
// - a folder is bold exactly when it, or a folder below it, has a checked link.
class BookmarkModel
{
public:
    // Fills the entries of a folder that is not listed yet. Favorites folders are listed on
    // first need; the file sources list every folder while loading and need no lister.
    using FolderLister = std::function<void(BookmarkModel& model, int row)>;

    // form: the form the model was read from; location: the folder or file it was read from.
    BookmarkModel(FormId form, QString location);

    FormId form() const { return m_form; }
    const QString& location() const { return m_location; }

    const FolderTable& folders() const { return m_folders; }
    const LinkTable& links() const { return m_links; }
    const FolderTree& tree() const { return m_tree; }
    const FolderRecord& folder(int row) const { return m_folders[static_cast<size_t>(row)]; }
    const LinkRecord& link(int row) const { return m_links[static_cast<size_t>(row)]; }
    int folderCount() const { return static_cast<int>(m_folders.size()); }

    int LinkCount() const { return static_cast<int>(m_links.size()); }
    // Links the lister left out of the folders it listed because they have no address (an
    // Internet Shortcut without "URL="): the source's count includes them, the tables do not.
    int skippedLinkCount() const { return m_skippedLinkCount; }
    int SelectedFolderCount() const { return m_selectedFolderCount; }
    int SelectedLinkCount() const { return m_selectedLinkCount; }

    // --- Building (loaders) ---

    // Appends a folder row and its tree node; the root (parentRow -1) comes first. The caption
    // is what the tree shows, which differs from the name only for the Favorites root.
    int addFolder(int parentRow, QString name, QString caption);
    int addFolder(int parentRow, const QString& name) { return addFolder(parentRow, name, name); }
    // Room for count entries in all, and details for as many: a hint only. Reserving what goes
    // unused costs address space only, while growing the tables would copy them and touch twice
    // the memory.
    void reserveEntries(size_t count);
    // A folder's entries are appended between these two calls, in source order.
    void beginEntries(int row);
    void appendEntry(LinkRecord entry);
    void endEntries(int row);
    void addSkippedLink() { ++m_skippedLinkCount; }
    // Sets what a folder's source keeps besides its name.
    void setFolderDates(int row, const EntryDates& dates);
    void setFolderRole(int row, FolderRole role);
    // Puts details into the side table and returns their index for a record's Details;
    // NoDetails for details that hold nothing.
    int addDetails(EntryDetails details);
    void setFolderDetails(int row, int detailsIndex);
    void setFolderLister(FolderLister lister) { m_lister = std::move(lister); }
    // Lists the folder's entries when that has not happened yet; false when they could not be
    // listed (an unreadable directory), in which case the folder shows no entries.
    bool ensureListed(int row);

    void setExpanded(int row, bool expanded) { m_tree.setExpanded(row, expanded); }

    // --- What the source keeps besides names and addresses ---

    // The details a record's Details index names; empty ones for NoDetails.
    const EntryDetails& details(int index) const;
    // A link's or folder's dates and details: a subfolder entry's are those of its folder.
    const EntryDates& entryDates(int linkRow) const;
    const EntryDetails& entryDetails(int linkRow) const;
    // The date the entry list shows for an entry: the last write of a Favorites entry's file, the
    // added date of a file source's entry; unknown when the source does not keep it.
    BookmarkTime shownDate(int linkRow) const;

    // --- Reading the choice ---

    bool isChecked(int row) const { return m_tree.node(row).checked; }
    bool isBold(int row) const { return m_tree.node(row).bold; }
    // What an entry's check box shows: a link's own Selected, a subfolder entry's folder check.
    bool entryChecked(int linkRow) const;

    // The link table rows of the folder's links (subfolder entries and separators aside), sorted
    // by name: all of them, or only the checked ones. The folder must be listed.
    std::vector<int> GetFolderLinks(int row, bool exportAll) const;

    // --- Selection rules ---

    // Sets the folder's check box and applies it: the folder is listed if needed, every link of
    // the folder takes the state, and counters and bold marks follow.
    void ApplyFolderCheck(int row, bool checked);
    // A change of one entry's check box in the entry list of folder folderRow. A subfolder
    // entry checks or unchecks its folder; a link checks its folder when it is the first checked
    // link, and unchecks it when it was the last.
    void ApplyEntryCheck(int folderRow, int linkRow, bool checked);
    // "Check Selected" / "Uncheck Selected": every listed entry whose check differs.
    void CheckEntries(int folderRow, const std::vector<int>& linkRows, bool checked);
    // "Check Folder && All Subs" / "Uncheck Folder && All Subs".
    void CheckFolderAndAllSubs(int row);
    void UncheckFolderAndAllSubs(int row);
    // "Check All Folders" / "Uncheck All Folders".
    void CheckAllFolders();
    void UncheckAllFolders();
    // "Check All" / "Uncheck All" of the entry list: all links of one folder.
    void CheckAllLinks(int row);
    void UncheckAllLinks(int row);

private:
    // Fills the tables of a file source directly (see model_builder.h).
    friend class ModelBuilder;

    void setFolderCheckBox(int row, bool checked);
    void setLinkSelected(int folderRow, int linkRow, bool selected);
    void refreshBold(int row);

    FormId m_form;
    QString m_location;
    FolderTable m_folders;
    LinkTable m_links;
    std::vector<EntryDetails> m_details;
    FolderTree m_tree;
    FolderLister m_lister;
    int m_selectedFolderCount = 0;
    int m_selectedLinkCount = 0;
    int m_skippedLinkCount = 0;
};

} // namespace orvalink

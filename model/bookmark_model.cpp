// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bookmark_model.h"

#include "model/huge_pages.h"
#include "model/text_order.h"

#include <utility>

namespace orvalink {

BookmarkModel::BookmarkModel(FormId form, QString location)
    : m_form(form)
    , m_location(std::move(location))
{}

int BookmarkModel::addFolder(int parentRow, QString name, QString caption)
{
    const int row = folderCount();
    FolderRecord record;
    record.Name = std::move(name);
    record.Parent = parentRow;
    record.FirstLink = LinkCount();
    record.LastLink = record.FirstLink - 1;
    growInHugePages(m_folders);
    m_folders.push_back(std::move(record));
    m_tree.addNode(parentRow, std::move(caption), row);
    return row;
}

void BookmarkModel::reserveEntries(size_t count)
{
    reserveInHugePages(m_links, count);
    reserveInHugePages(m_details, count);
}

void BookmarkModel::beginEntries(int row)
{
    FolderRecord& record = m_folders[static_cast<size_t>(row)];
    record.FirstLink = LinkCount();
    record.LastLink = record.FirstLink - 1;
}

void BookmarkModel::appendEntry(LinkRecord entry)
{
    m_links.push_back(std::move(entry));
}

void BookmarkModel::endEntries(int row)
{
    FolderRecord& record = m_folders[static_cast<size_t>(row)];
    record.LastLink = LinkCount() - 1;
    record.LinksLoaded = true;
}

bool BookmarkModel::ensureListed(int row)
{
    if (!folder(row).LinksLoaded && m_lister)
        m_lister(*this, row);
    return folder(row).LinksLoaded;
}

void BookmarkModel::setFolderDates(int row, const EntryDates& dates)
{
    m_folders[static_cast<size_t>(row)].Dates = dates;
}

void BookmarkModel::setFolderRole(int row, FolderRole role)
{
    m_folders[static_cast<size_t>(row)].Role = role;
}

int BookmarkModel::addDetails(EntryDetails details)
{
    if (details.isEmpty())
        return NoDetails;
    m_details.push_back(std::move(details));
    return static_cast<int>(m_details.size()) - 1;
}

void BookmarkModel::setFolderDetails(int row, int detailsIndex)
{
    m_folders[static_cast<size_t>(row)].Details = detailsIndex;
}

const EntryDetails& BookmarkModel::details(int index) const
{
    static const EntryDetails none;
    return index == NoDetails ? none : m_details[static_cast<size_t>(index)];
}

const EntryDates& BookmarkModel::entryDates(int linkRow) const
{
    const LinkRecord& entry = link(linkRow);
    return entry.isSubfolder() ? folder(entry.SubfolderRow).Dates : entry.Dates;
}

const EntryDetails& BookmarkModel::entryDetails(int linkRow) const
{
    const LinkRecord& entry = link(linkRow);
    return details(entry.isSubfolder() ? folder(entry.SubfolderRow).Details : entry.Details);
}

BookmarkTime BookmarkModel::shownDate(int linkRow) const
{
    const EntryDates& dates = entryDates(linkRow);
    return m_form == FormId::Favorites ? dates.modified : dates.added;
}

bool BookmarkModel::entryChecked(int linkRow) const
{
    const LinkRecord& entry = link(linkRow);
    return entry.isSubfolder() ? isChecked(entry.SubfolderRow) : entry.Selected;
}

std::vector<int> BookmarkModel::GetFolderLinks(int row, bool exportAll) const
{
    std::vector<int> rows;
    const FolderRecord& record = folder(row);
    if (!record.LinksLoaded)
        return rows;
    const auto wanted = [exportAll](const LinkRecord& entry) {
        return entry.isLink() && (exportAll || entry.Selected);
    };
    // The rows first, so that their keys go into one buffer of the right size.
    qsizetype units = 0;
    for (int r = record.FirstLink; r <= record.LastLink; ++r) {
        if (wanted(link(r))) {
            rows.push_back(r);
            units += link(r).Name.size();
        }
    }
    CaseBlindKeys names;
    names.reserve(rows.size(), units);
    for (int r : rows)
        names.add(link(r).Name);
    std::vector<int> sorted;
    sorted.reserve(rows.size());
    for (int position : names.order())
        sorted.push_back(rows[static_cast<size_t>(position)]);
    return sorted;
}

void BookmarkModel::setFolderCheckBox(int row, bool checked)
{
    if (isChecked(row) == checked)
        return;
    m_tree.setChecked(row, checked);
    // The root is never counted: it stands for the whole source, not for a folder of it.
    if (row != FolderTree::root())
        m_selectedFolderCount += checked ? 1 : -1;
}

void BookmarkModel::setLinkSelected(int folderRow, int linkRow, bool selected)
{
    LinkRecord& entry = m_links[static_cast<size_t>(linkRow)];
    if (entry.Selected == selected)
        return;
    entry.Selected = selected;
    const int delta = selected ? 1 : -1;
    m_folders[static_cast<size_t>(folderRow)].SelectedLinks += delta;
    m_selectedLinkCount += delta;
}

void BookmarkModel::refreshBold(int row)
{
    if (folder(row).SelectedLinks > 0) {
        // Bold marks always run up to the root, so the walk can stop at the first bold one.
        for (int current = row; current != -1 && !isBold(current); current = folder(current).Parent)
            m_tree.setBold(current, true);
        return;
    }
    for (int current = row; current != -1; current = folder(current).Parent) {
        if (folder(current).SelectedLinks > 0)
            return;
        for (int child : m_tree.children(current)) {
            if (isBold(child))
                return;
        }
        if (!isBold(current))
            return;
        m_tree.setBold(current, false);
    }
}

void BookmarkModel::ApplyFolderCheck(int row, bool checked)
{
    ensureListed(row);
    setFolderCheckBox(row, checked);
    const FolderRecord& record = folder(row);
    for (int r = record.FirstLink; r <= record.LastLink; ++r) {
        if (link(r).isLink())
            setLinkSelected(row, r, checked);
    }
    refreshBold(row);
}

void BookmarkModel::ApplyEntryCheck(int folderRow, int linkRow, bool checked)
{
    LinkRecord& entry = m_links[static_cast<size_t>(linkRow)];
    if (entry.isSeparator())
        return;
    if (entry.isSubfolder()) {
        entry.Selected = checked;
        ApplyFolderCheck(entry.SubfolderRow, checked);
        return;
    }
    setLinkSelected(folderRow, linkRow, checked);
    // A folder is checked while it holds a checked link: the first checked link checks it, and
    // unchecking the last one unchecks it. Its other links are left as they are.
    if (checked)
        setFolderCheckBox(folderRow, true);
    else if (folder(folderRow).SelectedLinks == 0)
        setFolderCheckBox(folderRow, false);
    refreshBold(folderRow);
}

void BookmarkModel::CheckEntries(int folderRow, const std::vector<int>& linkRows, bool checked)
{
    for (int linkRow : linkRows) {
        if (entryChecked(linkRow) != checked)
            ApplyEntryCheck(folderRow, linkRow, checked);
    }
}

void BookmarkModel::CheckFolderAndAllSubs(int row)
{
    for (int node : m_tree.subtree(row))
        ApplyFolderCheck(node, true);
}

void BookmarkModel::UncheckFolderAndAllSubs(int row)
{
    for (int node : m_tree.subtree(row)) {
        if (isChecked(node))
            ApplyFolderCheck(node, false);
    }
}

void BookmarkModel::CheckAllFolders()
{
    for (int node = 0; node < m_tree.size(); ++node)
        ApplyFolderCheck(node, true);
}

void BookmarkModel::UncheckAllFolders()
{
    for (int node = 0; node < m_tree.size(); ++node)
        ApplyFolderCheck(node, false);
}

void BookmarkModel::CheckAllLinks(int row)
{
    ApplyFolderCheck(row, true);
}

void BookmarkModel::UncheckAllLinks(int row)
{
    if (isChecked(row))
        ApplyFolderCheck(row, false);
}

} // namespace orvalink

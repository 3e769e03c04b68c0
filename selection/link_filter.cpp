// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/link_filter.h"

#include <QRegularExpression>

namespace orvalink {

namespace {

// Simple case folding, character by character in place, with ASCII done inline: it is what the
// first search spends its time on, and about twice as fast as QString::toCaseFolded() on the
// mostly ASCII addresses. Names and typed words both pass through it, so they always agree.
QString foldCase(QString text)
{
    for (QChar& c : text) {
        const char16_t code = c.unicode();
        if (code < 0x80) {
            if (code >= u'A' && code <= u'Z')
                c = QChar(char16_t(code + (u'a' - u'A')));
        } else if (c.isSurrogate()) {
            return std::move(text).toCaseFolded();
        } else {
            c = c.toCaseFolded();
        }
    }
    return text;
}

} // namespace

LinkFilter::LinkFilter(const BookmarkModel& source)
    : m_source(source)
{}

void LinkFilter::foldNewEntries()
{
    const int count = m_source.LinkCount();
    m_folded.reserve(static_cast<size_t>(count));
    for (int row = static_cast<int>(m_folded.size()); row < count; ++row) {
        const LinkRecord& entry = m_source.link(row);
        m_folded.push_back(foldCase(entry.Name + QLatin1Char('\n') + entry.URL));
    }
}

bool LinkFilter::matches(const QString& folded) const
{
    for (const QString& word : m_words) {
        if (!folded.contains(word))
            return false;
    }
    return true;
}

void LinkFilter::setText(const QString& text)
{
    m_words = foldCase(text).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    m_entryShown.clear();
    m_folderShown.clear();
    if (!isActive())
        return;
    foldNewEntries();
    m_entryShown.assign(m_folded.size(), false);
    m_folderShown.assign(static_cast<size_t>(m_source.folderCount()), false);
    const FolderTree& tree = m_source.tree();
    auto showWithAncestors = [&](int row) {
        for (int node = row;
             node != FolderTree::NoNode && !m_folderShown[static_cast<size_t>(node)];
             node = tree.node(node).parent)
            m_folderShown[static_cast<size_t>(node)] = true;
    };
    for (int folderRow = 0; folderRow < m_source.folderCount(); ++folderRow) {
        const FolderRecord& folder = m_source.folder(folderRow);
        if (!folder.LinksLoaded)
            continue;
        for (int row = folder.FirstLink; row <= folder.LastLink; ++row) {
            if (!matches(m_folded[static_cast<size_t>(row)]))
                continue;
            m_entryShown[static_cast<size_t>(row)] = true;
            showWithAncestors(folderRow);
            // A matching subfolder entry shows its folder too, so that it can be opened.
            const int subfolder = m_source.link(row).SubfolderRow;
            if (subfolder != LinkRecord::NoSubfolder)
                showWithAncestors(subfolder);
        }
    }
    if (!tree.isEmpty())
        m_folderShown[static_cast<size_t>(FolderTree::root())] = true;
}

bool LinkFilter::showsEntry(int linkRow) const
{
    return !isActive() || (static_cast<size_t>(linkRow) < m_entryShown.size() &&
                           m_entryShown[static_cast<size_t>(linkRow)]);
}

bool LinkFilter::showsFolder(int row) const
{
    return !isActive() || m_folderShown[static_cast<size_t>(row)];
}

} // namespace orvalink

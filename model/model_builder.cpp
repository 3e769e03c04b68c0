// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/model_builder.h"

#include "model/huge_pages.h"

#include <iterator>
#include <utility>

namespace orvalink {

ModelBuilder::ModelBuilder(FormId form, QString location, QString rootCaption)
    : m_model(std::make_unique<BookmarkModel>(form, std::move(location)))
    , m_images(IconIndex::of(form))
    , m_open{m_model->addFolder(-1, std::move(rootCaption))}
    , m_pending(1)
{}

void ModelBuilder::reserve(int folders, int entries)
{
    reserveInHugePages(m_model->m_folders, static_cast<size_t>(folders) + 1);
    m_model->reserveEntries(static_cast<size_t>(entries));
    m_model->m_tree.reserve(folders + 1);
}

int ModelBuilder::openFolder(QString name)
{
    const int row = m_model->addFolder(currentFolder(), name);
    LinkRecord entry;
    entry.Kind = EntryKind::Folder;
    entry.Name = std::move(name);
    entry.SubfolderRow = row;
    entry.IconIndex = m_images.folder;
    addEntry(std::move(entry));
    m_open.push_back(row);
    if (m_pending.size() < m_open.size())
        m_pending.emplace_back();
    return row;
}

void ModelBuilder::closeFolder()
{
    if (m_open.size() == 1)
        return;
    flush(static_cast<int>(m_open.size()) - 1);
    m_open.pop_back();
}

LinkRecord& ModelBuilder::addLink(QString name, QString url)
{
    LinkRecord entry;
    entry.Name = std::move(name);
    entry.URL = std::move(url);
    entry.IconIndex = m_images.link;
    addEntry(std::move(entry));
    return m_pending[m_open.size() - 1].back();
}

void ModelBuilder::addSeparator()
{
    LinkRecord entry;
    entry.Kind = EntryKind::Separator;
    addEntry(std::move(entry));
}

EntryDetails& ModelBuilder::editDetails(int& detailsIndex)
{
    std::vector<EntryDetails>& table = m_model->m_details;
    if (detailsIndex == NoDetails) {
        detailsIndex = static_cast<int>(table.size());
        table.emplace_back();
    }
    return table[static_cast<size_t>(detailsIndex)];
}

std::unique_ptr<BookmarkModel> ModelBuilder::finish()
{
    for (int depth = static_cast<int>(m_open.size()) - 1; depth >= 0; --depth)
        flush(depth);
    m_open.resize(1);
    m_model->setExpanded(0, true);
    return std::move(m_model);
}

void ModelBuilder::addEntry(LinkRecord entry)
{
    m_pending[m_open.size() - 1].push_back(std::move(entry));
}

void ModelBuilder::flush(int depth)
{
    std::vector<LinkRecord>& entries = m_pending[static_cast<size_t>(depth)];
    LinkTable& links = m_model->m_links;
    const int row = m_open[static_cast<size_t>(depth)];
    m_model->beginEntries(row);
    links.insert(links.end(), std::make_move_iterator(entries.begin()),
                 std::make_move_iterator(entries.end()));
    m_model->endEntries(row);
    entries.clear();
}

} // namespace orvalink

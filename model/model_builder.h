// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/shared_blocks.h"

#include <QString>
#include <memory>
#include <vector>

namespace orvalink {

// Builds the tables of a source read in one pass, in the order a file nests its folders: a folder
// opens, its entries and subfolders follow, it closes. Folder rows are numbered as folders open,
// so a parent's row always comes before its children's. A folder's entries wait in a pending list
// until it closes and then go into the link table together, which keeps them contiguous however
// subfolders interleave with them. The pending lists are kept from folder to folder, so once the
// deepest level has been reached nothing more is allocated for them.
class ModelBuilder
{
public:
    // rootCaption: the name of row 0, the source's root, which is open from the start.
    ModelBuilder(FormId form, QString location, QString rootCaption);

    // Room for what a count of the source found, or a bound on it; a hint only (see
    // BookmarkModel::reserveEntries()).
    void reserve(int folders, int entries);

    // Adds a folder entry to the current folder, makes a row for it and makes it the current
    // folder; returns its row.
    int openFolder(QString name);
    // Closes the current folder; the root stays open.
    void closeFolder();
    // Adds a link to the current folder and returns it for filling in what the source keeps
    // besides its name and address. The reference holds until the next entry is added.
    LinkRecord& addLink(QString name, QString url);
    void addSeparator();

    // The folder entries now go into.
    int currentFolder() const { return m_open.back(); }
    // A folder row, for filling in its dates, role and details.
    FolderRecord& folder(int row) { return m_model->m_folders[static_cast<size_t>(row)]; }
    // The details a record's Details index names, made (and the index set) when it has none
    // yet. Readers ask only to set something, so no record ends up with details that hold
    // nothing. The reference holds until the next call.
    EntryDetails& editDetails(int& detailsIndex);

    // The text the reader walks, when an array of its own holds it: bytes kept from it are then
    // views of it instead of copies (see SharedBlocks::share()).
    void shareSource(const QByteArray& text) { m_blocks.share(text); }
    // Bytes and UTF-8 text to keep in the model, such as icons and plain addresses: stored
    // in shared blocks rather than one allocation each (see SharedBlocks).
    QByteArray keptBytes(QByteArrayView bytes) { return m_blocks.keep(bytes); }
    QString keptUtf8(QByteArrayView bytes) { return m_blocks.fromUtf8(bytes); }
    // Text a reader decodes straight into the shared blocks (see SharedBlocks::text()).
    template <typename Write> QString keptText(qsizetype capacity, Write write)
    {
        return m_blocks.text(capacity, write);
    }

    // Closes the folders left open and hands over the model, its root expanded.
    std::unique_ptr<BookmarkModel> finish();

private:
    void addEntry(LinkRecord entry);
    void flush(int depth);

    std::unique_ptr<BookmarkModel> m_model;
    IconIndex::EntryImages m_images;
    // The rows of the open folders, the root first.
    std::vector<int> m_open;
    // The entries of each open folder by depth; never shrunk, so each level's capacity is reused.
    std::vector<std::vector<LinkRecord>> m_pending;
    SharedBlocks m_blocks;
};

} // namespace orvalink

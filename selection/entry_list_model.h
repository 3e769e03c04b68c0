// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/entry_order.h"
#include "selection/link_filter.h"
#include "selection/natural_order.h"
#include "selection/selection_images.h"
#include "selection/shown_look.h"

#include <QAbstractTableModel>
#include <QFont>
#include <vector>

namespace orvalink {

// The entries of one folder as a table: "Link Name" with the check box and the entry image,
// "URL" and "Creation Date", in the order of the list's sort column (names in natural order),
// only the entries the filter shows. Like FolderTreeModel it
// only shows the BookmarkModel: a check box the user changes is handed on as checkRequested(),
// and the owner applies the rules and calls refresh().
class EntryListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NameColumn, UrlColumn, DateColumn, ColumnCount };

    EntryListModel(const BookmarkModel& source, const LinkFilter& filter,
                   const SelectionImages& images, QObject* parent = nullptr);

    // Lists the entries of a folder (listed beforehand; an unlisted folder shows none) that the
    // filter shows now, sorted by column.
    void setFolder(int folderRow, EntryColumn column, bool descending);
    int folder() const { return m_folder; }
    // Sorts the listed entries again; highlighted entries stay highlighted.
    void sortBy(EntryColumn column, bool descending);

    // The link table row shown in a list row.
    int linkRowAt(int row) const { return m_rows[static_cast<size_t>(row)]; }

    // Announces every entry whose check box or bold mark differs from what it showed last.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    // The user changed the check box of the entry in this link table row.
    void checkRequested(int linkRow, bool checked);

private:
    // How an entry looks now.
    ShownLook lookOf(int linkRow) const;
    static int sectionOf(EntryColumn column) { return static_cast<int>(column) - 1; }
    // The folder's entries the filter shows, in the order of the sort column.
    std::vector<int> shownRows() const;

    const BookmarkModel& m_source;
    const LinkFilter& m_filter;
    NaturalOrder m_nameOrder;
    SelectionImages m_images;
    QFont m_boldFont;
    int m_folder = -1;
    EntryColumn m_column = EntryColumn::LinkName;
    bool m_descending = false;
    // The link table rows in list order, and what each list row showed when last announced.
    std::vector<int> m_rows;
    std::vector<ShownLook> m_shown;
};

} // namespace orvalink

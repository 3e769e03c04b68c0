// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/entry_list_model.h"

#include <QLocale>
#include <algorithm>

namespace orvalink {

EntryListModel::EntryListModel(const BookmarkModel& source, const LinkFilter& filter,
                               const SelectionImages& images, QObject* parent)
    : QAbstractTableModel(parent)
    , m_source(source)
    , m_filter(filter)
    , m_images(images)
{
    // Only the weight is set: the view fills in the rest from its own font.
    m_boldFont.setBold(true);
}

ShownLook EntryListModel::lookOf(int linkRow) const
{
    const LinkRecord& entry = m_source.link(linkRow);
    const bool bold = entry.isSubfolder() && m_source.isBold(entry.SubfolderRow);
    return {m_source.entryChecked(linkRow), bold};
}

std::vector<int> EntryListModel::shownRows() const
{
    std::vector<int> rows = sortedEntryRows(m_source, m_folder, m_column, m_descending);
    std::erase_if(rows, [&](int linkRow) { return !m_filter.showsEntry(linkRow); });
    if (m_column == EntryColumn::LinkName) {
        // Subfolder entries (no URL) stay ahead of the links in ascending order.
        m_nameOrder.sort(
            rows, [&](int linkRow) { return m_source.link(linkRow).URL.isEmpty() ? 0 : 1; },
            [&](int linkRow) { return m_source.link(linkRow).Name; }, m_descending);
    }
    return rows;
}

void EntryListModel::setFolder(int folderRow, EntryColumn column, bool descending)
{
    const int oldSection = sectionOf(m_column);
    beginResetModel();
    m_folder = folderRow;
    m_column = column;
    m_descending = descending;
    m_rows = shownRows();
    m_shown.clear();
    m_shown.reserve(m_rows.size());
    for (int linkRow : m_rows)
        m_shown.push_back(lookOf(linkRow));
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, std::min(oldSection, sectionOf(column)),
                           std::max(oldSection, sectionOf(column)));
}

void EntryListModel::sortBy(EntryColumn column, bool descending)
{
    const int oldSection = sectionOf(m_column);
    m_column = column;
    m_descending = descending;
    if (m_folder >= 0) {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const std::vector<int> oldRows = m_rows;
        m_rows = shownRows();
        for (size_t i = 0; i < m_rows.size(); ++i)
            m_shown[i] = lookOf(m_rows[i]);
        // Highlighted and current entries follow their rows to their new places.
        const int firstLink = m_source.folder(m_folder).FirstLink;
        // Sized for every entry of the folder: its separators have no row of their own.
        std::vector<int> newRowOfLink(static_cast<size_t>(m_source.folder(m_folder).entryCount()));
        for (size_t i = 0; i < m_rows.size(); ++i)
            newRowOfLink[static_cast<size_t>(m_rows[i] - firstLink)] = static_cast<int>(i);
        const QModelIndexList from = persistentIndexList();
        QModelIndexList to;
        to.reserve(from.size());
        for (const QModelIndex& old : from) {
            const int linkRow = oldRows[static_cast<size_t>(old.row())];
            to.append(index(newRowOfLink[static_cast<size_t>(linkRow - firstLink)], old.column()));
        }
        changePersistentIndexList(from, to);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }
    emit headerDataChanged(Qt::Horizontal, std::min(oldSection, sectionOf(column)),
                           std::max(oldSection, sectionOf(column)));
}

void EntryListModel::refresh()
{
    // Runs of changed rows are announced as one range each.
    int first = -1;
    auto flush = [&](int endRow) {
        if (first == -1)
            return;
        emit dataChanged(index(first, NameColumn), index(endRow - 1, ColumnCount - 1),
                         {Qt::CheckStateRole, Qt::FontRole});
        first = -1;
    };
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const ShownLook now = lookOf(m_rows[i]);
        if (now == m_shown[i]) {
            flush(static_cast<int>(i));
            continue;
        }
        m_shown[i] = now;
        if (first == -1)
            first = static_cast<int>(i);
    }
    flush(static_cast<int>(m_rows.size()));
}

int EntryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int EntryListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int linkRow = linkRowAt(index.row());
    const LinkRecord& entry = m_source.link(linkRow);
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn:
            return entry.Name;
        case UrlColumn:
            return entry.URL;
        case DateColumn: {
            // An entry whose source keeps no date shows an empty column.
            const QDate date = localDate(m_source.shownDate(linkRow));
            return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString();
        }
        }
        return {};
    case Qt::ToolTipRole:
        return entry.URL.isEmpty() ? QVariant() : QVariant(entry.URL);
    case Qt::DecorationRole:
        return index.column() == NameColumn ? QVariant(m_images.entry(entry.IconIndex))
                                            : QVariant();
    case Qt::CheckStateRole:
        if (index.column() != NameColumn)
            return {};
        return m_source.entryChecked(linkRow) ? Qt::Checked : Qt::Unchecked;
    case Qt::FontRole:
        return lookOf(linkRow).bold ? QVariant(m_boldFont) : QVariant();
    default:
        return {};
    }
}

bool EntryListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != NameColumn)
        return false;
    const int linkRow = linkRowAt(index.row());
    const bool checked = value.toInt() == Qt::Checked;
    if (checked != m_source.entryChecked(linkRow))
        emit checkRequested(linkRow, checked);
    return true;
}

Qt::ItemFlags EntryListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == NameColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant EntryListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        switch (section) {
        case NameColumn:
            return tr("Link Name");
        case UrlColumn:
            return tr("URL");
        case DateColumn:
            return tr("Creation Date");
        }
    }
    if (role == Qt::DecorationRole && section == sectionOf(m_column))
        return m_images.sortArrow(m_descending);
    return {};
}

} // namespace orvalink

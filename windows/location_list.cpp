// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/location_list.h"

#include "forms/form_table.h"
#include "settings/saved_locations.h"
#include "ui/combo_helpers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QScopedValueRollback>
#include <algorithm>

namespace orvalink {

namespace {

// How many browsed files a list keeps.
constexpr int kBrowsedFiles = 5;

// "All Files (*.*)|*.*|HTML Files|*.html;*.htm|": everything, or the form's files, which the
// dialog shows first.
FileDialogRequest fileRequest(const StorageForm& form, const QString& title,
                              const QString& filterName)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = QCoreApplication::translate("orvalink::LocationList", "All Files (*.*)") +
                     QStringLiteral("|*.*|%1|%2|").arg(filterName, form.fileFilter().patterns);
    request.filterIndex = 2;
    request.defaultExtension = form.fileFilter().defaultExtension;
    return request;
}

} // namespace

LocationList::LocationList(QComboBox* combo, const QString& placeholder, QObject* parent)
    : QObject(parent)
    , m_combo(combo)
    , m_hasPlaceholder(!placeholder.isEmpty())
{
    if (m_hasPlaceholder) {
        m_combo->insertItem(0, placeholder);
        showIndex(0);
    }
    connect(m_combo, &QComboBox::activated, this, &LocationList::activated);
}

LocationList::~LocationList() = default;

void LocationList::setPlaceholder(const QString& text)
{
    if (m_hasPlaceholder)
        m_combo->setItemText(0, text);
}

QString LocationList::pathOf(const QString& entry)
{
    return LocationEntryPath(entry);
}

QString LocationList::profileOf(const QString& entry)
{
    const qsizetype mark = entry.lastIndexOf(QLatin1Char('>'));
    return mark < 1 ? QString() : entry.mid(1, mark - 1);
}

int LocationList::firstEntryIndex() const
{
    return m_hasPlaceholder ? 1 : 0;
}

int LocationList::entryCount() const
{
    return m_combo->count() - firstEntryIndex();
}

bool LocationList::isPlaceholderShown() const
{
    return m_hasPlaceholder ? m_combo->currentIndex() <= 0 : m_combo->currentIndex() < 0;
}

QString LocationList::currentEntry() const
{
    return isPlaceholderShown() ? QString() : m_combo->currentText();
}

QString LocationList::currentPath() const
{
    return pathOf(currentEntry());
}

QString LocationList::chosenPath() const
{
    return m_combo->toolTip();
}

void LocationList::setChosenPath(const QString& path)
{
    m_combo->setToolTip(path);
}

int LocationList::indexOf(const QString& entry) const
{
    for (int i = firstEntryIndex(); i < m_combo->count(); ++i) {
        if (m_combo->itemText(i) == entry)
            return i;
    }
    return -1;
}

int LocationList::discover(const std::vector<const StorageForm*>& forms, Progress& progress)
{
    progress.status(tr("Retrieving Bookmark Files"));
    QStringList entries;
    for (int i = 0; i < m_combo->count(); ++i)
        entries << m_combo->itemText(i);
    const qsizetype before = entries.size();
    int added = 0;
    for (const StorageForm* form : forms)
        added += form->discover(entries);
    {
        const QScopedValueRollback moving(m_moving, true);
        for (qsizetype i = before; i < entries.size(); ++i)
            m_combo->addItem(entries.at(i));
    }
    m_discovered += added;
    progress.status(tr("Ready"));
    // A single file found is the one the user wants: there is nothing to choose between.
    if (m_hasPlaceholder && m_combo->count() == 2 && isPlaceholderShown())
        choose(1);
    return added;
}

int LocationList::addBrowsed(const QString& path, BrowsedPlace place, BrowsedLimit limit)
{
    if (const int listed = indexOf(path); listed >= 0)
        return listed;
    const QScopedValueRollback moving(m_moving, true);
    const int browsed = entryCount() - (limit == BrowsedLimit::AllEntries ? 0 : m_discovered);
    if (browsed >= kBrowsedFiles)
        m_combo->removeItem(m_combo->count() - 1);
    int at = firstEntryIndex();
    if (place == BrowsedPlace::AfterDiscovered)
        at = std::min(at + m_discovered, int(m_combo->count()));
    m_combo->insertItem(at, path);
    fitDropWidth();
    return at;
}

void LocationList::choose(int index)
{
    if (index < 0 || index >= m_combo->count())
        return;
    showIndex(index);
    activated(index);
}

void LocationList::chooseEntry(const QString& entry)
{
    choose(indexOf(entry));
}

void LocationList::chooseCurrent()
{
    if (!isPlaceholderShown())
        choose(m_combo->currentIndex());
}

void LocationList::reset()
{
    setChosenPath(QString());
    m_previous.clear();
    if (m_hasPlaceholder)
        showIndex(0);
}

void LocationList::fitDropWidth()
{
    SetComboDropWidth(*m_combo);
}

void LocationList::activated(int index)
{
    if (m_moving)
        return;
    if (m_hasPlaceholder && index == 0) {
        // Nothing chosen before: the placeholder stays. Otherwise the last choice comes back.
        if (!chosenPath().isEmpty() && !m_previous.isEmpty()) {
            const int previous = indexOf(m_previous);
            if (previous >= 0)
                showIndex(previous);
        }
        return;
    }
    const QString entry = m_combo->itemText(index);
    m_previous = entry;
    emit entryChosen(entry);
    // The window's handler may have changed the list (reset it after a failure).
    const int now = indexOf(entry);
    if (now >= 0 && m_combo->currentIndex() == now)
        moveToTop(now);
}

void LocationList::moveToTop(int index)
{
    const int top = firstEntryIndex();
    if (index != top) {
        const QScopedValueRollback moving(m_moving, true);
        const QString entry = m_combo->itemText(index);
        m_combo->removeItem(index);
        m_combo->insertItem(top, entry);
    }
    showIndex(top);
}

void LocationList::showIndex(int index)
{
    const QScopedValueRollback moving(m_moving, true);
    m_combo->setCurrentIndex(index);
}

FileDialogRequest sourceFileRequest(const StorageForm& form, const QString& title,
                                    const QString& current)
{
    FileDialogRequest request = fileRequest(form, title, form.fileFilter().openName);
    request.initialPath = current;
    for (const StorageForm* member : sourceFamily(form)) {
        if (member != &form)
            request.filter += QStringLiteral("%1|%2|").arg(member->fileFilter().openName,
                                                           member->fileFilter().patterns);
    }
    request.mustExist = true;
    return request;
}

FileDialogRequest destinationFileRequest(const StorageForm& form, const QString& title,
                                         const QString& current)
{
    FileDialogRequest request = fileRequest(form, title, form.fileFilter().saveName);
    request.initialPath = current;
    request.confirmOverwrite = true;
    return request;
}

UserMessage noBookmarkMessage()
{
    return UserMessage{
        QCoreApplication::translate("orvalink::LocationList", "Select a Bookmark File"),
        {QCoreApplication::translate("orvalink::LocationList",
                                     "The Selected File Does Not Contain Any Bookmark.")},
        MessageIcon::None};
}

} // namespace orvalink

// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/file_destination_options.h"

#include "windows/conversion_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace orvalink {

FileDestinationOptions::FileDestinationOptions(QWidget* page, const QString& mergeCaption)
    : QObject(page)
    , m_frmOld(new QGroupBox(tr("What About the Old Bookmarks:"), page))
    , m_backup(new QCheckBox(tr("&Backup Old Bookmarks"), m_frmOld))
    , m_erase(new QRadioButton(tr("O&verwrite Old Bookmarks"), m_frmOld))
    , m_merge(new QRadioButton(mergeCaption, m_frmOld))
    , m_frmWhere(new QGroupBox(tr("Where to Export:"), page))
    , m_root(new QRadioButton(tr("Export in the &Root Folder"), m_frmWhere))
    , m_newFolder(new QRadioButton(tr("Export in a &New Folder"), m_frmWhere))
    , m_newFolderName(new QLineEdit(m_frmWhere))
    , m_linksBefore(new QCheckBox(tr("Export &Links Before Than Folders"), page))
    , m_keepOrder(new QCheckBox(tr("&Keep the Order of the Source"), page))
{
    m_frmOld->setObjectName(QStringLiteral("frmOld"));
    m_backup->setObjectName(QStringLiteral("chkBackup"));
    m_erase->setObjectName(QStringLiteral("optOldErase"));
    m_merge->setObjectName(QStringLiteral("optOldMerge"));
    m_frmWhere->setObjectName(QStringLiteral("frmWhere"));
    m_root->setObjectName(QStringLiteral("optWhere(0)"));
    m_newFolder->setObjectName(QStringLiteral("optWhere(1)"));
    m_newFolderName->setObjectName(QStringLiteral("txtWhereNew"));
    m_linksBefore->setObjectName(QStringLiteral("chkLinksBefore"));
    m_keepOrder->setObjectName(QStringLiteral("chkKeepOrder"));

    ConversionWindow::setTag(m_backup,
                             tr("Make a Backup of the Bookmark File Before to Change It"));
    ConversionWindow::setTag(m_erase, tr("Export the Favorites Erasing ALL the Old Bookmarks"));
    ConversionWindow::setTag(m_merge, tr("Merge IE Favorites with Old Bookmarks"));
    ConversionWindow::setTag(m_newFolder, tr("Export in the Bookmark File Inside a New Folder"));
    ConversionWindow::setTag(m_root, tr("Export in the Root of the Bookmark File"));
    ConversionWindow::nameByTag(m_newFolderName,
                                tr("Name of the Folder Where the Favorites Will Be Exported"));
    ConversionWindow::setTag(m_linksBefore, tr("Export Links Before Than Folders"));
    ConversionWindow::setTag(m_keepOrder, tr("Keep Folders, Links and Separators in the Order of "
                                             "the Source Instead of Sorting Them"));

    // As a new window shows them before the saved options arrive.
    m_backup->setChecked(true);
    m_merge->setChecked(true);
    m_newFolder->setChecked(true);

    auto* old = new QVBoxLayout(m_frmOld);
    old->addWidget(m_backup);
    old->addWidget(m_erase);
    old->addWidget(m_merge);

    auto* where = new QGridLayout(m_frmWhere);
    // The name belongs to the new-folder option: it sits under it, indented like its text.
    const int indent = m_newFolder->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                       m_newFolder->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    where->addWidget(m_root, 0, 0, 1, 2);
    where->addWidget(m_newFolder, 1, 0, 1, 2);
    where->addWidget(m_newFolderName, 2, 1);
    where->setColumnMinimumWidth(0, indent);
    where->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_frmOld);
    layout->addWidget(m_frmWhere);
    layout->addWidget(m_linksBefore);
    layout->addWidget(m_keepOrder);
    layout->addStretch(1);

    // In the source's order, links and folders are not sorted apart.
    connect(m_keepOrder, &QCheckBox::toggled, m_linksBefore, &QWidget::setDisabled);
    connect(m_erase, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            eraseChosen();
    });
    connect(m_merge, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            mergeChosen();
    });
    connect(m_root, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            whereChosen(0);
    });
    connect(m_newFolder, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            whereChosen(1);
    });
}

FileDestinationOptions::~FileDestinationOptions() = default;

void FileDestinationOptions::RefreshOptions(bool fileExists)
{
    for (QWidget* control : {static_cast<QWidget*>(m_frmOld), static_cast<QWidget*>(m_merge),
                             static_cast<QWidget*>(m_erase), static_cast<QWidget*>(m_backup),
                             static_cast<QWidget*>(m_frmWhere), static_cast<QWidget*>(m_root)})
        control->setEnabled(fileExists);
    // Without an old file there is nothing to merge with or keep apart from: a new file gets
    // the bookmarks in its top level.
    m_newFolder->setEnabled(fileExists && m_merge->isChecked());
    m_newFolderName->setEnabled(fileExists && m_newFolder->isChecked());
}

void FileDestinationOptions::showOptions(const FileWindowOptions& options)
{
    m_backup->setChecked(options.backup);
    m_linksBefore->setChecked(options.linksBefore);
    m_keepOrder->setChecked(options.keepOrder);
    // The old-bookmarks choice first: overwriting forces the top level.
    (options.oldBookmarks == OldBookmarks::Merge ? m_merge : m_erase)->setChecked(true);
    optWhere(options.where == FileWhere::NewFolder ? 1 : 0)->setChecked(true);
}

FileWindowOptions FileDestinationOptions::options() const
{
    FileWindowOptions options;
    options.backup = m_backup->isChecked();
    options.linksBefore = m_linksBefore->isChecked();
    options.keepOrder = m_keepOrder->isChecked();
    options.oldBookmarks = m_merge->isChecked() ? OldBookmarks::Merge : OldBookmarks::Overwrite;
    options.where = m_newFolder->isChecked() ? FileWhere::NewFolder : FileWhere::Root;
    return options;
}

void FileDestinationOptions::fill(ExportRequest& request) const
{
    const auto setAndEnabled = [](const QAbstractButton* control) {
        return control->isChecked() && control->isEnabled();
    };
    request.file.merge = setAndEnabled(m_merge);
    request.file.intoNewFolder = setAndEnabled(m_newFolder);
    request.file.newFolderName = m_newFolderName->text();
    request.file.linksBefore = setAndEnabled(m_linksBefore);
    request.file.keepOrder = setAndEnabled(m_keepOrder);
    request.backup = setAndEnabled(m_backup);
}

void FileDestinationOptions::eraseChosen()
{
    m_savedWhereIndex = m_root->isChecked() ? 0 : 1;
    m_root->setChecked(true);
    m_newFolder->setEnabled(false);
}

void FileDestinationOptions::mergeChosen()
{
    m_newFolder->setEnabled(true);
    optWhere(m_savedWhereIndex)->setChecked(true);
}

void FileDestinationOptions::whereChosen(int index)
{
    m_newFolderName->setEnabled(index == 1);
}

} // namespace orvalink

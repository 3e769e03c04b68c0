// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/what_to_export.h"

#include "conversion/export_checks.h"
#include "windows/conversion_window.h"

#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>

namespace orvalink {

WhatToExportFrame::WhatToExportFrame(ConversionWindow& window, const WhatToExportNames& names,
                                     QWidget* parent)
    : QGroupBox(parent)
    , m_window(window)
    , m_all(new QRadioButton(tr("Export &All Folders && Links"), this))
    , m_selected(new QRadioButton(tr("Export S&elected Folders && Links"), this))
    , m_select(new QPushButton(tr("Select Lin&ks..."), this))
{
    setObjectName(QStringLiteral("fraWhat"));
    setTitle(kNoSourceWhatCaption.toString());
    m_all->setObjectName(names.all);
    m_selected->setObjectName(names.selected);
    m_select->setObjectName(names.select);
    ConversionWindow::setTag(m_all, names.allTag);
    ConversionWindow::setTag(m_selected, names.selectedTag);
    ConversionWindow::setTag(m_select, names.selectTag);
    m_all->setChecked(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_all, 0, 0);
    layout->addWidget(m_selected, 1, 0);
    layout->addWidget(m_select, 0, 1, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    layout->setColumnStretch(0, 1);

    connect(m_all, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            refreshCaption();
    });
    connect(m_selected, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            refreshCaption();
    });
    connect(m_select, &QPushButton::clicked, this, &WhatToExportFrame::selectLinks);
}

WhatToExportFrame::~WhatToExportFrame() = default;

bool WhatToExportFrame::exportsAll() const
{
    return m_all->isChecked() && m_all->isEnabled();
}

int WhatToExportFrame::folderCount() const
{
    if (m_all->isChecked())
        return m_window.job().TotalFolderCount;
    const BookmarkModel* source = m_window.job().source();
    return source ? source->SelectedFolderCount() : 0;
}

int WhatToExportFrame::linkCount() const
{
    if (m_all->isChecked())
        return m_window.job().TotalLinkCount;
    const BookmarkModel* source = m_window.job().source();
    return source ? source->SelectedLinkCount() : 0;
}

void WhatToExportFrame::refreshCaption()
{
    setTitle(tr("What to Export: (%1 Folders && %2 Links)").arg(folderCount()).arg(linkCount()));
}

void WhatToExportFrame::takeCounts(const SourceCounts& counts, bool selectAll)
{
    // A new source: the selection made in the old one means nothing any more.
    m_window.discardSelection();
    m_window.job().TotalFolderCount = counts.folders;
    m_window.job().TotalLinkCount = counts.links;
    if (selectAll && !m_all->isChecked())
        m_all->setChecked(true);
    else
        refreshCaption();
    m_window.status(tr("Ready"));
}

void WhatToExportFrame::showNoSource()
{
    setTitle(kNoSourceWhatCaption.toString());
}

void WhatToExportFrame::selectLinks()
{
    if (m_sourceChosen && !m_sourceChosen())
        return;
    if (!m_window.checkSource())
        return;
    m_window.showSelection();
    m_window.status(tr("Ready"));
    const BookmarkModel* source = m_window.job().source();
    if (source && source->SelectedLinkCount() != 0)
        m_selected->setChecked(true);
    // The selected counts changed, or went with a cancelled selection.
    refreshCaption();
}

} // namespace orvalink

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/storage_form.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QString>
#include <functional>

class QPushButton;
class QRadioButton;

namespace orvalink {

class ConversionWindow;

// The names and hover texts of the frame's controls, which differ between the windows.
struct WhatToExportNames
{
    QString all = QStringLiteral("optWhatAll");
    QString selected = QStringLiteral("optWhatSelect");
    QString select = QStringLiteral("Command5");
    QString allTag =
        QCoreApplication::translate("orvalink::WhatToExportFrame", "Export All Folders and Links");
    QString selectedTag = QCoreApplication::translate("orvalink::WhatToExportFrame",
                                                      "Export Only the Selected Folders and Links");
    QString selectTag = QCoreApplication::translate("orvalink::WhatToExportFrame",
                                                    "Select Folders and Links to Export");
};

// The "What to Export" frame ("fraWhat"): everything ("Export All Folders && Links") or the
// selection ("Export Selected Folders && Links"), and "Select Links...", which opens the selection
// window over the source. The caption names the counts of the choice: "What to Export: (3 Folders
// && 5 Links)" ("&&" shows one "&"), the source's totals (the job's TotalFolderCount and
// TotalLinkCount) or the selected counts of the loaded source.
class WhatToExportFrame : public QGroupBox
{
    Q_OBJECT

public:
    WhatToExportFrame(ConversionWindow& window, const WhatToExportNames& names = {},
                      QWidget* parent = nullptr);
    ~WhatToExportFrame() override;

    QRadioButton* optWhatAll() const { return m_all; }
    QRadioButton* optWhatSelect() const { return m_selected; }
    QPushButton* selectButton() const { return m_select; }

    // Everything is exported: "Export All" is both set and enabled.
    bool exportsAll() const;
    // The folders and links an export would report now.
    int folderCount() const;
    int linkCount() const;

    // Rewrites the caption from the counts of the choice.
    void refreshCaption();
    // A source was counted: the selection over the old one goes, the counts become the job's
    // totals, the selected counts 0, the caption follows and the status bar reads "Ready".
    // selectAll: "Export All" is selected too.
    void takeCounts(const SourceCounts& counts, bool selectAll = false);
    // The caption of a list that lost its source: "What to Export: (0 Folders && 0 Links)".
    void showNoSource();

    // "Select Links...": the window's own test (a source chosen at all) when it has one, then
    // the source check (ValidateExport, source only), then the selection window; afterwards the
    // status bar reads "Ready", and when links were checked "Export Selected" is selected.
    void selectLinks();
    // The window's own test before the source check; it shows its message and returns false
    // when no source is chosen.
    void setSourceChosenTest(std::function<bool()> test) { m_sourceChosen = std::move(test); }

private:
    ConversionWindow& m_window;
    QRadioButton* m_all;
    QRadioButton* m_selected;
    QPushButton* m_select;
    std::function<bool()> m_sourceChosen;
};

} // namespace orvalink

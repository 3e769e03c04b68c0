// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/export_run.h"
#include "settings/saved_options.h"

#include <QObject>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace orvalink {

// The options of a bookmark file or hotlist destination, on the windows' "Options" page:
// - "What About the Old Bookmarks:" ("frmOld"): "chkBackup", "optOldErase" (overwrite),
//   "optOldMerge" (merge);
// - "Where to Export:" ("frmWhere"): "optWhere(0)" the root folder, "optWhere(1)" a new folder
//   named in "txtWhereNew";
// - "chkLinksBefore".
//
// Overwriting forces the root folder and greys the new-folder option (the old bookmarks are gone,
// so there is nothing to keep apart from); merging again brings back the earlier choice. The
// new-folder name can be edited only while the new folder is chosen. All but "chkLinksBefore" are
// available only while the destination file exists (RefreshOptions).
class FileDestinationOptions : public QObject
{
    Q_OBJECT

public:
    // Creates the controls on page (laid out top to bottom) with mergeCaption on "optOldMerge".
    FileDestinationOptions(QWidget* page, const QString& mergeCaption);
    ~FileDestinationOptions() override;

    QGroupBox* frmOld() const { return m_frmOld; }
    QCheckBox* chkBackup() const { return m_backup; }
    QRadioButton* optOldErase() const { return m_erase; }
    QRadioButton* optOldMerge() const { return m_merge; }
    QGroupBox* frmWhere() const { return m_frmWhere; }
    QRadioButton* optWhere(int index) const { return index == 0 ? m_root : m_newFolder; }
    QLineEdit* txtWhereNew() const { return m_newFolderName; }
    QCheckBox* chkLinksBefore() const { return m_linksBefore; }

    // Enables the options that need an existing destination file, or disables them all.
    void RefreshOptions(bool fileExists);

    // The saved options, as the controls show them.
    void showOptions(const FileWindowOptions& options);
    FileWindowOptions options() const;

    // Fills the request's file options (all but exportAll) and the backup flag: each choice
    // counts only where its control is both set and enabled.
    void fill(ExportRequest& request) const;

private:
    void eraseChosen();
    void mergeChosen();
    void whereChosen(int index);

    QGroupBox* m_frmOld;
    QCheckBox* m_backup;
    QRadioButton* m_erase;
    QRadioButton* m_merge;
    QGroupBox* m_frmWhere;
    QRadioButton* m_root;
    QRadioButton* m_newFolder;
    QLineEdit* m_newFolderName;
    QCheckBox* m_linksBefore;
    QCheckBox* m_keepOrder;
    // The "Where" option chosen before overwriting forced the root folder.
    int m_savedWhereIndex = 1;
};

} // namespace orvalink

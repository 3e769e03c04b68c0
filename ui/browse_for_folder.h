// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/result.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace orvalink {

class Dialogs;

// The folder picker: the caller sets the owner, a prompt, the top of the folder tree (a special
// folder number or a path, the path taking precedence) and the folder selected first, calls
// Show(), and reads FolderName(). One object serves one dialog.
class cBrowseForFolder
{
public:
    // Error number of a refused property value ("Invalid procedure call").
    static constexpr qint32 InvalidProcedureCall = 5;
    // The special folder numbers the picker knows; the others are the whole computer.
    static constexpr int Desktop = 0;
    static constexpr int Personal = 5;
    static constexpr int FavoritesFolder = 6;
    static constexpr int Drives = 17;
    static constexpr int AppData = 26;

    QWidget* hwnd() const { return m_owner; }
    void setHwnd(QWidget* owner) { m_owner = owner; }

    // The prompt; an empty one is refused and the old one kept.
    const QString& DialogTitle() const { return m_dialogTitle; }
    Result<void> setDialogTitle(const QString& title);

    // The special folder at the top of the tree, 0 to 37; other numbers are refused and the old
    // one kept. 17, the computer's drives, is the whole file system.
    int RootFolder() const { return m_rootFolder; }
    Result<void> setRootFolder(int folder);

    // The folder selected when the picker opens.
    const QString& InitialFolder() const { return m_initialFolder; }
    void setInitialFolder(const QString& folder) { m_initialFolder = folder; }

    // A folder used as the top of the tree instead of RootFolder.
    const QString& sRootFolderPath() const { return m_rootFolderPath; }
    void setSRootFolderPath(const QString& path) { m_rootFolderPath = path; }

    // The chosen folder; "" before Show(), when cancelled, or when the choice is no folder.
    const QString& FolderName() const { return m_folderName; }

    // Shows the picker through dialogs. Without an owner the user is told so first and the
    // picker still opens; a root path that is no folder is reported and the picker opens with
    // no limit.
    void Show(Dialogs& dialogs);

    // The folder a special folder number stands for; "" for the whole computer.
    static QString specialFolderPath(int folder);

private:
    QPointer<QWidget> m_owner;
    QString m_dialogTitle;
    int m_rootFolder = 0;
    QString m_initialFolder;
    QString m_rootFolderPath;
    QString m_folderName;
};

} // namespace orvalink

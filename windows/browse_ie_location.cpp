// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/browse_ie_location.h"

#include "platform/special_folders.h"
#include "ui/browse_for_folder.h"
#include "ui/busy_pointer.h"
#include "ui/dialogs.h"
#include "windows/export_window.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace orvalink {

bool BrowseIELocation(ExportWindow& window)
{
    // The picker belongs to this window: bring it forward first, drawn in full.
    window.raise();
    window.activateWindow();
    window.repaint();

    cBrowseForFolder picker;
    picker.setHwnd(&window);
    static_cast<void>(picker.setDialogTitle(
        QCoreApplication::translate("orvalink::BrowseIELocation", "Please, Select a Folder.")));
    static_cast<void>(picker.setRootFolder(cBrowseForFolder::Drives));
    picker.setInitialFolder(window.job().IELocation);
    picker.Show(window.dialogs());

    const QString chosen = picker.FolderName();
    if (chosen.isEmpty() || chosen == window.job().IELocation)
        return false;
    cMouse pointer;
    pointer.SetPointer(Qt::WaitCursor);
    window.job().IELocation = chosen;
    if (auto* field = window.findChild<QLineEdit*>(QStringLiteral("txtIELoc")))
        field->setText(chosen);
    return true;
}

QString LocateFavoritesFolder(QWidget* window, Dialogs& dialogs)
{
    const QString folder = GetFolderPath();
    if (folder.isEmpty()) {
        dialogs.message(
            window,
            UserMessage{QCoreApplication::translate("orvalink::BrowseIELocation",
                                                    "Unable to Autolocate IE Folder"),
                        {QCoreApplication::translate(
                             "orvalink::BrowseIELocation",
                             "Unable to AutoLocate the Internet Explorer Favorites Folder."),
                         QCoreApplication::translate("orvalink::BrowseIELocation",
                                                     "Please Insert It Manually.")},
                        MessageIcon::Exclamation});
    }
    return folder;
}

} // namespace orvalink

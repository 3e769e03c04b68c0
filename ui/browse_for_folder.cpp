// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browse_for_folder.h"

#include "platform/file_helpers.h"
#include "platform/special_folders.h"
#include "ui/dialogs.h"

#include <QCoreApplication>
#include <cerrno>

namespace orvalink {

namespace {

// The shell's code for a path it cannot find (HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)).
constexpr quint32 kPathNotFound = 0x80070003u;

} // namespace

Result<void> cBrowseForFolder::setDialogTitle(const QString& title)
{
    if (title.isEmpty())
        return Failure(QCoreApplication::translate("orvalink::cBrowseForFolder",
                                                   "Invalid procedure call or argument"),
                       InvalidProcedureCall);
    m_dialogTitle = title;
    return {};
}

Result<void> cBrowseForFolder::setRootFolder(int folder)
{
    if (folder < 0 || folder > 37)
        return Failure(QCoreApplication::translate("orvalink::cBrowseForFolder",
                                                   "Invalid procedure call or argument"),
                       InvalidProcedureCall);
    m_rootFolder = folder;
    return {};
}

QString cBrowseForFolder::specialFolderPath(int folder)
{
    switch (folder) {
    case Personal:
        return GetSpecialFolder(SpecialFolder::Documents);
    case FavoritesFolder:
        return GetSpecialFolder(SpecialFolder::Favorites);
    case AppData:
        return GetSpecialFolder(SpecialFolder::ApplicationData);
    default:
        // The desktop, the drives and the shell's other places: the whole file system.
        return QString();
    }
}

void cBrowseForFolder::Show(Dialogs& dialogs)
{
    if (m_owner.isNull()) {
        dialogs.message(
            nullptr,
            UserMessage{QCoreApplication::translate("orvalink::cBrowseForFolder", "Error"),
                        {QCoreApplication::translate("orvalink::cBrowseForFolder",
                                                     "Assegnare un form al Browse For Folder")},
                        MessageIcon::None});
    }
    FolderPickerRequest request;
    request.prompt = m_dialogTitle;
    request.initialFolder = m_initialFolder;
    if (!m_rootFolderPath.isEmpty()) {
        if (FolderExists(m_rootFolderPath)) {
            request.rootPath = m_rootFolderPath;
        } else {
            // The picker still opens, with no limit.
            dialogs.message(m_owner, UserMessage{kProgramName.toString(),
                                                 {QCoreApplication::translate(
                                                      "orvalink::cBrowseForFolder", "Error: &H") +
                                                  QString::number(kPathNotFound, 16).toUpper() +
                                                  QStringLiteral(", ") + qt_error_string(ENOENT)},
                                                 MessageIcon::Exclamation});
        }
    } else {
        request.rootPath = specialFolderPath(m_rootFolder);
    }
    m_folderName = dialogs.pickFolder(m_owner, request);
}

} // namespace orvalink

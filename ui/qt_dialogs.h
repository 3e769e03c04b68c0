// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs.h"

#include <QString>
#include <QStringList>
#include <QUrl>

class QMessageBox;

namespace orvalink {

// The dialogs the program shows: Qt's message box, input box, file, folder and colour dialogs,
// and the desktop's default program for "open".
class QtDialogs : public Dialogs
{
public:
    void message(QWidget* parent, const UserMessage& message) override;
    bool question(QWidget* parent, const UserMessage& message) override;
    QString input(QWidget* parent, const QString& title, const QString& prompt,
                  const QString& initialText) override;
    QString openFile(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFile(QWidget* parent, const FileDialogRequest& request) override;
    // Opens at the initial folder. A root path keeps the user inside that folder as far as Qt's
    // own folder dialog allows (the desktop's native dialog cannot be limited): the dialog does
    // not leave it, and a choice outside it counts as cancelled.
    QString pickFolder(QWidget* parent, const FolderPickerRequest& request) override;
    std::optional<QColor> pickColor(QWidget* parent, const QColor& initial) override;
    // A local path is opened as a file URL; anything with a scheme ("https:", "mailto:") as the
    // address it is.
    void openExternally(const QString& target) override;
};

// Qt's name filters for a filter in the dialogs' "description|patterns|" form:
// "All Files (*.*)|*.*|HTML Files|*.html;*.htm|" gives "All Files (*)" and
// "HTML Files (*.html *.htm)". "*.*" becomes "*" where file names need no dot to be files.
QStringList nameFiltersFromPairs(const QString& filter);

// Widens a message box so that the window manager has room for its whole title: a short message
// would otherwise give a box too narrow for it ("Bookmark F... ot Selected").
void fitTitle(QMessageBox& box);

// The URL "open" is given for target: a file URL for a local path, else the address as written.
QUrl externalUrl(const QString& target);

} // namespace orvalink

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/user_message.h"

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace orvalink {

// What a file dialog is asked for.
struct FileDialogRequest
{
    QString title;
    // Pairs of description and patterns, separated and ended by "|":
    // "All Files (*.*)|*.*|HTML Files|*.html;*.htm|".
    QString filter;
    // The pair shown first, counted from 1.
    int filterIndex = 1;
    // Added to a name typed without one ("htm", "adr").
    QString defaultExtension;
    // The file or folder the dialog starts at.
    QString initialPath;
    // Open dialogs: the chosen file and its folder must exist.
    bool mustExist = false;
    // Save dialogs: an existing file is replaced only after the user confirms.
    bool confirmOverwrite = false;
};

// What the folder picker is asked for.
struct FolderPickerRequest
{
    // The prompt above the folders.
    QString prompt;
    // The top of the folder tree; empty for the whole computer.
    QString rootPath;
    // The folder selected when the picker opens.
    QString initialFolder;
};

// Every message box, input box, file, folder and colour dialog, and the system's "open" action,
// go through this seam: the program uses the Qt dialogs, the tests a scripted stand-in that
// records what was asked and answers as told. A window never opens a dialog of its own.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A message box with an OK button.
    virtual void message(QWidget* parent, const UserMessage& message) = 0;
    // A message box with Yes and No buttons; true for Yes.
    virtual bool question(QWidget* parent, const UserMessage& message) = 0;
    // An input box; "" when cancelled.
    virtual QString input(QWidget* parent, const QString& title, const QString& prompt,
                          const QString& initialText) = 0;
    // A file dialog; "" when cancelled.
    virtual QString openFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString saveFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // The folder picker; "" when cancelled or when the choice is no folder of the file system.
    virtual QString pickFolder(QWidget* parent, const FolderPickerRequest& request) = 0;
    // The colour dialog, fully opened, starting at initial; nothing when cancelled.
    virtual std::optional<QColor> pickColor(QWidget* parent, const QColor& initial) = 0;
    // Opens a web address or a file with the system's default program.
    virtual void openExternally(const QString& target) = 0;
};

} // namespace orvalink

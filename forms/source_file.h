// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/progress.h"
#include "model/result.h"
#include "model/user_message.h"
#include "platform/file_contents.h"

#include <QByteArrayView>
#include <QString>
#include <memory>

namespace orvalink {

// The message box of a source that cannot be read at all: title "Error", the reason, the
// critical icon.
UserMessage readFailure(const QString& reason);

// What a file form knows of its content: whether bytes (a whole file's text, without a byte-order
// mark) are of the form, and the message that refuses a file that is not.
struct ContentTest
{
    bool (*isContent)(QByteArrayView text);
    UserMessage (*refusal)(const QString& path);
};

// Opens a source file of a form: it must be a regular file that can be read, and hold the form's
// content, or nothing but white space (a source without bookmarks). Fails with the message to
// show otherwise.
Result<void, UserMessage> openSourceFile(FileContents& contents, const QString& path,
                                         const ContentTest& test);

// Whether the file holds the form's content; false for a file that cannot be read or holds
// nothing but white space, which every file form would take.
bool holdsSourceContent(const QString& path, const ContentTest& test);

// How often the byte occurs in the text: a cheap bound on the entries of a file whose entries
// each take a line, or start with a mark, that readers reserve room for.
int countByte(QByteArrayView text, char byte);

// A form's reader: the tables of a file's content, read from location. The model may keep parts
// of the array (see ModelBuilder::shareSource()).
using SourceParser = std::unique_ptr<BookmarkModel> (*)(const QByteArray& file,
                                                        const QString& location);

// Loads a source file of a form: opens it as openSourceFile() does and reads it with the form's
// parser.
Result<std::unique_ptr<BookmarkModel>, UserMessage> loadSourceFile(const QString& path,
                                                                   const ContentTest& test,
                                                                   SourceParser parse,
                                                                   Progress& progress);

} // namespace orvalink

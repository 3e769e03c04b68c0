// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/result.h"
#include "model/user_message.h"

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <memory>

namespace orvalink {

// Whether a file's content is an Opera hotlist, one records can be appended to: text (no NUL byte;
// UTF-16 with its byte-order mark is text too) whose first line that is not blank is the header
// ("Opera Hotlist version 2.0"), or, as older programs appended to an empty file, a record's type
// line ("#URL") or a folder end ("-"). A file of nothing but white space counts as an empty
// hotlist. Anything else, such as a bookmark file chosen by mistake, would be spoilt by
// appending.
bool isHotlistContent(QByteArrayView bytes);

// The message that refuses a file that is no hotlist, as a source or to append to: "Not an Opera
// Hotlist", the file, "The Selected File Is Not an Opera Hotlist.", "Please, Select Another Opera
// Hotlist File.", exclamation icon.
UserMessage notAHotlist(const QString& filePath);

// Counts the folders and links of an Opera hotlist without building its tree. The counts equal
// what OperaCreateTree builds from the same file.
class cOperaFastScanning
{
public:
    // Called once per folder, in file order, with the folder's name.
    using FolderScanHandler = std::function<void(const QString& name)>;

    void setFolderScanHandler(FolderScanHandler handler) { m_folderScan = std::move(handler); }
    // Reads and counts the file; a file that cannot be read counts 0 folders and 0 links.
    void Scan(const QString& path);
    // Counts the file content given.
    void scanText(QByteArrayView text);
    // -1 until a scan has completed.
    int nTotalFolders() const { return m_folders; }
    int nTotalLinks() const { return m_links; }

private:
    FolderScanHandler m_folderScan;
    int m_folders = -1;
    int m_links = -1;
};

// Reads an Opera hotlist into tables and tree, the root captioned "Opera Hotlist": its folders in
// file order, each with its links, subfolders and separators. A link with an empty "URL=" (or one
// of nothing but tabs) is left out; one without "URL=" reads as "Undefined". CREATED and VISITED
// give the added and visited dates (decimal seconds), DESCRIPTION the description (each pair of
// 0x02 characters a line break), SHORT NAME the keyword, and "ON PERSONALBAR=YES" puts a link on
// the toolbar and makes a folder the toolbar folder. Fails when the path is empty or the file
// cannot be read; any content reads.
Result<std::unique_ptr<BookmarkModel>> OperaCreateTree(const QString& path);

// The tables of the hotlist content given, read from location.
std::unique_ptr<BookmarkModel> parseHotlistText(QByteArrayView text,
                                                const QString& location = QString());

} // namespace orvalink

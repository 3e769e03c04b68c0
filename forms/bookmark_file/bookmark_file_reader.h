// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/bookmark_tables.h"
#include "model/result.h"
#include "model/user_message.h"

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace orvalink {

// Reading bookmark files (bookmarks.html) as Firefox, Chromium-family browsers, Netscape and
// this program write them, and as people edit them by hand.
//
// The file is read line by line. Each "<HR>" at the start of a line, after white space, is a
// separator; after them, a line that starts with "<H3" opens a folder, one that starts with "<A"
// is a link, one that starts with "</DL" closes the current folder (ignored at the root), and one
// that starts with "<DD>" describes the folder or link just before it; a "<DT>" in front is
// optional, tags are matched in any case, and every other line is skipped. An entry's name runs
// to its closing tag, on later lines if need be; without one it is the rest of its line. A
// description runs to the end of its line and on over the lines that follow, up to a blank line
// or the next entry or list line. Names, URLs, descriptions and attribute values are decoded
// (UTF-8, else Windows-1252) and their character references replaced. A link without HREF, or
// with an empty one, is skipped.
//
// Of the attributes, ADD_DATE, LAST_MODIFIED and LAST_VISIT give the dates (decimal seconds;
// anything else leaves a date unknown); a folder's PERSONAL_TOOLBAR_FOLDER="true" and
// UNFILED_BOOKMARKS_FOLDER="true" its role; a link's SHORTCUTURL, POST_DATA, TAGS, ICON, ICON_URI
// and LAST_CHARSET its details, as Firefox writes them.

// Whether a file's content is a bookmark file: text (no NUL byte; UTF-16 with its byte-order mark
// is text too) that starts, after any white space, with the signature every browser writes,
// "<!DOCTYPE NETSCAPE-Bookmark-file-1>", or, as people write such files by hand, holds a
// "<TITLE>" or "<H1>", then a "<DL>" list, then a "<DT>" entry. Tags are matched in any case.
bool isBookmarkFileContent(QByteArrayView bytes);

// The message that refuses a file that is no bookmark file, as a source or to merge into: "Not a
// Bookmark File", the file, "The Selected File Is Not a Bookmark File.", "Please, Select Another
// Bookmark File.", exclamation icon.
UserMessage notABookmarkFile(const QString& filePath);

// Counts the folders and links of a bookmark file without building its tree. The counts equal
// what NNCreateTree builds from the same file.
class cNNFastScanning
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

// Reads a bookmark file into tables and tree: the root captioned with the file's <H1> header,
// then its folders in file order, each with its entries. Fails when the path is empty or the file
// cannot be read; any content, however broken, reads.
Result<std::unique_ptr<BookmarkModel>> NNCreateTree(const QString& path);

// The tables of the file content given, read from location.
std::unique_ptr<BookmarkModel> parseBookmarkText(QByteArrayView text,
                                                 const QString& location = QString());
// The same for a whole file read into an array: the icons, often most of a bookmark file, are
// then kept as views of it instead of copies.
std::unique_ptr<BookmarkModel> parseBookmarkFile(const QByteArray& file, const QString& location);

// The name of the folder a folder line opens ("" for any other line): the text after its
// "<H3 ...>" start tag up to "</H3>", or the rest of the line when it has no "</H3>".
QString NNGetFolderName(QByteArrayView line);

// The name and URL of a link line; nothing for any other line and for a link without HREF or
// with an empty one. The name runs to "</A>", or to the end of the line when it has none; a
// link with nothing after its start tag is named by its URL.
std::optional<NameUrlPair> NNGetLink(QByteArrayView line);

// The file's header, the caption of its root: the text of the first "<H1>" after the
// "<TITLE>...</TITLE>" element; "" when any of these is missing.
QString NNGetHeader(QByteArrayView text);

} // namespace orvalink

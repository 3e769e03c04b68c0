// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/storage_form.h"
#include "model/bookmark_model.h"

#include <QByteArrayView>
#include <memory>

namespace orvalink {

// The tables of a Bookmarks file, read from location, as the browser shows it: "Bookmarks bar",
// "Other bookmarks" and "Mobile bookmarks" (whatever names the file gives them) and everything
// below them in file order. Nodes the browser would drop (an unknown type, a link without an
// address) are left out. Nothing for text that is no Bookmarks file (see readChromiumBookmarks()).
std::unique_ptr<BookmarkModel> parseChromiumText(QByteArrayView text,
                                                 const QString& location = QString());
// The tables of a source without bookmarks: its root alone.
std::unique_ptr<BookmarkModel> emptyChromiumModel(const QString& location);

// The folders (the three permanent ones included) and links of a Bookmarks file; reports each
// folder's name as it is counted. Nothing for text that is no Bookmarks file.
SourceCounts countChromiumText(QByteArrayView text,
                               const std::function<void(const QString&)>& onFolder);

} // namespace orvalink

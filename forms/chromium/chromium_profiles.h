// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/browser_discovery.h"
#include "platform/processes.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace orvalink {

// The Bookmarks files of every profile of every Chromium-family browser of the current user (see
// chromiumUserDataFolders()): the profiles each browser's "Local State" lists in
// "profile.info_cache", in its order, under the names it gives them; without such a list, the
// "Default" profile. Profiles without a Bookmarks file are left out. Their entries name the
// browser ("<Chromium: Person 1> /home/u/.config/chromium/Default/Bookmarks").
std::vector<DiscoveredSource> findChromiumProfiles();

// The browser that has the Bookmarks file at path open now, by its name, or nullopt: a process of
// the browser whose user data holds the file runs, or the profile lock of the folder holding the
// file, or of the folder above it, is held (see profileLockOf()), whichever browser uses it.
std::optional<QString> chromiumBrowserUsing(const QString& path, const ProcessTable& processes);

} // namespace orvalink

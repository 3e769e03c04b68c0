// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/browser_discovery.h"

#include <QString>
#include <vector>

namespace orvalink {

// One Firefox profile of the current user.
struct FirefoxProfile
{
    // As profiles.ini names it; "NoName" when it does not.
    QString name;
    // The profile's folder, without a trailing "/".
    QString folder;
};

// The Firefox profiles of the current user: each profiles.ini of firefoxFolders() in turn, and
// in each first the profile its installation uses (named by the Default= of an [Install…]
// section there or in installs.ini beside it), then the one marked Default=1 (the default before
// Firefox kept one per installation, which may be an empty profile left behind), then the others
// in file order. Relative paths are taken from the profiles.ini's folder. Profiles whose folder
// is missing are listed too: what they should hold is looked for later.
std::vector<FirefoxProfile> firefoxProfiles();

// The files named file found in the profiles' folders, in the order of firefoxProfiles(), as the
// form found them.
std::vector<DiscoveredSource> firefoxProfileFiles(const QString& file, FormId form);

} // namespace orvalink

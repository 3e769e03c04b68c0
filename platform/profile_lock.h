// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvalink {

// What the lock a Chromium-family browser keeps in its user-data folder while it runs says: a
// symbolic link "SingletonLock" whose target reads "<host name>-<process number>". A browser that
// ends cleanly removes it; one that crashed leaves it behind.
enum class ProfileLock {
    // No lock: no browser has the folder open.
    None,
    // A live process of this machine holds it, or a process of another machine (a shared home):
    // the browser runs.
    Held,
    // It names a process of this machine that is gone: a browser crashed.
    Stale,
};

// The lock of the user-data folder. sandboxed: the browser runs in a process namespace of its
// own (a flatpak), so a process number that is not alive here proves nothing and the lock counts
// as held. Systems without symbolic-link locks (Windows) report None.
ProfileLock profileLockOf(const QString& userDataFolder, bool sandboxed = false);

} // namespace orvalink

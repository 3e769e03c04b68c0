// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/export_mode.h"

#include <QString>
#include <QStringList>

namespace orvalink {

// The browser files found on this machine, offered in an export window's location list so that
// the user need not browse for them. entries is the list's items: item 0 is the window's
// placeholder, the rest are locations. Each form's search (see StorageForm::discover()) appends
// what it finds at the end, never an entry whose exact text is already there, and returns how
// many entries it added. A missing folder, settings file, bookmark file or hotlist adds nothing;
// nothing is ever reported.

// One browser file found on this machine.
struct DiscoveredSource
{
    // The browser that keeps it ("Firefox", "Opera", "Google Chrome") and its profile; "" for a
    // browser without profiles.
    QString browser;
    QString profile;
    // The form of the file.
    FormId form;
    QString path;
    // Whether its entry names the browser too, where several browsers share the form.
    bool entryNamesBrowser = false;

    // How a location list shows it: "<" + profile + "> " + path, "<" + browser + ": " + profile
    // + "> " + path when it names the browser, or the path alone.
    QString entry() const;
};

// Appends entry unless it is listed already; returns whether it was added.
bool addDiscovered(QStringList& entries, const QString& entry);

// The index of the entry equal to text (case-sensitive), or -1.
int FindInCombo(const QStringList& entries, const QString& text);

} // namespace orvalink

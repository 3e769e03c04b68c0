// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/browser_discovery.h"

namespace orvalink {

QString DiscoveredSource::entry() const
{
    if (profile.isEmpty())
        return path;
    const QString label = entryNamesBrowser ? browser + QStringLiteral(": ") + profile : profile;
    return u'<' + label + QStringLiteral("> ") + path;
}

bool addDiscovered(QStringList& entries, const QString& entry)
{
    if (entries.contains(entry))
        return false;
    entries.append(entry);
    return true;
}

int FindInCombo(const QStringList& entries, const QString& text)
{
    return static_cast<int>(entries.indexOf(text));
}

} // namespace orvalink

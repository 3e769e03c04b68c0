#include "forms/browser_discovery.h"

namespace orvalink {

QString DiscoveredSource::entry() const
{
    return profile.isEmpty() ? path : u'<' + profile + QStringLiteral("> ") + path;
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

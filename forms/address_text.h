// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvalink {

// Browsers drop every tab, carriage return and line feed from an address when they parse it, so
// a form without an escape for them writes addresses without them: the address keeps its meaning
// and no line break in it can start a record or key of its own.
inline bool isDroppedFromAddress(char16_t c)
{
    return c == u'\t' || c == u'\r' || c == u'\n';
}

inline QString withoutDroppedCharacters(QString address)
{
    return address.removeIf([](QChar c) { return isDroppedFromAddress(c.unicode()); });
}

} // namespace orvalink

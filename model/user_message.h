// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace orvalink {

// The icon of a message box, numbered as the message box styles number them.
enum class MessageIcon : int {
    None = 0,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64
};

// A message the user must see: the core returns it, a window shows it in a message box and the
// command line prints it.
struct UserMessage
{
    QString title;
    QStringList lines;
    MessageIcon icon = MessageIcon::Exclamation;

    QString text() const { return lines.join(QLatin1Char('\n')); }
};

} // namespace orvalink

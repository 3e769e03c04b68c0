// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvalink {

// The name the user is logged on with: on Windows the system's answer; elsewhere the effective
// user's entry in the password database, or $USER when it has none. "" when nothing is known.
QString GetLogonUserName();

} // namespace orvalink

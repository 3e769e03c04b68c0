// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvalink {

// How a folder or an entry looks in the selection window: its check box, and whether its name is
// bold. The views' models remember the look each row was last announced with, so that after a
// change they announce only the rows whose look changed.
struct ShownLook
{
    bool checked = false;
    bool bold = false;

    bool operator==(const ShownLook&) const = default;
};

} // namespace orvalink

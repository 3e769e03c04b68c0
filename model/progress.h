// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvalink {

// Receives the progress of a long operation. The contract: start() once with the number of
// steps (at least 1), step() with the steps done so far, finish() once at the end. status() may
// come at any time with a line for the status bar. Every method does nothing by default, so a
// caller that shows no progress passes a plain Progress.
class Progress
{
public:
    virtual ~Progress() = default;

    virtual void start(int total) { (void)total; }
    virtual void step(int done) { (void)done; }
    virtual void finish() {}
    virtual void status(const QString& text) { (void)text; }
};

} // namespace orvalink

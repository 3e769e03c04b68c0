// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdio>

namespace orvalink::bench {

// The exit codes of the benchmark programs, as orvalink-cli has them.
enum Exit : int { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

// Writes text and a line end to stream, in UTF-8.
inline void print(FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

} // namespace orvalink::bench

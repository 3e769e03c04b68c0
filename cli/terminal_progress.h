// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/progress.h"

#include <QIODevice>
#include <QString>
#include <functional>

namespace orvalink::cli {

// Progress shown on a terminal as one line rewritten in place ("\r"): what is being done and how
// far it got, such as "Writing: folder 12 of 345". Nothing is drawn before the operation has run
// for a moment, nor more than ten times a second; the line is wiped before anything else is
// printed (clear()) and when the object goes.
class TerminalProgress : public Progress
{
public:
    // Milliseconds since some fixed moment; the steady clock unless a test gives its own.
    using Clock = std::function<qint64()>;

    TerminalProgress(QIODevice& terminal, Clock clock = {});
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    // The source's totals, from the scan that counted them, for the lines that name them.
    void setTotals(int folders, int links);
    // The folders the count of a source finds come one by one through status().
    void startCounting() { m_phase = Phase::Counting; }

    void start(int total) override;
    void step(int done) override;
    void finish() override;
    void status(const QString& text) override;

    // Wipes the line, if one is shown.
    void clear();

private:
    enum class Phase { Idle, Counting, Reading, Writing };

    // Draws the current line unless it is too early or too soon after the last one.
    void update();
    QString line() const;

    QIODevice& m_terminal;
    Clock m_clock;
    qint64 m_begun = 0;
    qint64 m_drawn = -1;
    qsizetype m_shownWidth = 0;
    Phase m_phase = Phase::Idle;
    int m_folders = 0;
    int m_links = 0;
    // Folders counted or written, or the reader's steps of its total.
    int m_done = 0;
    int m_total = 0;
};

} // namespace orvalink::cli

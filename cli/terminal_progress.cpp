// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminal_progress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <algorithm>
#include <memory>

namespace orvalink::cli {

namespace {

// A conversion that ends sooner than this shows no progress at all.
constexpr qint64 kQuietStartMs = 300;
constexpr qint64 kRedrawEveryMs = 100;

QString number(int value)
{
    return QLocale(QLocale::English).toString(value);
}

} // namespace

TerminalProgress::TerminalProgress(QIODevice& terminal, Clock clock)
    : m_terminal(terminal)
    , m_clock(std::move(clock))
{
    if (!m_clock) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        m_clock = [timer] { return timer->elapsed(); };
    }
    m_begun = m_clock();
}

TerminalProgress::~TerminalProgress()
{
    clear();
}

void TerminalProgress::setTotals(int folders, int links)
{
    m_folders = folders;
    m_links = links;
}

void TerminalProgress::start(int total)
{
    m_phase = Phase::Reading;
    m_total = total;
    m_done = 0;
    update();
}

void TerminalProgress::step(int done)
{
    m_done = done;
    update();
}

void TerminalProgress::finish()
{
    // What comes through status() after a source is read is the writing of the destination.
    m_phase = Phase::Idle;
    m_done = 0;
}

void TerminalProgress::status(const QString&)
{
    if (m_phase == Phase::Idle) {
        m_phase = Phase::Writing;
        m_done = 0;
    }
    if (m_phase == Phase::Counting || m_phase == Phase::Writing)
        ++m_done;
    update();
}

void TerminalProgress::clear()
{
    if (m_shownWidth == 0)
        return;
    m_terminal.write('\r' + QByteArray(m_shownWidth, ' ') + '\r');
    m_shownWidth = 0;
}

void TerminalProgress::update()
{
    const qint64 now = m_clock();
    if (now - m_begun < kQuietStartMs || (m_drawn >= 0 && now - m_drawn < kRedrawEveryMs))
        return;
    const QString text = line();
    if (text.isEmpty())
        return;
    m_drawn = now;
    // A shorter line than the last is padded so that none of the last one stays visible.
    const qsizetype width = text.size();
    m_terminal.write('\r' + text.toUtf8() +
                     QByteArray(std::max<qsizetype>(m_shownWidth - width, 0), ' '));
    m_shownWidth = std::max(m_shownWidth, width);
}

QString TerminalProgress::line() const
{
    switch (m_phase) {
    case Phase::Idle:
        return {};
    case Phase::Counting:
        return QCoreApplication::translate("orvalink::cli::CommandLine", "Counting: %1 folders")
            .arg(number(m_done));
    case Phase::Reading:
        // A file is read in one go; a Favorites folder steps through its folders.
        if (m_total > 1)
            return QCoreApplication::translate("orvalink::cli::CommandLine",
                                               "Reading: %1 of %2 folders")
                .arg(number(std::min(m_done, m_total)), number(m_total));
        return QCoreApplication::translate("orvalink::cli::CommandLine",
                                           "Reading: %1 folders & %2 links")
            .arg(number(m_folders), number(m_links));
    case Phase::Writing:
        return QCoreApplication::translate("orvalink::cli::CommandLine", "Writing: folder %1 of %2")
            .arg(number(std::min(m_done, std::max(m_folders, 1))), number(m_folders));
    }
    return {};
}

} // namespace orvalink::cli

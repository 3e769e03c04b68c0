// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/export_window.h"

#include "conversion/loaded_source.h"
#include "selection/selection_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QProgressBar>
#include <QStatusBar>

namespace orvalink {

namespace {

// How often long work lets the window repaint its progress.
constexpr qint64 kRepaintIntervalMilliseconds = 40;

} // namespace

ExportWindow::BusyScope::BusyScope(ExportWindow& window)
    : m_window(window)
{
    ++m_window.m_busy;
    m_pointer.SetPointer(Qt::WaitCursor);
}

ExportWindow::BusyScope::~BusyScope()
{
    --m_window.m_busy;
}

ExportWindow::ExportWindow(Job& job, ProgramSettings& settings, Dialogs& dialogs, QWidget* owner)
    : QMainWindow(owner)
    , m_job(job)
    , m_settings(settings)
    , m_dialogs(dialogs)
    , m_statusBar(new QStatusBar(this))
    , m_progressBar(new QProgressBar(m_statusBar))
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    setStatusBar(m_statusBar);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setTextVisible(false);
    m_progressBar->setMaximumWidth(200);
    m_progressBar->hide();
    m_statusBar->addPermanentWidget(m_progressBar);
    m_sinceRepaint.start();
}

ExportWindow::~ExportWindow() = default;

void ExportWindow::start(int total)
{
    m_statusBar->clearMessage();
    m_progressBar->setRange(0, std::max(total, 1));
    m_progressBar->setValue(0);
    m_progressBar->show();
    repaintNow(true);
}

void ExportWindow::step(int done)
{
    m_progressBar->setValue(std::min(done, m_progressBar->maximum()));
    repaintNow();
}

void ExportWindow::finish()
{
    m_progressBar->setValue(m_progressBar->maximum());
    m_progressBar->hide();
    repaintNow(true);
}

void ExportWindow::status(const QString& text)
{
    m_statusBar->showMessage(text);
    repaintNow();
}

void ExportWindow::repaintNow(bool force)
{
    if (!isBusy() || (!force && m_sinceRepaint.elapsed() < kRepaintIntervalMilliseconds))
        return;
    m_sinceRepaint.restart();
    // Paint events only: a click or a key press waits until the work is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool ExportWindow::showSelection()
{
    if (!m_selection) {
        const Result<BookmarkModel*, UserMessage> loaded =
            busy([&] { return loadedSource(m_job, *this); });
        if (!loaded) {
            m_dialogs.message(this, loaded.failure());
            return false;
        }
        m_selection = std::make_unique<Form3>(m_job, m_settings, m_dialogs, this);
    }
    const bool confirmed = m_selection->exec() == QDialog::Accepted;
    if (confirmed)
        status(tr("Ready"));
    else
        discardSelection();
    return confirmed;
}

void ExportWindow::discardSelection()
{
    m_selection.reset();
    m_job.discardSource();
}

void ExportWindow::closeEvent(QCloseEvent* event)
{
    if (isBusy()) {
        event->ignore();
        return;
    }
    saveSettings();
    // The selection window shows the job's source: it goes before the source does.
    discardSelection();
    m_job.ResetJob();
    event->accept();
    emit closed();
}

} // namespace orvalink

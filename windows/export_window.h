// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/job.h"
#include "model/progress.h"
#include "settings/program_settings.h"
#include "ui/busy_pointer.h"
#include "ui/dialogs.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <memory>
#include <utility>

class QProgressBar;
class QStatusBar;

namespace orvalink {

class Form3;

// What every export window shares: the job, the program's settings and the dialogs it works with,
// the status bar
// ("StatusBar1") with its progress bar ("ProgressBar1") that long work reports into, the busy
// state, and the selection window over the job's source.
//
// There are no worker threads: long work runs on the interface thread with the busy pointer,
// and the window repaints its progress as it goes without taking user input; it cannot be
// closed until the work ends.
class ExportWindow : public QMainWindow, public Progress
{
    Q_OBJECT

public:
    ExportWindow(Job& job, ProgramSettings& settings, Dialogs& dialogs, QWidget* owner = nullptr);
    ~ExportWindow() override;

    Job& job() const { return m_job; }
    ProgramSettings& settings() const { return m_settings; }
    Dialogs& dialogs() const { return m_dialogs; }
    bool isBusy() const { return m_busy > 0; }

    // Progress, shown in the status bar and the progress bar (hidden while nothing runs).
    void start(int total) override;
    void step(int done) override;
    void finish() override;
    void status(const QString& text) override;

    // Shows the selection window over the job's source, loading the source first when needed;
    // returns whether the user confirmed. Cancelling throws the selection away.
    bool showSelection();
    // Throws the selection away, as a new source or a refreshed choice of what to export must.
    void discardSelection();
    // The selection window, while one is kept (after a confirmed selection); for tests.
    Form3* selectionWindow() const { return m_selection.get(); }

signals:
    // The window has closed; the main window becomes available again.
    void closed();

protected:
    // Runs long work: the busy pointer shows, and the window cannot be closed until it ends.
    template <typename Work> decltype(auto) busy(Work&& work)
    {
        BusyScope scope(*this);
        return std::forward<Work>(work)();
    }

    // Saves the window's options and histories as it closes; each window knows its own.
    virtual void saveSettings() {}
    void closeEvent(QCloseEvent* event) override;

    QStatusBar* statusBar1() const { return m_statusBar; }
    QProgressBar* progressBar1() const { return m_progressBar; }

private:
    class BusyScope
    {
    public:
        explicit BusyScope(ExportWindow& window);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        ExportWindow& m_window;
        cMouse m_pointer;
    };

    // Lets the window repaint during long work, at most every few hundredths of a second.
    void repaintNow(bool force = false);

    Job& m_job;
    ProgramSettings& m_settings;
    Dialogs& m_dialogs;
    QStatusBar* m_statusBar;
    QProgressBar* m_progressBar;
    std::unique_ptr<Form3> m_selection;
    int m_busy = 0;
    QElapsedTimer m_sinceRepaint;
};

} // namespace orvalink

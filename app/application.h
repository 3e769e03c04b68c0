// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/main_window.h"
#include "model/job.h"
#include "settings/program_settings.h"
#include "ui/qt_dialogs.h"

namespace orvalink {

// The running desktop program: the job the windows share, the settings they keep their options
// in, the dialogs they show and the main window, from start to end. Members are destroyed in
// reverse order, so the windows go before the job and the dialogs they refer to.
class Application
{
public:
    // The windows keep their options in settings.
    explicit Application(ProgramSettings settings);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Form1& mainWindow() { return m_mainWindow; }
    Job& job() { return m_job; }
    ProgramSettings& settings() { return m_settings; }

private:
    ProgramSettings m_settings;
    QtDialogs m_dialogs;
    Job m_job;
    Form1 m_mainWindow;
};

} // namespace orvalink

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

namespace orvalink {

Application::Application(ProgramSettings settings)
    : m_settings(std::move(settings))
    , m_mainWindow(m_job, m_settings, m_dialogs)
{}

} // namespace orvalink

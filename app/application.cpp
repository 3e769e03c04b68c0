#include "app/application.h"

namespace orvalink {

Application::Application()
    : m_mainWindow(m_job, m_dialogs)
{}

} // namespace orvalink

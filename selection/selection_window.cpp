#include "selection/selection_window.h"

namespace orvalink {

Form3::Form3(Job& job, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_job(job)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Select Links - Orvalink"));
}

} // namespace orvalink

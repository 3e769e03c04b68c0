#pragma once

#include "model/job.h"
#include "ui/dialogs.h"

#include <QDialog>

namespace orvalink {

// "Select Links - Orvalink": the folders and links of the job's loaded source with check boxes.
// (A first stand-in; the real window replaces it.)
class Form3 : public QDialog
{
    Q_OBJECT

public:
    Form3(Job& job, Dialogs& dialogs, QWidget* parent = nullptr);

private:
    Job& m_job;
    Dialogs& m_dialogs;
};

} // namespace orvalink

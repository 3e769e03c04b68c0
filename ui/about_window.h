// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

namespace orvalink {

class Dialogs;
class ProgramSettings;

// The about window: the program's icon, name and version, the running total of exported items
// (read from settings) and a credit line for the cascading menu engine, with two links opened
// through Dialogs.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    static constexpr const char* kHomePage = "https://orvalink.example.org/";
    static constexpr const char* kEmail = "mailto:orvalink@example.org";

    frmAbout(ProgramSettings& settings, Dialogs& dialogs, QWidget* parent = nullptr);

private:
    QLabel* addLink(int index, const QString& caption, const QString& target);

    Dialogs& m_dialogs;
};

} // namespace orvalink

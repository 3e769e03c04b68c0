#pragma once

#include "platform/processes.h"
#include "sources/source_loader.h"
#include "ui/hover_capture.h"
#include "windows/export_checks.h"
#include "windows/export_run.h"
#include "windows/export_window.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <memory>

class QAbstractButton;
class QComboBox;
class QIcon;
class QPushButton;
class QTabWidget;

namespace orvalink {

class LocationList;
class WhatToExportFrame;

// The export window of one conversion, with what the four conversion windows share on top of
// ExportWindow:
// - the tab strip "TabStrip1" with its pages "Frame1(0)", "Frame1(1)", ...;
// - hover help: a control's "Tag" shows in the status bar while the pointer is over it;
// - the back button ("Go Back to the Main Window", Esc) and themed picture buttons;
// - counting a source and discovering browser files with the busy pointer and status texts;
// - the checks and the export through RunExport, showing what they return: the messages, the
//   window's repairs after a failed check, "Ready".
//
// The window registers its location lists and its "What to Export" frame, so that the repairs
// reach them: a missing source file resets the source list and the frame's caption; a merge into
// a missing file resets the destination list; an invalid destination path focuses it; an invalid
// menu page path focuses the menu page list.
//
// The running processes (for the browser check) come from the table given, the system's by
// default; tests hand in a ListedProcessTable.
class ConversionWindow : public ExportWindow
{
    Q_OBJECT

public:
    ConversionWindow(Job& job, Dialogs& dialogs, std::unique_ptr<ProcessTable> processes = nullptr,
                     QWidget* owner = nullptr);
    ~ConversionWindow() override;

    const ProcessTable& processes() const { return *m_processes; }
    // "TabStrip1", once created.
    QTabWidget* tabStrip() const { return m_tabStrip; }
    // The hover capture object.
    cCaptureTheMouse& cat() { return m_cat; }
    WhatToExportFrame* whatFrame() const { return m_whatFrame; }

    // The help text of a control (its "Tag" property).
    static void setTag(QWidget* control, const QString& tag);
    // A new folder's name: prefix ("Imported from IE (") + today's date in the system's short
    // date format + ")".
    static QString datedFolderName(const QString& prefix);

    // Counts a source with the busy pointer ("Searching Folder: ..." in the status bar).
    SourceCounts countSource(SourceKind kind, const QString& location);
    // Discovery into a location list with its status texts; returns how many entries it added.
    int discover(LocationList& list, SourceKind kind);

    // The source check of "Select Links...": ValidateExport with sourceOnly. A failure is shown
    // with its repair and gives false.
    bool checkSource();
    // Shows a failed check: its message, and the repair it asks for (before the message for a
    // focus, after it for a reset).
    void showCheckFailure(const CheckFailure& failure);
    // What a window does once an export has completed.
    enum class OnCompletion { ShowMessage, OpenResult };
    // Runs the export with the busy pointer (the checks, the backup, the writer, the total) and
    // shows its outcome: the check's message and repair, the backup's or writer's message, or
    // "Exporting Complete" (or, for OpenResult, the written page opened in the browser instead).
    // The status bar reads "Ready" afterwards.
    ExportOutcome runExport(const ExportRequest& request,
                            OnCompletion completion = OnCompletion::ShowMessage);

    // Selects the first tab.
    void showFirstTab();

protected:
    // Creates "TabStrip1" with one page per caption, named "Frame1(0)", "Frame1(1)", ...
    QTabWidget* createTabStrip(const QStringList& captions);
    QWidget* tabPage(int index) const;

    void setSourceList(LocationList* list) { m_sourceList = list; }
    void setDestinationList(LocationList* list) { m_destinationList = list; }
    void setMenuList(QComboBox* list) { m_menuList = list; }
    void setWhatFrame(WhatToExportFrame* frame) { m_whatFrame = frame; }
    // The button that closes the window ("Command8"); Esc does the same.
    void setBackButton(QAbstractButton* button);
    // A small picture button that opens a file or folder dialog; the picture says what it does.
    static QPushButton* browseButton(const QString& name, const QIcon& icon, QWidget* parent);
    // A large picture button with its caption below the picture (start, back).
    static QPushButton* actionButton(const QString& name, const QString& caption, const QIcon& icon,
                                     QWidget* parent);
    // Lays out the window's bottom row: the action buttons side by side at the right.
    static void layoutActionButtons(QWidget* row, std::initializer_list<QPushButton*> buttons);
    // Gives the buttons the themed picture-button look.
    static void applyButtonThemes(std::initializer_list<QAbstractButton*> buttons);
    // Starts the hover help for every control that has a tag now.
    void enableHoverHelp();

    // Activating the window refreshes the "What to Export" caption: the selected counts may have
    // changed in the selection window.
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void resetList(LocationList* list);

    std::unique_ptr<ProcessTable> m_processes;
    cCaptureTheMouse m_cat;
    QTabWidget* m_tabStrip = nullptr;
    // Parts of this window, living as long as it.
    LocationList* m_sourceList = nullptr;
    LocationList* m_destinationList = nullptr;
    QComboBox* m_menuList = nullptr;
    WhatToExportFrame* m_whatFrame = nullptr;
};

} // namespace orvalink

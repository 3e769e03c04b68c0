// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/export_checks.h"
#include "conversion/export_run.h"
#include "forms/storage_form.h"
#include "platform/processes.h"
#include "ui/hover_capture.h"
#include "windows/export_window.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <memory>

class QAbstractButton;
class QComboBox;
class QHBoxLayout;
class QIcon;
class QLabel;
class QLineEdit;
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
// - the source file list counting the file chosen, and the Favorites folder's location row;
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
    // The window is made for the job's mode, which it keeps.
    ConversionWindow(Job& job, ProgramSettings& settings, Dialogs& dialogs,
                     std::unique_ptr<ProcessTable> processes = nullptr, QWidget* owner = nullptr);
    ~ConversionWindow() override;

    ExportMode mode() const { return m_mode; }
    const ProcessTable& processes() const { return *m_processes; }
    // "TabStrip1", once created.
    QTabWidget* tabStrip() const { return m_tabStrip; }
    // The hover capture object.
    cCaptureTheMouse& cat() { return m_cat; }
    WhatToExportFrame* whatFrame() const { return m_whatFrame; }

    // The forms of the window's conversion.
    const StorageForm& sourceForm() const;
    const StorageForm& destinationForm() const;

    // The help text of a control (its "Tag" property). Screen readers read it as the control's
    // description, and as its name where the control shows no caption (a picture button).
    static void setTag(QWidget* control, const QString& tag);
    // Makes caption the label of field: its mnemonic moves the focus there, and screen readers
    // name the field after it (through the label relation on Linux, by the name elsewhere, where a
    // combo box would otherwise be announced by its current entry).
    static void labelField(QLabel* caption, QWidget* field);
    // The help text of a field that has no label of its own, which is also its name.
    static void nameByTag(QWidget* field, const QString& tag);
    // The window's title: its forms' names, "FF Bookmarks to Opera Bookmarks - Orvalink".
    QString conversionTitle() const;
    // The text of a window that names one file form (a bookmark file, a hotlist or a Chromium
    // `Bookmarks` file), as each has it.
    static QString textFor(const StorageForm& form, const QString& bookmarkFile,
                           const QString& hotlist, const QString& chromium);

    // Counts a source of the form with the busy pointer ("Searching Folder: ..." in the status
    // bar).
    SourceCounts countSource(const StorageForm& form, const QString& location);
    // Discovery of the form's files into a location list with its status texts; returns how many
    // entries it added.
    int discover(LocationList& list, const StorageForm& form);
    // Fills the source list with the files of every form of the source's family.
    int discoverSources(LocationList& list);
    // The form of the source at path, within the source's family (see sourceFormAt()).
    const StorageForm& sourceFormAt(const QString& path) const;
    // Takes path as the job's source, with its form.
    void takeSourceLocation(const QString& path);
    // Starts with path as the chosen source, as a file given to the program is: it joins the
    // source list as a browsed file does and is chosen as a click on it would be (checked,
    // taken, counted).
    // A window whose source is a Favorites folder shows path as that folder.
    void startWithSource(const QString& path);
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
    // the box of the export that ran: "Exporting Complete" (or, for OpenResult, the written page
    // opened in the browser instead), "Exporting Incomplete" (followed, for OpenResult, by the
    // page) or "Exporting Failed". The status bar reads "Ready" afterwards.
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
    // A small picture button that opens a file or folder dialog; the picture says what it does.
    static QPushButton* browseButton(const QString& name, const QIcon& icon, QWidget* parent);
    // A browser's picture beside a location's caption.
    static QLabel* picture(const QString& name, const QIcon& icon, QWidget* parent);
    static QHBoxLayout* heading(QLabel* picture, QLabel* caption);
    // A location list's combo box, wide enough for minimumLength characters.
    static QComboBox* locationCombo(const QString& name, int minimumLength, QWidget* parent);

    // Counts the job's Favorites folder into the "What to Export" frame.
    void rescanFavorites();
    // Whether a source file chosen in the source list (FromList) or picked in the file dialog
    // (Browsed) is a source of the window's form (see StorageForm::recognise()). When it is not,
    // the user is told why ("Not a Bookmark File", "Not an Opera Hotlist"); a file chosen in the
    // list is no longer chosen then: the list shows its placeholder and the "What to Export"
    // frame no counts.
    enum class SourceChoice { FromList, Browsed };
    bool acceptsSource(const QString& path, SourceChoice choice);
    // A source file chosen in the source list becomes the job's and is counted into the "What to
    // Export" frame, unless it is the file counted last and the list still holds it, or the file
    // just browsed, which the list chose without a need to count it again. A file that is no
    // source of the form is refused (see acceptsSource()).
    void countChosenSource(const QString& entry);
    // The dialog that picks the source file: "Select a Bookmark File" or "Select an Opera Hotlist
    // File", with the source form's files shown first.
    FileDialogRequest sourceFileDialog() const;
    // A source file picked in the file dialog is counted; one that is no source of the form, or
    // has no link, is refused with its message. Otherwise it joins the source list after the
    // discovered files, becomes the job's and the list's choice, and its counts go to the frame.
    void takeBrowsedSource(const QString& path);
    // Whether a file is chosen in the source list; when the placeholder shows, the user is told
    // ("Bookmark File Not Selected") and the list takes the focus.
    bool sourceFileChosen();

    // The Favorites folder's location: the Favorites picture and caption
    // "Location of Internet Explorer Favorites:", the field "txtIELoc", the browse button, which
    // opens the folder picker, and "Auto", which finds the user's Favorites folder again. The
    // window lays them out.
    struct FavoritesLocationNames
    {
        QString picture;
        QString caption;
        QString fieldTag;
        QString browse;
        QString autoButton;
    };
    struct FavoritesLocation
    {
        QHBoxLayout* heading;
        QLineEdit* field;
        QPushButton* browse;
        QPushButton* autoButton;
    };
    FavoritesLocation createFavoritesLocation(QWidget* parent, const FavoritesLocationNames& names);
    // Shows the job's Favorites folder in the field as the window opens, finding the user's own
    // when the job has none.
    void showFavoritesFolder(QLineEdit* field);
    // The field's folder is counted as it changes: a folder the window puts there (the job's
    // already) at once, typed text when the editing ends, so that half a path is never walked.
    void countFavoritesAsEdited(QLineEdit* field);

    // The names and texts of the window's bottom row.
    struct ActionRow
    {
        QString rowName;
        QString startName;
        QString startCaption;
        QString startTag;
        QString backName;
    };
    // Builds the bottom row: the start button with the conversion's picture and the back button
    // ("Go Back to the Main Window", Esc does the same) side by side at the right. They and the
    // window's browse buttons given get the themed picture-button look. Returns the start button.
    QPushButton* buildActionRow(QWidget* row, const ActionRow& names,
                                std::initializer_list<QAbstractButton*> browseButtons);
    // Starts the hover help for every control that has a tag now.
    void enableHoverHelp();
    // Restores what the window keeps (see ExportWindow): its position, the saved locations of
    // its conversion's two forms and its saved options. A Favorites folder becomes the job's
    // (when it exists), a menu page history's newest entry the job's page; the file histories
    // go into the location lists after what they hold (the placeholder), the newest entry
    // selected as the list's current item (not chosen: the window takes it up). Call once the
    // lists are registered, before discovery.
    void loadSettings();
    // Saves them as the window closes.
    void saveSettings() override;
    // The window's own saved options: shown as it loads, saved as it closes.
    virtual void showSavedOptions(SettingsReader& reader) = 0;
    virtual void saveOptions(SettingsWriter& writer) const = 0;

    // Activating the window refreshes the "What to Export" caption: the selected counts may have
    // changed in the selection window.
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void resetList(LocationList* list);
    // The list that shows a form's locations: the source or destination list, or the menu
    // page list; nullptr for the Favorites folder.
    QComboBox* listShowing(const StorageForm& form) const;
    void showLocations(const StorageForm& form, SettingsReader& reader);
    void saveLocations(const StorageForm& form, SettingsWriter& writer) const;

    ExportMode m_mode;
    std::unique_ptr<ProcessTable> m_processes;
    cCaptureTheMouse m_cat;
    QTabWidget* m_tabStrip = nullptr;
    // Parts of this window, living as long as it.
    LocationList* m_sourceList = nullptr;
    LocationList* m_destinationList = nullptr;
    QComboBox* m_menuList = nullptr;
    WhatToExportFrame* m_whatFrame = nullptr;
    QLineEdit* m_favoritesField = nullptr;
    // The source list's entry when the source was counted last.
    QString m_lastCountedSource;
    // The source was just picked and counted through the file dialog.
    bool m_sourceJustBrowsed = false;
};

} // namespace orvalink

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/export_mode.h"
#include "model/job.h"
#include "settings/program_settings.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/scripted_dialogs.h"
#include "windows/conversion_window.h"

#include <QAbstractButton>
#include <QList>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <memory>

class QComboBox;

namespace orvalink {
class Form3;
}

namespace orvalink::test {

// One executable per area runs several Qt Test classes: each test file registers its class with
// ORVALINK_GUI_TEST(Class) instead of QTEST_MAIN, and the shared main (gui_test_main.cpp, added
// by orvalink_add_gui_test) runs them all, in the order of their class names, in a QApplication
// with a home and options folder of its own. The exit code is the number of failed tests.
using TestFactory = QObject* (*)();
int registerTest(TestFactory factory);
QList<TestFactory>& registeredTests();

#define ORVALINK_GUI_TEST(Class)                                                                   \
    static const int orvalinkRegistered##Class =                                                   \
        orvalink::test::registerTest([]() -> QObject* { return new Class; });

// A home of its own ($HOME and $XDG_CONFIG_HOME in a fresh temporary folder, where discovery
// looks for browser files) and an options folder in it, handed to the windows as settings(),
// for as long as the object lives, so that no test reads or touches the user's files or another
// test's. Create one per test function (in init()) or per test case.
class FreshHome
{
public:
    FreshHome();
    FreshHome(const FreshHome&) = delete;
    FreshHome& operator=(const FreshHome&) = delete;

    // The temporary home folder.
    QString path() const { return m_folder.path(); }
    // The program's settings in this home, in "<home>/.config/orvalink".
    ProgramSettings& settings() { return m_settings; }
    QString optionsFile() const { return m_settings.optionsFile(); }

    // Browser files where discovery finds them, each returning the file's path: the bookmark file
    // of a Firefox profile "default", a hotlist that operaprefs.ini names, and the sample
    // Bookmarks of a Chromium profile "Default".
    QString addFirefoxProfile(const QByteArray& bookmarks) const;
    QString addOperaHotlist(const QByteArray& hotlist) const;
    QString addChromiumProfile() const;

private:
    QTemporaryDir m_folder;
    std::unique_ptr<ScopedEnvironment> m_home;
    std::unique_ptr<ScopedEnvironment> m_config;
    ProgramSettings m_settings;
};

// ScriptedDialogs whose unanswered question fails the running Qt test (and is then answered
// as cancelled, so the test never hangs).
class TestDialogs : public ScriptedDialogs
{
public:
    TestDialogs();
};

// A fixed light palette, so that what a test reads of colours does not depend on the desktop.
QPalette lightPalette();

// A window's control by its name; a missing one ends the test program, as no test can go on.
template <typename T> T* child(const QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// Writes a file (and the folders on its way); returns its path, or "" when it failed.
QString writeFile(const QString& path, const QByteArray& bytes);
// A file's bytes; none when it cannot be read.
QByteArray readFile(const QString& path);
// The bytes of a file under tests/fixtures; a missing one ends the test program.
QByteArray readFixture(const QString& relative);

// The pointer entering a widget (near its top left corner) and leaving it, as the system reports
// them.
void enter(QWidget& widget);
void leave(QWidget& widget);

// The texts of a combo box's items, in order.
QStringList itemTexts(const QComboBox& combo);
// Chooses an item as a click in the drop-down does.
void chooseItem(QComboBox& combo, int index);

// A written file's tree below its root line as the form's reader lists it, without the fields
// (dates a Favorites folder's files happened to get); "unreadable: ..." when it cannot be read.
QString treeOf(FormId form, const QString& path);

// The export window the main window opens for the job's mode, with these programs running.
std::unique_ptr<ConversionWindow> makeExportWindow(Job& job, ProgramSettings& settings,
                                                   Dialogs& dialogs,
                                                   const QStringList& running = {});

// What the export window tests share: a fresh home, dialogs whose every scripted answer must be
// used, a job, and the window under test. The test class calls startWindows() in init() and
// endWindows() in cleanup().
class ExportWindowFixture
{
protected:
    void startWindows();
    void endWindows();
    // Opens the window for mode, active as a user's would be, closing the one before.
    void open(ExportMode mode, const QStringList& running = {});
    template <typename T = QAbstractButton> T* get(const char* name) const
    {
        return child<T>(*m_window, QLatin1String(name));
    }
    void click(const char* name) const;
    // The caption of "What to Export", which counts what will be exported.
    QString caption() const;
    // A path in the home folder, and a file written there (or at an absolute path).
    QString home(const QString& relative) const;
    QString write(const QString& path, const QByteArray& bytes) const;

    std::unique_ptr<FreshHome> m_home;
    std::unique_ptr<TestDialogs> m_dialogs;
    std::unique_ptr<Job> m_job;
    QPointer<ConversionWindow> m_window;
};

// Once the selection window shows (loading a source runs the event loop first), runs work on it
// and confirms it. Call before the action that opens the window.
void confirmSelectionWith(std::function<void(Form3&)> work);

} // namespace orvalink::test

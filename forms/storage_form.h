// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/browser_discovery.h"
#include "model/bookmark_model.h"
#include "model/check_failure.h"
#include "model/export_mode.h"
#include "model/export_options.h"
#include "model/progress.h"
#include "model/result.h"
#include "model/user_message.h"
#include "platform/processes.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace orvalink {

// The folders and links of a whole source, the root not counted.
struct SourceCounts
{
    int folders = 0;
    int links = 0;
};

// The counts of a source loaded whole: its folders but the root, and its links.
SourceCounts countLoaded(const BookmarkModel& source);

// What the file dialogs offer for a form's files: "HTML Files" and "*.html;*.htm".
struct FileFilter
{
    // The filter's name where a file is opened, and where one is saved.
    QString openName;
    QString saveName;
    QString patterns;
    // What a name typed without an extension gets.
    QString defaultExtension;
};

// The ways a destination of the form takes what is written. A new file or folder is made when
// none is there.
struct WriteModes
{
    // An old file can be merged into (its bookmarks kept) or overwritten, and copied to its backup
    // name first.
    bool merge = false;
    bool overwrite = false;
    bool backup = false;
    // Everything can go into the destination's top level, into one new folder, or (a folder
    // destination) into a subfolder that is there already.
    bool topLevel = false;
    bool newFolder = false;
    bool existingFolder = false;
};

// The browser that keeps a form's file open while it runs, so that the file must not be written
// then: its process ("firefox.exe", matched as the process check matches), its name in the
// message, and the check that reports it.
struct RunningBrowser
{
    QString process;
    QString name;
    ExportCheck check;
};

// Which part of DestinationOptions a form's writer reads.
enum class OptionsPart { File, Favorites, MenuPage };

// What a writer reports once the destination is written.
struct WriteReport
{
    // What was written and what could not be, for a writer that counts it itself: a Favorites
    // folder makes a folder and a file per entry, any of which can fail on its own. A file is
    // written whole with everything it was given, and the export counts the source instead.
    struct Counted
    {
        int folders = 0;
        int links = 0;
        int foldersNotCreated = 0;
        int linksNotWritten = 0;
        // The system's reason for the first failure; "" when nothing failed.
        QString firstFailure;
    };
    std::optional<Counted> counted;
    // What the exported-items total grows by, when that is not the folders and links written: a
    // menu page counts its items.
    std::optional<int> items;
    // A line for the completion message on what the user does next for the browser to take the
    // file in; "" when nothing.
    QString takeIn;
};

// One storage form: its names and traits, and how it is recognised, counted, loaded, written and
// discovered. Each form is one implementation in a folder of its own under forms/, and one entry
// of the table of forms (form_table.h); the conversions, the command line and the windows ask the
// table rather than deciding per form.
//
// A form that cannot be read, or cannot be written, keeps the defaults of the operations it lacks,
// which fail; nothing asks them of it (see canRead(), canWrite()).
class StorageForm
{
public:
    // What a form's location is: a folder of files, or one file.
    enum class Storage { Folder, File };

    struct Traits
    {
        FormId id;
        // The name on the command line: "ie", "firefox", "opera", "menu".
        QString commandLineName;
        // What the form is called in a sentence: "an Opera hotlist (.adr)".
        QString displayName;
        // The short name that new folders of its bookmarks are named after: "Imported from FF".
        QString shortName;
        // The name of its drawings: "hotlist" for hotlist.svg, folder_hotlist.svg, ...
        QString iconName;
        Storage storage;
        bool canRead;
        bool canWrite;
        WriteModes writeModes;
        OptionsPart optionsPart;
        // For a file form.
        FileFilter fileFilter;
        std::optional<RunningBrowser> browser;
        // The load builds the folders and links the count finds (of a damaged source, those it
        // can reach), so a caller that loads the source anyway counts the loaded tables (see
        // countLoaded()) rather than reading the source twice.
        bool countedByLoading = false;
    };

    explicit StorageForm(Traits traits);
    virtual ~StorageForm();
    StorageForm(const StorageForm&) = delete;
    StorageForm& operator=(const StorageForm&) = delete;

    FormId id() const { return m_traits.id; }
    const QString& commandLineName() const { return m_traits.commandLineName; }
    const QString& displayName() const { return m_traits.displayName; }
    const QString& shortName() const { return m_traits.shortName; }
    const QString& iconName() const { return m_traits.iconName; }
    bool isFolder() const { return m_traits.storage == Storage::Folder; }
    bool canRead() const { return m_traits.canRead; }
    bool canWrite() const { return m_traits.canWrite; }
    const WriteModes& writeModes() const { return m_traits.writeModes; }
    OptionsPart optionsPart() const { return m_traits.optionsPart; }
    const FileFilter& fileFilter() const { return m_traits.fileFilter; }
    const std::optional<RunningBrowser>& browser() const { return m_traits.browser; }
    bool countedByLoading() const { return m_traits.countedByLoading; }

    // --- Reading ---

    // Whether the location's content shows at once that it is of this form, which tells the forms
    // sharing a command-line name apart (see sourceFormAt()) and recognises a file given without
    // a form (see formClaiming()); false by default: a folder shows no content of its own.
    virtual bool claims(const QString& location) const;

    // Whether the location holds a source of this form, with the message for the user when it
    // does not or cannot be read at all: a file of another form, or one that holds no text, is
    // refused; an empty one is a source without bookmarks.
    virtual Result<void, UserMessage> recognise(const QString& location) const;
    // The folders and links of the source, counted fast and without building its tree, as the
    // export windows show them when a source is chosen; each folder is reported with
    // "Searching Folder: " and its name as the scan meets it. A source that cannot be read counts
    // nothing.
    virtual SourceCounts count(const QString& location, Progress& progress) const;
    // Loads the source into tables and tree exactly as the selection window shows it; fails with
    // the message to show when the location cannot be read or holds no source of the form (see
    // recognise()). expectedFolders (the count's, 0 when unknown) scales the progress.
    virtual Result<std::unique_ptr<BookmarkModel>, UserMessage>
    load(const QString& location, int expectedFolders, Progress& progress) const;

    // --- Checks before an export ---

    // The source is where it was chosen.
    virtual std::optional<CheckFailure> checkSource(const QString& location) const;
    // Whether a remembered location may be offered as a destination of this form: a file that
    // belongs to another form which is never written is not; true by default.
    virtual bool offersAsDestination(const QString& location) const;
    // The destination can be written as the window asks; the first failure. A file form's file is
    // a regular file where one is, is not read-only, is there when it is to be merged, its folder
    // exists, and a backup to be made may replace what stands at the backup name.
    virtual std::optional<CheckFailure> checkDestination(const QString& location,
                                                         const ExportCheckInputs& inputs) const;
    // Whether write() would refuse the old file it is to merge into, asked before the backup is
    // made; nothing to refuse by default.
    virtual Result<void, UserMessage> checkMerge(const QString& location,
                                                 const DestinationOptions& options) const;

    // The browser that has the destination open now, so that it must not be written; by default
    // the form's browser (see browser()) when its process runs.
    virtual std::optional<RunningBrowser> runningBrowser(const QString& location,
                                                         const ProcessTable& processes) const;

    // --- Writing ---

    // Writes the loaded source (all of it, or what is checked, as the options say) to the
    // location, reporting "Exporting From Folder: " and each folder's caption as it goes. A
    // failure that leaves nothing written comes back as the message to show.
    virtual Result<WriteReport, UserMessage> write(BookmarkModel& source, const QString& location,
                                                   const DestinationOptions& options,
                                                   Progress& progress) const;
    // Everything is exported, rather than what is checked in the selection, as the form's part of
    // the options says.
    bool exportsAll(const DestinationOptions& options) const;

    // --- Discovery ---

    // The locations of the form found on this machine (see browser_discovery.h); none by
    // default.
    virtual std::vector<DiscoveredSource> discoverSources() const;
    // Appends the entries of discoverSources() that are not listed yet to entries; returns how
    // many it added.
    int discover(QStringList& entries) const;
    // The form's file in a browser's profile folder, which a folder given as a location of a file
    // form stands for; "" for a form that keeps none there.
    virtual QString locationIn(const QString& profileFolder) const;

private:
    Traits m_traits;
};

// The name the windows and the command line propose for the new folder that a source's
// bookmarks go into: "Imported from " + the source form's short name + " (" + today's date in the
// system's short format + ")".
QString importedFolderName(const StorageForm& source);

} // namespace orvalink

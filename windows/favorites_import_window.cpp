// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/favorites_import_window.h"

#include "forms/form_table.h"
#include "settings/saved_options.h"
#include "ui/browse_for_folder.h"
#include "ui/icons.h"
#include "windows/location_list.h"
#include "windows/what_to_export.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QVBoxLayout>

namespace orvalink {

namespace {

constexpr Qt::CaseSensitivity kPathCase =
#ifdef Q_OS_WIN
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

// The path of folder relative to base, with the platform's separators, when folder lies below
// base; "" when it is base itself or lies elsewhere.
QString relativeSubfolder(const QString& base, const QString& folder)
{
    const auto below = [](const QString& top, const QString& path) -> QString {
        if (top.isEmpty() || path.isEmpty())
            return QString();
        const QString prefix = top.endsWith(QLatin1Char('/')) ? top : top + QLatin1Char('/');
        if (!path.startsWith(prefix, kPathCase) || path.size() == prefix.size())
            return QString();
        return QDir::toNativeSeparators(path.mid(prefix.size()));
    };
    const QString plain = below(QDir::cleanPath(QDir::fromNativeSeparators(base)),
                                QDir::cleanPath(QDir::fromNativeSeparators(folder)));
    if (!plain.isEmpty())
        return plain;
    // The picker may answer with the folder's real path where the Favorites folder is reached
    // through a link.
    return below(QFileInfo(base).canonicalFilePath(), QFileInfo(folder).canonicalFilePath());
}

QString whereName(int index)
{
    return QStringLiteral("NNoptWhere(%1)").arg(index);
}

// Indents a control under an option button, as far as the option's text.
int optionIndent(const QWidget& option)
{
    return option.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
           option.style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
}

} // namespace

Form4::Form4(Job& job, ProgramSettings& settings, Dialogs& dialogs,
             std::unique_ptr<ProcessTable> processes, QWidget* owner)
    : ConversionWindow(job, settings, dialogs, std::move(processes), owner)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(conversionTitle());
    setWindowIcon(conversionIcon(mode()));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    QTabWidget* tabs = createTabStrip({tr("&Setting"), tr("&Options")});
    layout->addWidget(tabs, 1);
    buildSettingsPage(tabPage(0));
    buildOptionsPage(tabPage(1));
    auto* bottom = new QWidget(central);
    buildButtons(bottom);
    layout->addWidget(bottom);
    setCentralWidget(central);

    // The saved Favorites folder, where-to-export choice and source history; the history's
    // latest file is taken over as a click on it would.
    loadSettings();
    m_sources->chooseCurrent();
    whatFrame()->optWhatAll()->setChecked(true);
    m_whereNew->setText(importedFolderName(sourceForm()));

    showFavoritesFolder(m_favorites);
    m_sources->combo()->setFocus();

    discoverSources(*m_sources);
    m_sources->fitDropWidth();
    enableHoverHelp();
    resize(sizeHint());
}

Form4::~Form4() = default;

void Form4::showSavedOptions(SettingsReader& reader)
{
    const FavoritesWindowOptions options = LoadOptions<FavoritesWindowOptions>(reader);
    m_where[static_cast<size_t>(options.where)]->setChecked(true);
}

void Form4::saveOptions(SettingsWriter& writer) const
{
    FavoritesWindowOptions options;
    options.where = m_where[0]->isChecked()   ? FavoritesWhere::Root
                    : m_where[1]->isChecked() ? FavoritesWhere::NewFolder
                                              : FavoritesWhere::ExistingFolder;
    SaveOptions(writer, options);
}

void Form4::buildSettingsPage(QWidget* page)
{
    auto* location = new QGroupBox(tr("Filenames:"), page);
    location->setObjectName(QStringLiteral("fraNNLocation"));
    auto* grid = new QGridLayout(location);

    // The source's picture heads its list: Image1 a bookmark file, Image3 a hotlist.
    auto* sourcePicture = picture(textFor(sourceForm(), QStringLiteral("Image1"),
                                          QStringLiteral("Image3"), QStringLiteral("imgChromium")),
                                  formIcon(sourceForm().id()), location);

    auto* label1 = new QLabel(textFor(sourceForm(), tr("Location of Fi&refox Bookmarks:"),
                                      tr("Location of Opera Hot&list:"),
                                      tr("Location of C&hromium Bookmarks:")),
                              location);
    label1->setObjectName(QStringLiteral("Label1"));
    QComboBox* combo = locationCombo(QStringLiteral("cboNNLoc"), 36, location);
    labelField(label1, combo);
    m_sources = new LocationList(combo,
                                 textFor(sourceForm(), tr("- Please Select a Bookmark File -"),
                                         tr("- Please Select an Opera Hotlist File -"),
                                         tr("- Please Select a Chromium Bookmark File -")),
                                 this);
    setSourceList(m_sources);
    auto* browseSourceButton = browseButton(QStringLiteral("NNcmdNNBrowse"),
                                            folderIcon(sourceForm().id(), true), location);
    setTag(browseSourceButton, textFor(sourceForm(), tr("Select the Bookmark File to Export"),
                                       tr("Select the Opera Hotlist File to Export"),
                                       tr("Select the Chromium Bookmark File to Export")));

    const FavoritesLocation favorites = createFavoritesLocation(
        location, {QString(), QStringLiteral("Label3"),
                   tr("Favorites Folder Location Where Export the Bookmarks"),
                   QStringLiteral("NNcmdIEBrowse"), QStringLiteral("NNcmdIEAuto")});
    m_favorites = favorites.field;

    grid->addLayout(heading(sourcePicture, label1), 0, 0, 1, 3);
    grid->addWidget(combo, 1, 0, 1, 2);
    grid->addWidget(browseSourceButton, 1, 2);
    grid->addLayout(favorites.heading, 2, 0, 1, 3);
    grid->addWidget(m_favorites, 3, 0);
    grid->addWidget(favorites.autoButton, 3, 1);
    grid->addWidget(favorites.browse, 3, 2);
    grid->setColumnStretch(0, 1);
    grid->setVerticalSpacing(6);

    WhatToExportNames names;
    names.all = QStringLiteral("NNoptWhatAll");
    names.selected = QStringLiteral("NNoptWhatSelect");
    names.select = QStringLiteral("NNcmdSelect");
    names.allTag = tr("Export All Folders and Links contained in the Bookmark File");
    auto* what = new WhatToExportFrame(*this, names, page);
    what->setSourceChosenTest([this] { return sourceFileChosen(); });
    setWhatFrame(what);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(location);
    layout->addWidget(what);
    layout->addStretch(1);

    connect(m_sources, &LocationList::entryChosen, this, &Form4::sourceChosen);
    connect(browseSourceButton, &QPushButton::clicked, this, &Form4::browseSource);
    connect(m_favorites, &QLineEdit::textChanged, this, &Form4::favoritesEdited);
}

void Form4::buildOptionsPage(QWidget* page)
{
    auto* frame = new QGroupBox(tr("Where to Export:"), page);
    frame->setObjectName(QStringLiteral("fraNNWhere"));
    const std::array<QString, 3> captions{tr("Export in the &Root Folder"),
                                          tr("Export in a &New Folder"),
                                          tr("Export in a E&xisting Folder")};
    const std::array<QString, 3> tags{tr("Export Bookmarks in the Root of the Favorites Folder"),
                                      tr("Export Bookmarks in a New Folder"),
                                      tr("Export Bookmarks in a Existing Folder")};
    for (int i = 0; i < 3; ++i) {
        m_where[i] = new QRadioButton(captions[i], frame);
        m_where[i]->setObjectName(whereName(i));
        setTag(m_where[i], tags[i]);
    }
    m_whereNew = new QLineEdit(frame);
    m_whereNew->setObjectName(QStringLiteral("NNtxtWhereNew"));
    nameByTag(m_whereNew, tr("Name of the New Folder Where the Bookmarks Will Be Exported"));
    m_whereExist = new QLineEdit(frame);
    m_whereExist->setObjectName(QStringLiteral("NNtxtWhereExist"));
    nameByTag(m_whereExist, tr("Name of the Existing Folder Where the Bookmarks Will Be Exported"));
    auto* browseExisting = browseButton(QStringLiteral("NNcmdWhereBrowse"),
                                        folderIcon(FormId::Favorites, true), frame);
    setTag(browseExisting, tr("Select the Existing Folder Where to Export the Bookmarks"));

    // Each name sits under its option, indented like the option's text.
    auto* grid = new QGridLayout(frame);
    grid->setColumnMinimumWidth(0, optionIndent(*m_where[1]));
    grid->addWidget(m_where[0], 0, 0, 1, 3);
    grid->addWidget(m_where[1], 1, 0, 1, 3);
    grid->addWidget(m_whereNew, 2, 1, 1, 2);
    grid->addWidget(m_where[2], 3, 0, 1, 3);
    grid->addWidget(m_whereExist, 4, 1);
    grid->addWidget(browseExisting, 4, 2);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addStretch(1);

    // As a new window shows them before the saved choice arrives.
    m_where[1]->setChecked(true);
    m_whereExist->setEnabled(false);
    for (int i = 0; i < 3; ++i) {
        connect(m_where[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                whereChosen(i);
        });
    }
    connect(m_where[2], &QRadioButton::clicked, this, &Form4::existingFolderClicked);
    connect(browseExisting, &QPushButton::clicked, this, &Form4::browseExistingFolder);
}

void Form4::buildButtons(QWidget* bottom)
{
    auto* start = buildActionRow(bottom,
                                 {QStringLiteral("Frame2"), QStringLiteral("Command10"),
                                  tr("S&tart Exporting"), tr("Start the Exportation"),
                                  QStringLiteral("NNcmdExit")},
                                 {findChild<QPushButton*>(QStringLiteral("NNcmdIEBrowse")),
                                  findChild<QPushButton*>(QStringLiteral("NNcmdNNBrowse"))});
    connect(start, &QPushButton::clicked, this, &Form4::startExporting);
}

void Form4::AggiornaWhatToExport(const SourceCounts& counts)
{
    whatFrame()->takeCounts(counts);
}

void Form4::sourceChosen(const QString& entry)
{
    if (m_browsing)
        return;
    const QString path = LocationList::pathOf(entry);
    if (!acceptsSource(path, SourceChoice::FromList))
        return;
    takeSourceLocation(path);
    const SourceCounts counts = countSource(sourceFormAt(path), path);
    m_sources->setChosenPath(job().SourceFileLocation);
    AggiornaWhatToExport(counts);
}

void Form4::browseSource()
{
    const QString chosen = dialogs().openFile(this, sourceFileDialog());
    if (chosen.isEmpty() || chosen == m_sources->combo()->currentText() ||
        !acceptsSource(chosen, SourceChoice::Browsed))
        return;
    const SourceCounts counts = countSource(sourceFormAt(chosen), chosen);
    if (counts.links == 0) {
        status(tr("Ready"));
        dialogs().message(this, noBookmarkMessage());
        return;
    }
    m_sources->addBrowsed(chosen, BrowsedPlace::AfterDiscovered, BrowsedLimit::BeyondDiscovered);
    {
        // The file is counted already: choosing it only shows it and makes it the one the
        // placeholder brings back.
        const QScopedValueRollback browsing(m_browsing, true);
        m_sources->chooseEntry(chosen);
    }
    takeSourceLocation(chosen);
    m_sources->setChosenPath(chosen);
    AggiornaWhatToExport(counts);
}

void Form4::favoritesEdited(const QString& text)
{
    job().IELocation = text;
    m_whereExist->clear();
    m_whereExist->setToolTip(QString());
    if (m_where[2]->isChecked())
        m_where[1]->setChecked(true);
}

void Form4::whereChosen(int index)
{
    // Each name can be edited only while its option is chosen.
    m_whereNew->setEnabled(index == 1);
    m_whereExist->setEnabled(index == 2);
}

void Form4::existingFolderClicked()
{
    if (m_whereExist->text().isEmpty())
        browseExistingFolder();
    if (m_whereExist->text().isEmpty())
        m_where[0]->setChecked(true);
}

void Form4::browseExistingFolder()
{
    cBrowseForFolder picker;
    picker.setHwnd(this);
    static_cast<void>(picker.setDialogTitle(tr("Please, Select a Folder.")));
    picker.setSRootFolderPath(job().IELocation);
    picker.setInitialFolder(job().IELocation);
    picker.Show(dialogs());

    const QString relative = relativeSubfolder(job().IELocation, picker.FolderName());
    if (relative.isEmpty())
        return;
    m_whereExist->setText(relative);
    m_whereExist->setToolTip(relative);
    m_where[2]->setChecked(true);
}

FavoritesExportOptions Form4::favoritesOptions() const
{
    FavoritesExportOptions options;
    options.where = FavoritesWhere::Root;
    if (m_where[1]->isChecked() && m_where[1]->isEnabled())
        options.where = FavoritesWhere::NewFolder;
    else if (m_where[2]->isChecked() && m_where[2]->isEnabled())
        options.where = FavoritesWhere::ExistingFolder;
    options.newFolderName = m_whereNew->text();
    options.existingFolder = m_whereExist->text();
    options.exportAll = whatFrame()->exportsAll();
    return options;
}

void Form4::startExporting()
{
    if (m_sources->isPlaceholderShown()) {
        dialogs().message(this, UserMessage{tr("Bookmark File Not Selected"),
                                            {tr("Please, Select A Bookmark File.")},
                                            MessageIcon::Information});
        showFirstTab();
        m_sources->combo()->setFocus();
        return;
    }
    ExportRequest request;
    request.favorites = favoritesOptions();
    runExport(request);
}

} // namespace orvalink

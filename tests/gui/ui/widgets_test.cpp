// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/exported_items.h"
#include "tests/gui/support/gui_test_support.h"
#include "ui/about_window.h"
#include "ui/browse_for_folder.h"
#include "ui/combo_helpers.h"
#include "ui/icons.h"
#include "ui/qt_dialogs.h"
#include "ui/visible_checks.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>

using namespace orvalink;
using namespace Qt::Literals::StringLiterals;
using Kind = ScriptedDialogs::Kind;

namespace {

// Runs check on the modal dialog that opens next, then lets it close: answer is what closes it.
void whenModalOpens(std::function<void(QWidget*)> check)
{
    QTimer::singleShot(0, [check = std::move(check)] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            // Not shown yet: look again.
            whenModalOpens(check);
            return;
        }
        check(dialog);
    });
}

// The opaque pixels of a picture and their average colour saturation and brightness.
struct Ink
{
    int pixels = 0;
    double saturation = 0;
    double value = 0;
};

Ink ink(const QImage& image)
{
    Ink result;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.alpha() > 32) {
                ++result.pixels;
                result.saturation += colour.hsvSaturationF();
                result.value += colour.valueF();
            }
        }
    }
    if (result.pixels) {
        result.saturation /= result.pixels;
        result.value /= result.pixels;
    }
    return result;
}

} // namespace

class WidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_home = std::make_unique<test::FreshHome>(); }
    void cleanup() { m_home.reset(); }

    void dropDownFitsTheLongestItem()
    {
        QComboBox combo;
        combo.resize(150, combo.sizeHint().height());
        // A font whose average character is 6 pixels wide.
        QFont font = combo.font();
        for (int size = 4; size < 30 && AverageCharWidth(combo) != 6; ++size) {
            font.setPixelSize(size);
            combo.setFont(font);
        }
        QCOMPARE(AverageCharWidth(combo), 6);
        const QString path = u"/home/ann/.mozilla/firefox/abc.default/bookmarkbackups/x.html"_s;
        combo.addItems({u"short"_s, QString(40, QLatin1Char('x')), path});
        SetComboDropWidth(combo);
        QVERIFY(combo.view()->minimumWidth() >= 228);
        QVERIFY(combo.view()->minimumWidth() >
                QFontMetrics(combo.view()->font()).horizontalAdvance(path));

        // A path wider than its box shows its beginning and its file's name.
        PathComboBox paths;
        paths.addItem(path);
        paths.resize(200, paths.sizeHint().height());
        const QString shown = paths.shownText();
        QVERIFY2(shown.startsWith(u"/home/"_s) && shown.endsWith(u"x.html"_s) &&
                     shown.contains(QChar(0x2026)),
                 qPrintable(shown));

        // Only short items: the list is as wide as the combo.
        QComboBox narrow;
        narrow.resize(200, narrow.sizeHint().height());
        narrow.addItems({u"a"_s, u"bc"_s});
        SetComboDropWidth(narrow);
        narrow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&narrow));
        narrow.showPopup();
        QCOMPARE(narrow.view()->window()->width(), narrow.width());
        narrow.hidePopup();
    }

    void aboutWindowShowsTheTotalAndOpensLinks()
    {
        QCOMPARE(AddTotalItemsExported(m_home->settings(), 123), 123);
        test::TestDialogs dialogs;
        frmAbout about(m_home->settings(), dialogs);
        QCOMPARE(about.findChild<QLabel*>(u"lblTotalItemsExported"_s)->text(),
                 u"Total Exported Items: 123"_s);
        // Showing the total adds nothing to it.
        QCOMPARE(AddTotalItemsExported(m_home->settings(), 0), 123);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        for (const char* name : {"lblVersion", "lblTotalItemsExported", "lblMenuCredit"}) {
            const auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY2(label->alignment() & Qt::AlignHCenter, name);
            const int middle = label->mapTo(&about, label->rect().center()).x();
            QVERIFY2(qAbs(middle - about.width() / 2) <= 2, name);
        }
        for (int i = 0; i < 2; ++i) {
            auto* link = about.findChild<QLabel*>(u"lblLink(%1)"_s.arg(i));
            QVERIFY(link);
            QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        }
        const QList<ScriptedDialogs::Call> opened = dialogs.calls(Kind::OpenExternally);
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[0].target, QString::fromLatin1(frmAbout::kHomePage));
        QCOMPARE(opened[1].target, QString::fromLatin1(frmAbout::kEmail));

        QTest::mouseClick(about.findChild<QPushButton*>(u"cmdEsci"_s), Qt::LeftButton);
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(!about.isVisible());
    }

    void folderPickerRules()
    {
        // What the windows' pickers ask for (root, initial folder, owner) their tests see; here,
        // the picker's own refusals.
        test::TestDialogs dialogs;
        // A root path that is no folder is reported; the picker opens without a limit. Without
        // an owner the user is told so first.
        cBrowseForFolder orphan;
        QVERIFY(orphan.setDialogTitle(u"Please, Select a Folder."_s).ok());
        orphan.setSRootFolderPath(m_home->path() + u"/missing"_s);
        dialogs.answerPickFolder(m_home->path());
        orphan.Show(dialogs);
        const QList<ScriptedDialogs::Call> messages = dialogs.calls(Kind::Message);
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0].message.title, u"Error"_s);
        QCOMPARE(messages[0].message.text(), u"Assegnare un form al Browse For Folder"_s);
        QCOMPARE(messages[0].message.icon, MessageIcon::None);
        QVERIFY(messages[1].message.text().startsWith(u"Error: &H80070003, "_s));
        QCOMPARE(messages[1].message.icon, MessageIcon::Exclamation);
        QCOMPARE(dialogs.last(Kind::PickFolder).folder.rootPath, QString());
        QCOMPARE(orphan.FolderName(), m_home->path());
    }

    // In a dark colour scheme an unchecked box of a tree stands out from the background.
    void uncheckedBoxShowsInTheDark()
    {
        QTreeView view;
        ShowChecksClearly(&view);
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.rect = QRect(2, 2, 16, 16);
        option.state = QStyle::State_Enabled | QStyle::State_Off;
        const QColor background(0x1e, 0x1e, 0x1e);
        option.palette.setColor(QPalette::Base, background);
        option.palette.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x2d));
        option.palette.setColor(QPalette::Text, QColor(0xe0, 0xe0, 0xe0));
        QImage image(20, 20, QImage::Format_ARGB32);
        image.fill(background);
        {
            QPainter painter(&image);
            view.style()->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &option, &painter,
                                        &view);
        }
        int strongest = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                strongest = std::max(strongest,
                                     image.pixelColor(x, y).lightness() - background.lightness());
        }
        QVERIFY2(strongest >= 100, qPrintable(QString::number(strongest)));
    }

    // A short message under a long title: the box is wide enough for the whole title.
    void messageBoxHasRoomForItsTitle()
    {
        const QString title = u"Bookmark File Not Selected For Export Anywhere"_s;
        QMessageBox box(QMessageBox::Information, title, u"Pick one."_s, QMessageBox::Ok);
        const int before = box.sizeHint().width();
        fitTitle(box);
        QFont bold = box.font();
        bold.setBold(true);
        QVERIFY(box.sizeHint().width() > QFontMetrics(bold).horizontalAdvance(title));
        QVERIFY(box.sizeHint().width() > before);
    }

    void qtDialogsTranslateRequests()
    {
        QCOMPARE(nameFiltersFromPairs(u"All Files (*.*)|*.*|HTML Files|*.html;*.htm|"_s),
                 QStringList({u"All Files (*)"_s, u"HTML Files (*.html *.htm)"_s}));
        QCOMPARE(nameFiltersFromPairs(u"Opera Hotlist Files (*.adr)|*.adr|"_s),
                 QStringList({u"Opera Hotlist Files (*.adr)"_s}));
        QCOMPARE(nameFiltersFromPairs(QString()), QStringList());
        QCOMPARE(externalUrl(u"/tmp/my page.html"_s), QUrl::fromLocalFile(u"/tmp/my page.html"_s));
        QCOMPARE(externalUrl(u"https://example.org/a?b=c"_s).toString(),
                 u"https://example.org/a?b=c"_s);
        QCOMPARE(externalUrl(u"mailto:someone@example.org"_s).scheme(), u"mailto"_s);

        QtDialogs dialogs;
        QWidget owner;
        whenModalOpens([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->windowTitle(), u"Overwrite"_s);
            QCOMPARE(box->text(), u"The file exists.\nReplace it?"_s);
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(dialogs.question(&owner, UserMessage{u"Overwrite"_s,
                                                     {u"The file exists."_s, u"Replace it?"_s},
                                                     MessageIcon::Question}));

        const QString folder = m_home->path();
        FileDialogRequest request;
        request.title = u"Select Where To Export The IE Favorites"_s;
        request.filter = u"All Files (*.*)|*.*|HTML Files|*.html;*.htm|"_s;
        request.filterIndex = 2;
        request.defaultExtension = u"htm"_s;
        request.initialPath = folder;
        request.confirmOverwrite = true;
        whenModalOpens([folder](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog->selectedNameFilter(), u"HTML Files (*.html *.htm)"_s);
            QCOMPARE(dialog->defaultSuffix(), u"htm"_s);
            QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
            QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(folder).canonicalPath());
            dialog->selectFile(folder + u"/bookmarks"_s);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QCOMPARE(dialogs.saveFile(&owner, request), folder + u"/bookmarks.htm"_s);

        // The folder picker opens at the initial folder; a choice outside the root is no choice.
        // The sidebar it shows stays its own: every Qt program of the user keeps theirs.
        const QStringList userSidebar{u"file:///usr"_s, u"file:///tmp"_s};
        QSettings(QSettings::UserScope, u"QtProject"_s)
            .setValue(u"FileDialog/shortcuts"_s, userSidebar);
        const QString inner = folder + u"/inner"_s;
        QVERIFY(QDir().mkpath(inner));
        for (const QString& choice : {inner, QDir::tempPath()}) {
            whenModalOpens([inner, choice](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                QVERIFY(dialog);
                QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(inner).canonicalPath());
                dialog->selectFile(choice);
                QMetaObject::invokeMethod(dialog, "accept");
            });
            const QString picked =
                dialogs.pickFolder(&owner, {u"Please, Select a Folder."_s, folder, inner});
            QCOMPARE(picked, choice == inner ? inner : QString());
        }
        QCOMPARE(QSettings(QSettings::UserScope, u"QtProject"_s)
                     .value(u"FileDialog/shortcuts"_s)
                     .toStringList(),
                 userSidebar);
    }

    void iconsDrawInTheirLooks()
    {
        QList<QIcon> icons = {applicationIcon(),
                              formIcon(FormId::MenuPage),
                              backIcon(),
                              rootIcon(FormId::Favorites),
                              sortIcon(Qt::AscendingOrder),
                              sortIcon(Qt::DescendingOrder)};
        for (const FormId form : {FormId::Favorites, FormId::BookmarkFile, FormId::Hotlist})
            icons << formIcon(form) << folderIcon(form) << folderIcon(form, true) << linkIcon(form);
        for (int mode = 2; mode <= 11; ++mode) {
            if (mode != 3)
                icons << conversionIcon(ExportMode(mode));
        }

        for (qsizetype i = 0; i < icons.size(); ++i) {
            const QByteArray which = QByteArray::number(i);
            const QImage normal = icons[i].pixmap(QSize(32, 32)).toImage();
            const Ink drawn = ink(normal);
            // Every drawing is found and draws something, but not a filled square.
            QVERIFY2(drawn.pixels > 32 && drawn.pixels < 32 * 32, which);
            // Hovered, brighter in the same colours: washed out, it would read as disabled.
            const Ink hover = ink(icons[i].pixmap(QSize(32, 32), QIcon::Active).toImage());
            QVERIFY2(hover.pixels == drawn.pixels && hover.value > drawn.value, which);
            QVERIFY2(hover.saturation >= drawn.saturation * 0.95, which);
            const QImage disabled = icons[i].pixmap(QSize(32, 32), QIcon::Disabled).toImage();
            QVERIFY2(ink(disabled).saturation < 0.01, which);
            // Sharp at 200%: twice the pixels, not a scaled-up picture.
            QCOMPARE(icons[i].pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
        }
        // The installed program icon is a valid drawing of its own.
        QVERIFY(QSvgRenderer(QStringLiteral(ORVALINK_SOURCE_DIR "/resources/icons/orvalink.svg"))
                    .isValid());
    }

private:
    std::unique_ptr<test::FreshHome> m_home;
};

ORVALINK_GUI_TEST(WidgetsTest)
#include "widgets_test.moc"

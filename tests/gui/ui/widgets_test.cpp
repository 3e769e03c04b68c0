#include "settings/exported_items.h"
#include "tests/gui/support/gui_test_support.h"
#include "ui/about_window.h"
#include "ui/browse_for_folder.h"
#include "ui/combo_helpers.h"
#include "ui/icons.h"
#include "ui/qt_dialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace orvalink;
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

// The opaque pixels of a picture and their average colour saturation.
struct Ink
{
    int pixels = 0;
    double saturation = 0;
};

Ink ink(const QImage& image)
{
    Ink result;
    double saturation = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.alpha() > 32) {
                ++result.pixels;
                saturation += colour.hsvSaturationF();
            }
        }
    }
    result.saturation = result.pixels ? saturation / result.pixels : 0;
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
        combo.addItems({QStringLiteral("short"), QString(40, QLatin1Char('x')),
                        QStringLiteral("medium length")});
        SetComboDropWidth(combo);
        QCOMPARE(combo.view()->minimumWidth(), 228);

        // Only short items: the list is as wide as the combo.
        QComboBox narrow;
        narrow.resize(200, narrow.sizeHint().height());
        narrow.addItems({QStringLiteral("a"), QStringLiteral("bc")});
        SetComboDropWidth(narrow);
        narrow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&narrow));
        narrow.showPopup();
        QCOMPARE(narrow.view()->window()->width(), narrow.width());
        narrow.hidePopup();
    }

    void aboutWindowShowsTheTotalAndOpensLinks()
    {
        QCOMPARE(AddTotalItemsExported(123), 123);
        test::TestDialogs dialogs;
        for (int opened = 0; opened < 2; ++opened) {
            frmAbout about(dialogs);
            const auto* total = about.findChild<QLabel*>(QStringLiteral("lblTotalItemsExported"));
            QVERIFY(total);
            QCOMPARE(total->text(), QStringLiteral("Total Exported Items: 123"));
        }
        QCOMPARE(AddTotalItemsExported(0), 123);

        frmAbout about(dialogs);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Orvalink - Version 2.41"));
        for (const char* name : {"lblVersion", "lblTotalItemsExported", "lblMenuCredit"}) {
            const auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY2(label->alignment() & Qt::AlignHCenter, name);
            const int middle = label->mapTo(&about, label->rect().center()).x();
            QVERIFY2(qAbs(middle - about.width() / 2) <= 2, name);
        }
        for (int i = 0; i < 2; ++i) {
            auto* link = about.findChild<QLabel*>(QStringLiteral("lblLink(%1)").arg(i));
            QVERIFY(link);
            QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        }
        const QList<ScriptedDialogs::Call> opened = dialogs.calls(Kind::OpenExternally);
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[0].target, QString::fromLatin1(frmAbout::kHomePage));
        QCOMPARE(opened[1].target, QString::fromLatin1(frmAbout::kEmail));

        test::saveScreenshotSet(about, QStringLiteral("about"));
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdEsci")), Qt::LeftButton);
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(!about.isVisible());
    }

    void folderPickerRules()
    {
        cBrowseForFolder picker;
        QVERIFY(picker.setDialogTitle(QStringLiteral("Please, Select a Folder.")).ok());
        const Result<void> empty = picker.setDialogTitle(QString());
        QVERIFY(!empty.ok());
        QCOMPARE(empty.failure().code, cBrowseForFolder::InvalidProcedureCall);
        QCOMPARE(picker.DialogTitle(), QStringLiteral("Please, Select a Folder."));
        QVERIFY(picker.setRootFolder(37).ok());
        QVERIFY(!picker.setRootFolder(38).ok());
        QVERIFY(!picker.setRootFolder(-1).ok());
        QCOMPARE(picker.RootFolder(), 37);

        // Rooted at the drives: the whole file system, opening at the initial folder.
        test::TestDialogs dialogs;
        QWidget owner;
        picker.setHwnd(&owner);
        QVERIFY(picker.setRootFolder(cBrowseForFolder::Drives).ok());
        picker.setInitialFolder(m_home->path());
        dialogs.answerPickFolder(m_home->path() + QStringLiteral("/Favorites"));
        picker.Show(dialogs);
        QCOMPARE(picker.FolderName(), m_home->path() + QStringLiteral("/Favorites"));
        QCOMPARE(dialogs.calls().size(), 1);
        const auto request = dialogs.last(Kind::PickFolder).folder;
        QCOMPARE(request.prompt, QStringLiteral("Please, Select a Folder."));
        QCOMPARE(request.rootPath, QString());
        QCOMPARE(request.initialFolder, m_home->path());
        QCOMPARE(dialogs.last(Kind::PickFolder).parent.data(), &owner);

        // A root path takes precedence over the special folder; cancelling gives "".
        picker.setSRootFolderPath(m_home->path());
        dialogs.answerPickFolder(QString());
        picker.Show(dialogs);
        QCOMPARE(dialogs.last(Kind::PickFolder).folder.rootPath, m_home->path());
        QCOMPARE(picker.FolderName(), QString());

        // A root path that is no folder is reported; the picker opens without a limit. Without
        // an owner the user is told so first.
        dialogs.clear();
        cBrowseForFolder orphan;
        QVERIFY(orphan.setDialogTitle(QStringLiteral("Please, Select a Folder.")).ok());
        orphan.setSRootFolderPath(m_home->path() + QStringLiteral("/missing"));
        dialogs.answerPickFolder(m_home->path());
        orphan.Show(dialogs);
        const QList<ScriptedDialogs::Call> messages = dialogs.calls(Kind::Message);
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0].message.title, QStringLiteral("Error"));
        QCOMPARE(messages[0].message.text(),
                 QStringLiteral("Assegnare un form al Browse For Folder"));
        QCOMPARE(messages[0].message.icon, MessageIcon::None);
        QVERIFY(messages[1].message.text().startsWith(QStringLiteral("Error: &H80070003, ")));
        QCOMPARE(messages[1].message.icon, MessageIcon::Exclamation);
        QCOMPARE(dialogs.last(Kind::PickFolder).folder.rootPath, QString());
        QCOMPARE(orphan.FolderName(), m_home->path());
    }

    void qtDialogsTranslateRequests()
    {
        QCOMPARE(
            nameFiltersFromPairs(QStringLiteral("All Files (*.*)|*.*|HTML Files|*.html;*.htm|")),
            QStringList(
                {QStringLiteral("All Files (*)"), QStringLiteral("HTML Files (*.html *.htm)")}));
        QCOMPARE(nameFiltersFromPairs(QStringLiteral("Opera Hotlist Files (*.adr)|*.adr|")),
                 QStringList({QStringLiteral("Opera Hotlist Files (*.adr)")}));
        QCOMPARE(nameFiltersFromPairs(QString()), QStringList());
        QCOMPARE(externalUrl(QStringLiteral("/tmp/my page.html")),
                 QUrl::fromLocalFile(QStringLiteral("/tmp/my page.html")));
        QCOMPARE(externalUrl(QStringLiteral("https://example.org/a?b=c")).toString(),
                 QStringLiteral("https://example.org/a?b=c"));
        QCOMPARE(externalUrl(QStringLiteral("mailto:someone@example.org")).scheme(),
                 QStringLiteral("mailto"));

        QtDialogs dialogs;
        QWidget owner;
        whenModalOpens([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->windowTitle(), QStringLiteral("Overwrite"));
            QCOMPARE(box->text(), QStringLiteral("The file exists.\nReplace it?"));
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(dialogs.question(
            &owner, UserMessage{QStringLiteral("Overwrite"),
                                {QStringLiteral("The file exists."), QStringLiteral("Replace it?")},
                                MessageIcon::Question}));

        const QString folder = m_home->path();
        FileDialogRequest request;
        request.title = QStringLiteral("Select Where To Export The IE Favorites");
        request.filter = QStringLiteral("All Files (*.*)|*.*|HTML Files|*.html;*.htm|");
        request.filterIndex = 2;
        request.defaultExtension = QStringLiteral("htm");
        request.initialPath = folder;
        request.confirmOverwrite = true;
        whenModalOpens([folder](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("HTML Files (*.html *.htm)"));
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("htm"));
            QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
            QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(folder).canonicalPath());
            dialog->selectFile(folder + QStringLiteral("/bookmarks"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QCOMPARE(dialogs.saveFile(&owner, request), folder + QStringLiteral("/bookmarks.htm"));

        // The folder picker opens at the initial folder; a choice outside the root is no choice.
        const QString inner = folder + QStringLiteral("/inner");
        QVERIFY(QDir().mkpath(inner));
        for (const QString& choice : {inner, QDir::tempPath()}) {
            whenModalOpens([inner, choice](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                QVERIFY(dialog);
                QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(inner).canonicalPath());
                dialog->selectFile(choice);
                QMetaObject::invokeMethod(dialog, "accept");
            });
            const QString picked = dialogs.pickFolder(
                &owner, {QStringLiteral("Please, Select a Folder."), folder, inner});
            QCOMPARE(picked, choice == inner ? inner : QString());
        }
    }

    void iconsDrawInTheirLooks()
    {
        QList<std::pair<QString, QIcon>> icons = {
            {QStringLiteral("application"), applicationIcon()},
            {QStringLiteral("menu"), menuPageIcon()},
            {QStringLiteral("back"), backIcon()},
            {QStringLiteral("root"), favoritesRootIcon()},
            {QStringLiteral("ascending"), sortIcon(Qt::AscendingOrder)},
            {QStringLiteral("descending"), sortIcon(Qt::DescendingOrder)},
        };
        for (const SourceKind form :
             {SourceKind::Favorites, SourceKind::BookmarkFile, SourceKind::Hotlist}) {
            icons.append({QStringLiteral("form"), formIcon(form)});
            icons.append({QStringLiteral("folder"), folderIcon(form)});
            icons.append({QStringLiteral("open folder"), folderIcon(form, true)});
            icons.append({QStringLiteral("link"), linkIcon(form)});
        }
        for (const ExportMode mode :
             {ExportMode::IEToFirefox, ExportMode::IEToOpera, ExportMode::IEToMenu,
              ExportMode::FirefoxToIE, ExportMode::FirefoxToOpera, ExportMode::FirefoxToMenu,
              ExportMode::OperaToIE, ExportMode::OperaToFirefox, ExportMode::OperaToMenu})
            icons.append({QStringLiteral("conversion %1").arg(int(mode)), conversionIcon(mode)});

        for (const auto& [name, icon] : icons) {
            const QImage normal = icon.pixmap(QSize(32, 32)).toImage();
            const Ink drawn = ink(normal);
            // Every drawing is found and draws something, but not a filled square.
            QVERIFY2(drawn.pixels > 32 && drawn.pixels < 32 * 32, qPrintable(name));
            const QImage hover = icon.pixmap(QSize(32, 32), QIcon::Active).toImage();
            QVERIFY2(hover != normal, qPrintable(name));
            QCOMPARE(ink(hover).pixels, drawn.pixels);
            const Ink disabled = ink(icon.pixmap(QSize(32, 32), QIcon::Disabled).toImage());
            QVERIFY2(disabled.saturation < 0.01, qPrintable(name));
            // Sharp at 200%: twice the pixels, not a scaled-up picture.
            const QPixmap sharp = icon.pixmap(QSize(32, 32), 2.0);
            QCOMPARE(sharp.size(), QSize(64, 64));
        }
        // The installed program icon is a valid drawing of its own.
        QVERIFY(QSvgRenderer(QStringLiteral(ORVALINK_SOURCE_DIR "/resources/icons/orvalink.svg"))
                    .isValid());

        // A sheet of every picture, for looking at.
        QWidget sheet;
        auto* grid = new QGridLayout(&sheet);
        int column = 0;
        for (const auto& [name, icon] : icons) {
            for (const int size : {16, 32, 48}) {
                auto* label = new QLabel(&sheet);
                label->setPixmap(icon.pixmap(QSize(size, size)));
                grid->addWidget(label, size / 16 - 1, column);
            }
            auto* disabled = new QLabel(&sheet);
            disabled->setPixmap(icon.pixmap(QSize(32, 32), QIcon::Disabled));
            grid->addWidget(disabled, 3, column);
            ++column;
        }
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        test::saveScreenshotSet(sheet, QStringLiteral("icons"));
    }

private:
    std::unique_ptr<test::FreshHome> m_home;
};

ORVALINK_GUI_TEST(WidgetsTest)
#include "widgets_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "model/bookmark_model.h"
#include "model/job.h"
#include "platform/translations.h"
#include "selection/selection_window.h"
#include "tests/gui/support/gui_test_support.h"
#include "ui/about_window.h"
#include "windows/export_window.h"
#include "windows/menu_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <memory>

using namespace orvalink;
using namespace Qt::Literals::StringLiterals;

namespace {

bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Tree:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::PageTab:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
        return true;
    default:
        return false;
    }
}

// The captions whose underlined letter a user can press with Alt in this window.
QStringList mnemonicCaptions(const QObject* object)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(object))
        return {button->text()};
    if (const auto* label = qobject_cast<const QLabel*>(object); label && label->buddy())
        return {label->text()};
    if (const auto* frame = qobject_cast<const QGroupBox*>(object))
        return {frame->title()};
    if (const auto* tabs = qobject_cast<const QTabWidget*>(object)) {
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        return captions;
    }
    if (const auto* bar = qobject_cast<const QMenuBar*>(object)) {
        QStringList captions;
        for (const QAction* menu : bar->actions())
            captions << menu->text();
        return captions;
    }
    return {};
}

// What a screen reader meets in the shown part of a window: every interactive control without a
// name of its own (a nameless one is announced by its frame's title, a combo box without a label
// by its current entry), and every mnemonic two shown captions share.
QStringList faultsOf(QWidget& window)
{
    QStringList faults;
    QHash<QKeySequence, QString> mnemonics;
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || node->state().invisible)
            return;
        const QString name = node->text(QAccessible::Name);
        const QObject* object = node->object();
        const auto* frame = object ? qobject_cast<const QGroupBox*>(object->parent()) : nullptr;
        // Qt on Linux names a combo box by its current entry and leaves its caption to the label
        // relation.
        const bool comboUnnamed = node->role() == QAccessible::ComboBox &&
                                  name == node->text(QAccessible::Value) &&
                                  node->relations(QAccessible::Label).isEmpty();
        if (isInteractive(node->role()) &&
            (name.trimmed().isEmpty() || (frame && name == frame->title()) || comboUnnamed))
            faults << u"%1 (role %2) has no name of its own"_s
                          .arg(object ? object->objectName() : QString())
                          .arg(node->role());
        if (node->object() && node->object()->isWidgetType()) {
            for (const QString& caption : mnemonicCaptions(node->object())) {
                const QKeySequence key = QKeySequence::mnemonic(caption);
                if (key.isEmpty())
                    continue;
                if (mnemonics.contains(key))
                    faults << u"\"%1\" and \"%2\" share a mnemonic"_s.arg(mnemonics[key], caption);
                mnemonics.insert(key, caption);
            }
        }
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(&window));
    return faults;
}

// The faults of a window, shown with each of its tabs in turn.
QStringList faultsWithEachTab(QWidget& window)
{
    window.show();
    auto* tabs = window.findChild<QTabWidget*>();
    QStringList faults;
    for (int page = 0; page < (tabs ? tabs->count() : 1); ++page) {
        if (tabs)
            tabs->setCurrentIndex(page);
        for (const QString& fault : faultsOf(window))
            faults << u"%1, page %2: %3"_s.arg(window.windowTitle()).arg(page).arg(fault);
    }
    return faults;
}

std::unique_ptr<BookmarkModel> oneLinkSource()
{
    auto source = std::make_unique<BookmarkModel>(FormId::BookmarkFile, u"/nowhere/b.html"_s);
    source->addFolder(-1, u"Bookmarks"_s);
    source->beginEntries(0);
    LinkRecord link;
    link.Name = u"Example"_s;
    link.URL = u"https://example.org/"_s;
    link.Kind = EntryKind::Link;
    link.IconIndex = IconIndex::BookmarkFileLink;
    source->appendEntry(link);
    return source;
}

} // namespace

// Each window as assistive technology meets it, in the session's language (ctest runs this
// program once per catalogue).
class AccessibleWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyControlIsNamedAndEveryMnemonicUnique()
    {
        const ProgramTranslations translations(
            translationsFolder(QStringLiteral(ORVALINK_PROGRAM_DIR)));
        test::FreshHome home;
        test::TestDialogs dialogs;
        QStringList faults;
        {
            Job job;
            Form1 window(job, home.settings(), dialogs);
            faults << faultsWithEachTab(window);
        }
        {
            frmAbout window(home.settings(), dialogs);
            faults << faultsWithEachTab(window);
        }
        using enum ExportMode;
        for (const ExportMode mode :
             {IEToFirefox, IEToOpera, IEToChromium, FirefoxToIE, OperaToIE, ChromiumToIE, IEToMenu,
              FirefoxToMenu, OperaToMenu, ChromiumToMenu, FirefoxToOpera, FirefoxToChromium,
              OperaToFirefox, OperaToChromium, ChromiumToFirefox, ChromiumToOpera}) {
            Job job;
            job.mode = mode;
            const std::unique_ptr<ConversionWindow> window =
                test::makeExportWindow(job, home.settings(), dialogs);
            window->setAttribute(Qt::WA_DeleteOnClose, false);
            faults << faultsWithEachTab(*window);
        }
        Job job;
        job.mode = ExportMode::FirefoxToOpera;
        job.setSource(oneLinkSource());
        ExportWindow host(job, home.settings(), dialogs);
        Form3 selection(job, home.settings(), dialogs, &host);
        faults << faultsWithEachTab(selection);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

ORVALINK_GUI_TEST(AccessibleWindowsTest)

#include "accessible_windows_test.moc"

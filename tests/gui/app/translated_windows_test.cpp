// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "model/job.h"
#include "platform/translations.h"
#include "tests/gui/support/gui_test_support.h"

#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace orvalink;
using namespace Qt::Literals::StringLiterals;

namespace {

// What the main window shows in one language: ctest starts this program once per language, with
// LANG, LC_ALL and LANGUAGE set as a user's session sets them. One text of each catalogue shows
// it was loaded; that every text is translated is the catalogue check's.
struct ShownTexts
{
    QString firstButton;
    // A standard button, from Qt's own catalogue.
    QString cancel;
};

// The session's first language.
QLocale::Language sessionLanguage()
{
    return QLocale(QLocale().uiLanguages().constFirst()).language();
}

ShownTexts expectedTexts()
{
    switch (sessionLanguage()) {
    case QLocale::German:
        return {u"IE-Favoriten"_s, u"Abbrechen"_s};
    case QLocale::French:
        return {u"Favoris IE"_s, u"Annuler"_s};
    default:
        return {u"IE Favorites"_s, u"Cancel"_s};
    }
}

} // namespace

class TranslatedWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowSpeaksTheSessionLanguage()
    {
        const ProgramTranslations translations(
            translationsFolder(QStringLiteral(ORVALINK_PROGRAM_DIR)));
        QCOMPARE(translations.loaded(),
                 sessionLanguage() == QLocale::German || sessionLanguage() == QLocale::French);
        const ShownTexts expected = expectedTexts();

        test::FreshHome home;
        test::TestDialogs dialogs;
        Job job;
        Form1 window(job, home.settings(), dialogs);
        QCOMPARE(window.cmdInizio(0)->text(), expected.firstButton);
        // The tag is compared as the English text and shown translated.
        QVERIFY(window.cmdInizio(0)->property("Tag").toString().startsWith(u"Export Favorites"_s));

        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), expected.cancel);
    }
};

ORVALINK_GUI_TEST(TranslatedWindowsTest)
#include "translated_windows_test.moc"

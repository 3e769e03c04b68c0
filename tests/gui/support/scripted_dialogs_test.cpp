#include "tests/gui/support/gui_test_support.h"

#include <QTest>
#include <QWidget>

using namespace orvalink;
using namespace Qt::Literals::StringLiterals;
using Kind = ScriptedDialogs::Kind;

class ScriptedDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void answersFromQueuesAndRecordsCalls()
    {
        QStringList unanswered;
        ScriptedDialogs dialogs([&](const QString& what) { unanswered.append(what); });
        dialogs.answerQuestion(true);
        dialogs.answerQuestion(false);
        dialogs.answerSaveFile(u"/tmp/out.html"_s);
        dialogs.answerPickColor(QColor(Qt::red));

        QWidget window;
        dialogs.message(&window, UserMessage{u"Error"_s, {u"one"_s, u"two"_s}});
        FileDialogRequest request;
        request.title = u"Select Where To Export"_s;
        request.filterIndex = 2;
        // Each kind answers from its own queue, in the order queued.
        QCOMPARE(dialogs.saveFile(&window, request), u"/tmp/out.html"_s);
        QVERIFY(dialogs.question(nullptr, UserMessage{u"Q1"_s, {}}));
        QVERIFY(!dialogs.question(nullptr, UserMessage{u"Q2"_s, {}}));
        QCOMPARE(dialogs.pickColor(nullptr, QColor(Qt::blue)), std::optional(QColor(Qt::red)));
        dialogs.openExternally(u"https://example.org/"_s);
        QVERIFY(unanswered.isEmpty());
        QCOMPARE(dialogs.unusedAnswers(), 0);

        QCOMPARE(dialogs.calls().size(), 6);
        QCOMPARE(dialogs.calls().first().parent.data(), &window);
        QCOMPARE(dialogs.count(Kind::Question), 2);
        QCOMPARE(dialogs.last(Kind::Question).message.title, u"Q2"_s);
        QCOMPARE(dialogs.last(Kind::SaveFile).file.filterIndex, 2);
        QCOMPARE(dialogs.last(Kind::PickColor).initialColor, QColor(Qt::blue));
        QCOMPARE(dialogs.last(Kind::OpenExternally).target, u"https://example.org/"_s);
        QCOMPARE(dialogs.messageTexts().first(), u"one\ntwo"_s);
        QVERIFY(dialogs.last(Kind::Input).title.isEmpty());
    }

    void refusesQuestionsWithoutAnswer()
    {
        QStringList unanswered;
        ScriptedDialogs dialogs([&](const QString& what) { unanswered.append(what); });
        dialogs.answerOpenFile(u"/tmp/left-over"_s);
        // Messages and "open" need no answer; the rest is answered as cancelled, and reported.
        dialogs.message(nullptr, UserMessage{u"Info"_s, {u"done"_s}});
        QVERIFY(!dialogs.question(nullptr, UserMessage{u"Overwrite?"_s, {u"Replace the file?"_s}}));
        QCOMPARE(dialogs.saveFile(nullptr, {}), QString());
        QCOMPARE(dialogs.pickColor(nullptr, QColor(Qt::green)), std::optional<QColor>());
        QCOMPARE(unanswered.size(), 3);
        QVERIFY(unanswered[0].contains(u"Replace the file?"_s));
        QCOMPARE(dialogs.calls().size(), 4);
        QCOMPARE(dialogs.unusedAnswers(), 1);

        // The test fixture's dialogs fail the running test.
        test::TestDialogs failing;
        QEXPECT_FAIL("", "an unanswered question fails the test", Continue);
        QCOMPARE(failing.input(nullptr, u"Name"_s, QString(), QString()), QString());
    }
};

ORVALINK_GUI_TEST(ScriptedDialogsTest)
#include "scripted_dialogs_test.moc"

#include "tests/gui/support/gui_test_support.h"

#include <QTest>
#include <QWidget>

using namespace orvalink;
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
        dialogs.answerSaveFile(QStringLiteral("/tmp/out.html"));
        dialogs.answerPickColor(QColor(Qt::red));

        QWidget window;
        dialogs.message(&window, UserMessage{QStringLiteral("Error"),
                                             {QStringLiteral("one"), QStringLiteral("two")}});
        FileDialogRequest request;
        request.title = QStringLiteral("Select Where To Export");
        request.filterIndex = 2;
        // Each kind answers from its own queue, in the order queued.
        QCOMPARE(dialogs.saveFile(&window, request), QStringLiteral("/tmp/out.html"));
        QVERIFY(dialogs.question(nullptr, UserMessage{QStringLiteral("Q1"), {}}));
        QVERIFY(!dialogs.question(nullptr, UserMessage{QStringLiteral("Q2"), {}}));
        QCOMPARE(dialogs.pickColor(nullptr, QColor(Qt::blue)), std::optional(QColor(Qt::red)));
        dialogs.openExternally(QStringLiteral("https://example.org/"));
        QVERIFY(unanswered.isEmpty());
        QCOMPARE(dialogs.unusedAnswers(), 0);

        QCOMPARE(dialogs.calls().size(), 6);
        QCOMPARE(dialogs.calls().first().parent.data(), &window);
        QCOMPARE(dialogs.count(Kind::Question), 2);
        QCOMPARE(dialogs.last(Kind::Question).message.title, QStringLiteral("Q2"));
        QCOMPARE(dialogs.last(Kind::SaveFile).file.filterIndex, 2);
        QCOMPARE(dialogs.last(Kind::PickColor).initialColor, QColor(Qt::blue));
        QCOMPARE(dialogs.last(Kind::OpenExternally).target, QStringLiteral("https://example.org/"));
        QCOMPARE(dialogs.messageTexts().first(), QStringLiteral("one\ntwo"));
        QVERIFY(dialogs.last(Kind::Input).title.isEmpty());
    }

    void refusesQuestionsWithoutAnswer()
    {
        QStringList unanswered;
        ScriptedDialogs dialogs([&](const QString& what) { unanswered.append(what); });
        dialogs.answerOpenFile(QStringLiteral("/tmp/left-over"));
        // Messages and "open" need no answer; the rest is answered as cancelled, and reported.
        dialogs.message(nullptr, UserMessage{QStringLiteral("Info"), {QStringLiteral("done")}});
        QVERIFY(!dialogs.question(nullptr, UserMessage{QStringLiteral("Overwrite?"),
                                                       {QStringLiteral("Replace the file?")}}));
        QCOMPARE(dialogs.saveFile(nullptr, {}), QString());
        QCOMPARE(dialogs.pickColor(nullptr, QColor(Qt::green)), std::optional<QColor>());
        QCOMPARE(unanswered.size(), 3);
        QVERIFY(unanswered[0].contains(QStringLiteral("Replace the file?")));
        QCOMPARE(dialogs.calls().size(), 4);
        QCOMPARE(dialogs.unusedAnswers(), 1);

        // The test fixture's dialogs fail the running test.
        test::TestDialogs failing;
        QEXPECT_FAIL("", "an unanswered question fails the test", Continue);
        QCOMPARE(failing.input(nullptr, QStringLiteral("Name"), QString(), QString()), QString());
    }
};

ORVALINK_GUI_TEST(ScriptedDialogsTest)
#include "scripted_dialogs_test.moc"

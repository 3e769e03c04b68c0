// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

namespace orvalink {

// Dialogs for tests: every call is recorded with its arguments, in order, and answered from
// queues the test fills beforehand. No dialog is ever shown, so nothing waits for a user.
//
// A question the test gave no answer for is a fault in the test or in the window: the object
// reports it through the handler given to the constructor (the GUI test support hands it
// QTest's failure reporting) and then answers as a user who cancels would (No, "", nothing),
// so the window under test runs on and the test fails instead of hanging. Without a handler the
// program stops with the message (qFatal). Messages and "open" need no answer.
class ScriptedDialogs : public Dialogs
{
public:
    enum class Kind {
        Message,
        Question,
        Input,
        OpenFile,
        SaveFile,
        PickFolder,
        PickColor,
        OpenExternally,
    };

    // One recorded call. Only the fields of its kind are filled.
    struct Call
    {
        Kind kind = Kind::Message;
        // The parent the window passed; null when it passed none or the widget has gone.
        QPointer<QWidget> parent{};
        // Message and Question.
        UserMessage message{};
        // Input: title, prompt and initial text.
        QString title{};
        QString prompt{};
        QString initialText{};
        // OpenFile and SaveFile.
        FileDialogRequest file{};
        // PickFolder.
        FolderPickerRequest folder{};
        // PickColor: the colour the dialog starts at.
        QColor initialColor{};
        // OpenExternally.
        QString target{};
    };

    using UnansweredHandler = std::function<void(const QString& description)>;

    explicit ScriptedDialogs(UnansweredHandler onUnanswered = {});

    // Answers, used in the order they are queued, each queue on its own.
    void answerQuestion(bool yes) { m_questions.enqueue(yes); }
    void answerInput(const QString& text) { m_inputs.enqueue(text); }
    void answerOpenFile(const QString& path) { m_openFiles.enqueue(path); }
    void answerSaveFile(const QString& path) { m_saveFiles.enqueue(path); }
    void answerPickFolder(const QString& path) { m_folders.enqueue(path); }
    // Nothing for a cancelled colour dialog.
    void answerPickColor(std::optional<QColor> color) { m_colors.enqueue(color); }

    // Everything asked so far, oldest first.
    const QList<Call>& calls() const { return m_calls; }
    QList<Call> calls(Kind kind) const;
    int count(Kind kind) const;
    // The last call of that kind; a default Call when there was none.
    Call last(Kind kind) const;
    // The texts (lines joined) of the message boxes and questions shown, oldest first.
    QStringList messageTexts() const;
    // Answers queued but never asked for.
    int unusedAnswers() const;
    // Forgets the recorded calls and the queued answers.
    void clear();

    void message(QWidget* parent, const UserMessage& message) override;
    bool question(QWidget* parent, const UserMessage& message) override;
    QString input(QWidget* parent, const QString& title, const QString& prompt,
                  const QString& initialText) override;
    QString openFile(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFile(QWidget* parent, const FileDialogRequest& request) override;
    QString pickFolder(QWidget* parent, const FolderPickerRequest& request) override;
    std::optional<QColor> pickColor(QWidget* parent, const QColor& initial) override;
    void openExternally(const QString& target) override;

private:
    template <typename T> T take(QQueue<T>& answers, const Call& call, T cancelled);
    void unanswered(const Call& call);

    UnansweredHandler m_onUnanswered;
    QList<Call> m_calls;
    QQueue<bool> m_questions;
    QQueue<QString> m_inputs;
    QQueue<QString> m_openFiles;
    QQueue<QString> m_saveFiles;
    QQueue<QString> m_folders;
    QQueue<std::optional<QColor>> m_colors;
};

} // namespace orvalink

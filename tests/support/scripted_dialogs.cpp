#include "tests/support/scripted_dialogs.h"

#include <algorithm>
#include <utility>

namespace orvalink {

QString kindName(ScriptedDialogs::Kind kind)
{
    switch (kind) {
    case ScriptedDialogs::Kind::Message:
        return QStringLiteral("Message");
    case ScriptedDialogs::Kind::Question:
        return QStringLiteral("Question");
    case ScriptedDialogs::Kind::Input:
        return QStringLiteral("Input");
    case ScriptedDialogs::Kind::OpenFile:
        return QStringLiteral("OpenFile");
    case ScriptedDialogs::Kind::SaveFile:
        return QStringLiteral("SaveFile");
    case ScriptedDialogs::Kind::PickFolder:
        return QStringLiteral("PickFolder");
    case ScriptedDialogs::Kind::PickColor:
        return QStringLiteral("PickColor");
    case ScriptedDialogs::Kind::OpenExternally:
        return QStringLiteral("OpenExternally");
    }
    return QString();
}

ScriptedDialogs::ScriptedDialogs(UnansweredHandler onUnanswered)
    : m_onUnanswered(std::move(onUnanswered))
{}

void ScriptedDialogs::answerQuestion(bool yes)
{
    m_questions.enqueue(yes);
}

void ScriptedDialogs::answerInput(const QString& text)
{
    m_inputs.enqueue(text);
}

void ScriptedDialogs::answerOpenFile(const QString& path)
{
    m_openFiles.enqueue(path);
}

void ScriptedDialogs::answerSaveFile(const QString& path)
{
    m_saveFiles.enqueue(path);
}

void ScriptedDialogs::answerPickFolder(const QString& path)
{
    m_folders.enqueue(path);
}

void ScriptedDialogs::answerPickColor(std::optional<QColor> color)
{
    m_colors.enqueue(color);
}

QList<ScriptedDialogs::Call> ScriptedDialogs::calls(Kind kind) const
{
    QList<Call> found;
    std::copy_if(m_calls.cbegin(), m_calls.cend(), std::back_inserter(found),
                 [kind](const Call& call) { return call.kind == kind; });
    return found;
}

int ScriptedDialogs::count(Kind kind) const
{
    return int(std::count_if(m_calls.cbegin(), m_calls.cend(),
                             [kind](const Call& call) { return call.kind == kind; }));
}

ScriptedDialogs::Call ScriptedDialogs::last(Kind kind) const
{
    const auto found = std::find_if(m_calls.crbegin(), m_calls.crend(),
                                    [kind](const Call& call) { return call.kind == kind; });
    return found == m_calls.crend() ? Call() : *found;
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const Call& call : m_calls) {
        if (call.kind == Kind::Message || call.kind == Kind::Question)
            texts.append(call.message.text());
    }
    return texts;
}

int ScriptedDialogs::unusedAnswers() const
{
    return int(m_questions.size() + m_inputs.size() + m_openFiles.size() + m_saveFiles.size() +
               m_folders.size() + m_colors.size());
}

void ScriptedDialogs::clear()
{
    m_calls.clear();
    m_questions.clear();
    m_inputs.clear();
    m_openFiles.clear();
    m_saveFiles.clear();
    m_folders.clear();
    m_colors.clear();
}

template <typename T> T ScriptedDialogs::take(QQueue<T>& answers, const Call& call, T cancelled)
{
    m_calls.append(call);
    if (!answers.isEmpty())
        return answers.dequeue();
    unanswered(call);
    return cancelled;
}

void ScriptedDialogs::unanswered(const Call& call)
{
    QString asked;
    switch (call.kind) {
    case Kind::Question:
        asked = call.message.title + QStringLiteral(": ") + call.message.text();
        break;
    case Kind::Input:
        asked = call.title + QStringLiteral(": ") + call.prompt;
        break;
    case Kind::OpenFile:
    case Kind::SaveFile:
        asked = call.file.title;
        break;
    case Kind::PickFolder:
        asked = call.folder.prompt;
        break;
    case Kind::PickColor:
        asked = call.initialColor.name();
        break;
    case Kind::Message:
    case Kind::OpenExternally:
        break;
    }
    const QString description = QStringLiteral("ScriptedDialogs: no answer queued for %1 (%2)")
                                    .arg(kindName(call.kind), asked);
    if (m_onUnanswered)
        m_onUnanswered(description);
    else
        qFatal("%s", qPrintable(description));
}

void ScriptedDialogs::message(QWidget* parent, const UserMessage& message)
{
    Call call;
    call.kind = Kind::Message;
    call.parent = parent;
    call.message = message;
    m_calls.append(call);
}

bool ScriptedDialogs::question(QWidget* parent, const UserMessage& message)
{
    Call call;
    call.kind = Kind::Question;
    call.parent = parent;
    call.message = message;
    return take(m_questions, call, false);
}

QString ScriptedDialogs::input(QWidget* parent, const QString& title, const QString& prompt,
                               const QString& initialText)
{
    Call call;
    call.kind = Kind::Input;
    call.parent = parent;
    call.title = title;
    call.prompt = prompt;
    call.initialText = initialText;
    return take(m_inputs, call, QString());
}

QString ScriptedDialogs::openFile(QWidget* parent, const FileDialogRequest& request)
{
    Call call;
    call.kind = Kind::OpenFile;
    call.parent = parent;
    call.file = request;
    return take(m_openFiles, call, QString());
}

QString ScriptedDialogs::saveFile(QWidget* parent, const FileDialogRequest& request)
{
    Call call;
    call.kind = Kind::SaveFile;
    call.parent = parent;
    call.file = request;
    return take(m_saveFiles, call, QString());
}

QString ScriptedDialogs::pickFolder(QWidget* parent, const FolderPickerRequest& request)
{
    Call call;
    call.kind = Kind::PickFolder;
    call.parent = parent;
    call.folder = request;
    return take(m_folders, call, QString());
}

std::optional<QColor> ScriptedDialogs::pickColor(QWidget* parent, const QColor& initial)
{
    Call call;
    call.kind = Kind::PickColor;
    call.parent = parent;
    call.initialColor = initial;
    return take(m_colors, call, std::optional<QColor>());
}

void ScriptedDialogs::openExternally(const QString& target)
{
    Call call;
    call.kind = Kind::OpenExternally;
    call.target = target;
    m_calls.append(call);
}

} // namespace orvalink

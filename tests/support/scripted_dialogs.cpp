// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/scripted_dialogs.h"

#include <algorithm>
#include <utility>

namespace orvalink {

namespace {

// The kind's name, for failure messages.
const char* kindName(ScriptedDialogs::Kind kind)
{
    static const char* const names[] = {"Message",  "Question",   "Input",     "OpenFile",
                                        "SaveFile", "PickFolder", "PickColor", "OpenExternally"};
    return names[static_cast<int>(kind)];
}

} // namespace

ScriptedDialogs::ScriptedDialogs(UnansweredHandler onUnanswered)
    : m_onUnanswered(std::move(onUnanswered))
{}

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
                                    .arg(QLatin1String(kindName(call.kind)), asked);
    if (m_onUnanswered)
        m_onUnanswered(description);
    else
        qFatal("%s", qPrintable(description));
}

void ScriptedDialogs::message(QWidget* parent, const UserMessage& message)
{
    m_calls.append(Call{.kind = Kind::Message, .parent = parent, .message = message});
}

bool ScriptedDialogs::question(QWidget* parent, const UserMessage& message)
{
    return take(m_questions, Call{.kind = Kind::Question, .parent = parent, .message = message},
                false);
}

QString ScriptedDialogs::input(QWidget* parent, const QString& title, const QString& prompt,
                               const QString& initialText)
{
    return take(m_inputs,
                Call{.kind = Kind::Input,
                     .parent = parent,
                     .title = title,
                     .prompt = prompt,
                     .initialText = initialText},
                QString());
}

QString ScriptedDialogs::openFile(QWidget* parent, const FileDialogRequest& request)
{
    return take(m_openFiles, Call{.kind = Kind::OpenFile, .parent = parent, .file = request},
                QString());
}

QString ScriptedDialogs::saveFile(QWidget* parent, const FileDialogRequest& request)
{
    return take(m_saveFiles, Call{.kind = Kind::SaveFile, .parent = parent, .file = request},
                QString());
}

QString ScriptedDialogs::pickFolder(QWidget* parent, const FolderPickerRequest& request)
{
    return take(m_folders, Call{.kind = Kind::PickFolder, .parent = parent, .folder = request},
                QString());
}

std::optional<QColor> ScriptedDialogs::pickColor(QWidget* parent, const QColor& initial)
{
    return take(m_colors, Call{.kind = Kind::PickColor, .parent = parent, .initialColor = initial},
                std::optional<QColor>());
}

void ScriptedDialogs::openExternally(const QString& target)
{
    m_calls.append(Call{.kind = Kind::OpenExternally, .target = target});
}

} // namespace orvalink

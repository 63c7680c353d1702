#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

QStringList ScriptedPrompter::texts() const
{
    QStringList texts;
    for (const Record &record : records_) {
        if (record.kind == Kind::Message)
            texts << record.text;
    }
    return texts;
}

std::optional<ScriptedPrompter::Answer> ScriptedPrompter::next(const char *what)
{
    if (answers_.empty()) {
        ADD_FAILURE() << "unscripted " << what;
        return std::nullopt;
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

PromptAnswer ScriptedPrompter::ask(const QString &caption, const QString &text, PromptButtons buttons)
{
    records_.push_back({Kind::Message, caption, text, buttons, FileDialogRequest{}, PasswordRequest{}});
    if (buttons == PromptButtons::Ok)
        return PromptAnswer::Ok;
    const auto answer = next(qPrintable(QStringLiteral("question: ") + text));
    if (answer && answer->kind == Answer::Kind::Button)
        return answer->button;
    ADD_FAILURE() << "question needs a PromptAnswer: " << qPrintable(text);
    return PromptAnswer::Cancel;
}

std::optional<QString> ScriptedPrompter::chooseOpenFile(const FileDialogRequest &request)
{
    records_.push_back({Kind::OpenFile, {}, {}, PromptButtons::Ok, request, PasswordRequest{}});
    const auto answer = next("open dialog");
    if (answer && answer->kind == Answer::Kind::Text)
        return answer->text;
    return std::nullopt;
}

std::optional<QString> ScriptedPrompter::chooseSaveFile(const FileDialogRequest &request)
{
    records_.push_back({Kind::SaveFile, {}, {}, PromptButtons::Ok, request, PasswordRequest{}});
    const auto answer = next("save dialog");
    if (answer && answer->kind == Answer::Kind::Text)
        return answer->text;
    return std::nullopt;
}

std::optional<QString> ScriptedPrompter::askPassword(const PasswordRequest &request)
{
    records_.push_back({Kind::Password, {}, request.password, PromptButtons::Ok, FileDialogRequest{}, request});
    const auto answer = next("password window");
    if (answer && answer->kind == Answer::Kind::Text)
        return answer->text;
    return std::nullopt;
}

std::optional<quint32> ScriptedPrompter::chooseColour(quint32 initial)
{
    records_.push_back({Kind::Colour, {}, QString::number(initial), PromptButtons::Ok, FileDialogRequest{}, PasswordRequest{}});
    const auto answer = next("colour dialog");
    if (answer && answer->kind == Answer::Kind::Colour)
        return answer->colour;
    return std::nullopt;
}

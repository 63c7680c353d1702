#pragma once

#include "core/prompter.h"

#include <QString>

#include <deque>
#include <vector>

// Answers every dialog from a script and records what was asked. A message box with only OK needs
// no script; a question, file dialog or password window that the script does not answer fails the
// test, so an unexpected dialog never goes unnoticed.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Message, OpenFile, SaveFile, Password, Colour };

    struct Record {
        Kind kind;
        QString caption;
        QString text;
        PromptButtons buttons = PromptButtons::Ok;
        FileDialogRequest file;
        PasswordRequest password{QString(), 0, 0};
    };

    // One scripted answer: a button, a chosen path or password, a colour, or the dialog closed.
    struct Answer {
        enum class Kind { Button, Text, Colour, Cancelled } kind;
        PromptAnswer button = PromptAnswer::Cancel;
        QString text;
        quint32 colour = 0;
    };
    struct Cancelled {};

    void script(PromptAnswer button) { answers_.push_back({Answer::Kind::Button, button, {}, 0}); }
    void script(const QString &text) { answers_.push_back({Answer::Kind::Text, PromptAnswer::Cancel, text, 0}); }
    void script(const char16_t *text) { script(QString::fromUtf16(text)); }
    void script(quint32 colour) { answers_.push_back({Answer::Kind::Colour, PromptAnswer::Cancel, {}, colour}); }
    void script(Cancelled) { answers_.push_back({Answer::Kind::Cancelled, PromptAnswer::Cancel, {}, 0}); }
    const std::vector<Record> &records() const { return records_; }
    const Record &last() const { return records_.back(); }
    // Texts of every message and question, in order.
    QStringList texts() const;
    void clear() { records_.clear(); }
    bool scriptDone() const { return answers_.empty(); }

    PromptAnswer ask(const QString &caption, const QString &text, PromptButtons buttons) override;
    std::optional<QString> chooseOpenFile(const FileDialogRequest &request) override;
    std::optional<QString> chooseSaveFile(const FileDialogRequest &request) override;
    std::optional<QString> askPassword(const PasswordRequest &request) override;
    std::optional<quint32> chooseColour(quint32 initial) override;

private:
    std::optional<Answer> next(const char *what);

    std::deque<Answer> answers_;
    std::vector<Record> records_;
};

#pragma once

#include "core/prompter.h"

#include <functional>

class QWidget;

// The real dialogs: message boxes, file dialogs, the colour dialog. The password window is built
// by the documents' own window and handed in as a factory.
class QtPrompter : public Prompter {
public:
    using PasswordDialog = std::function<std::optional<QString>(const PasswordRequest &)>;

    explicit QtPrompter(QWidget *parent = nullptr);
    void setParent(QWidget *parent) { parent_ = parent; }
    void setPasswordDialog(PasswordDialog dialog) { passwordDialog_ = std::move(dialog); }

    PromptAnswer ask(const QString &caption, const QString &text, PromptButtons buttons) override;
    std::optional<QString> chooseOpenFile(const FileDialogRequest &request) override;
    std::optional<QString> chooseSaveFile(const FileDialogRequest &request) override;
    std::optional<QString> askPassword(const PasswordRequest &request) override;
    std::optional<quint32> chooseColour(quint32 initial) override;

private:
    QWidget *parent_;
    PasswordDialog passwordDialog_;
};

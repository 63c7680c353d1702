#pragma once

#include <QString>
#include <QStringList>

#include <optional>

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    QString directory;      // initial folder
    QString fileName;       // initial file name (save dialog)
    QStringList filters;    // "name (*.ext)" entries in order; the first is selected
    QString defaultSuffix;  // added to a typed name without extension ("txt"); empty for none
};

struct PasswordRequest {
    QString password;          // what the edit box holds when the window opens
    quint32 backgroundColour;  // 0x00BBGGRR, the main window's background
    quint32 labelColour;       // 0x00BBGGRR, the title label's text colour
};

// Every message box, question, file dialog, colour dialog and the password window goes through
// here, so tests answer them from a script instead of blocking on a modal window.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual PromptAnswer ask(const QString &caption, const QString &text, PromptButtons buttons) = 0;
    virtual std::optional<QString> chooseOpenFile(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> chooseSaveFile(const FileDialogRequest &request) = 0;
    // The confirmed password, or nothing when the window was closed another way.
    virtual std::optional<QString> askPassword(const PasswordRequest &request) = 0;
    virtual std::optional<quint32> chooseColour(quint32 initial) = 0;

    void inform(const QString &caption, const QString &text) { ask(caption, text, PromptButtons::Ok); }
};

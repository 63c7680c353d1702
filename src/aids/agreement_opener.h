#pragma once

#include "settings/settings.h"

#include <QObject>
#include <QPointer>

class AgreementWindow;

// Opens the agreement window: modally at start-up, and on request from the settings page, where
// a window that is already open is brought forward instead of opening a second one. Every window
// it opens reports "拒绝" through this object's refused(), so the program connects it once.
class AgreementOpener : public QObject {
    Q_OBJECT
public:
    // Windows open over owner, which also owns this object when given.
    explicit AgreementOpener(Settings settings, QWidget *owner = nullptr);

    // Shows the window and returns when it has closed; true when the writer refused.
    bool showModal();
    // Shows the window without blocking, or activates the one already open; returns it.
    AgreementWindow *showNonModal();
    // The window now open, or nullptr.
    AgreementWindow *openWindow() const { return window_; }

Q_SIGNALS:
    void refused();

private:
    AgreementWindow *createWindow();

    Settings settings_;
    QWidget *owner_;
    QPointer<AgreementWindow> window_;
};

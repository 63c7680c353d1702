#include "aids/agreement_opener.h"

#include "aids/agreement_window.h"

AgreementOpener::AgreementOpener(Settings settings, QWidget *owner)
    : QObject(owner)
    , settings_(std::move(settings))
    , owner_(owner)
{
}

AgreementWindow *AgreementOpener::createWindow()
{
    auto *window = new AgreementWindow(settings_, owner_);
    connect(window, &AgreementWindow::refused, this, &AgreementOpener::refused);
    return window;
}

bool AgreementOpener::showModal()
{
    // Deleted here rather than on close, since exec() still reads the result after closing. The
    // guards matter when the refusal ends the program by tearing down the owner, and with it
    // both this object and the window, while exec() is still running.
    const QPointer<AgreementOpener> self(this);
    const QPointer<AgreementWindow> window(createWindow());
    const QPointer<AgreementWindow> previous = window_;
    window_ = window;
    const int result = window->exec();
    const bool wasRefused = window && result == AgreementWindow::kRefusedResult;
    delete window.data();
    if (self)
        window_ = previous;
    return wasRefused;
}

AgreementWindow *AgreementOpener::showNonModal()
{
    if (window_) {
        if (window_->isMinimized())
            window_->showNormal();
        else
            window_->show();
    } else {
        window_ = createWindow();
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->show();
    }
    window_->raise();
    window_->activateWindow();
    return window_;
}

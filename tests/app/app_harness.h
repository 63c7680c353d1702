#pragma once

#include "aids/agreement_window.h"
#include "app/application.h"
#include "app/main_window.h"
#include "platform/global_hotkeys.h"
#include "settings/settings_controller.h"
#include "statistics/word_count_window.h"
#include "support/test_context.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QInputMethodEvent>
#include <QWidget>

#include <memory>

// Types text the way an input method commits Chinese: one commit per call.
inline void typeText(QWidget *widget, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

// Clicks a check box on its indicator, where a writer clicks it.
inline void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// Hands out identifiers 1, 2, ... and lets a test press a registered key.
class FakeHotkeys : public GlobalHotkeys {
public:
    int registerKey(int qtKey) override
    {
        keys.append(qtKey);
        return keys.size();
    }
    void press(int id) { Q_EMIT activated(id); }
    QList<int> keys;
};

// One program run on the test's folders: the real windows, started up like the program does.
class AppHarness {
public:
    explicit AppHarness(TestContext &ctx, std::optional<QString> commandLine = std::nullopt)
        : app(std::make_unique<Application>(ctx.context(), hotkeys, std::move(commandLine)))
    {
        QObject::connect(app.get(), &Application::finished, [this](int code) { exitCode = code; });
        // The agreement is the real window, answered here instead of in a modal loop.
        app->showAgreementModal = [this] {
            agreementEditorText = app->window().editor->toPlainText();
            AgreementWindow window(app->settings());
            ++agreementsShown;
            return refuseAgreement;
        };
        app->openUrl = [this](const QUrl &url) { openedUrls << url; };
    }

    void start()
    {
        app->startUp();
        app->window().show();
        QApplication::setActiveWindow(&app->window());
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        T *widget = app->window().findChild<T *>(name);
        if (!widget)
            widget = app->wordCountWindow().findChild<T *>(name);
        return widget;
    }

    MainWindow &window() { return app->window(); }

    FakeHotkeys hotkeys;
    std::unique_ptr<Application> app;
    std::optional<int> exitCode;
    int agreementsShown = 0;
    bool refuseAgreement = false;
    QString agreementEditorText;  // what the editor held when the agreement opened
    QList<QUrl> openedUrls;
};

#include "app/application.h"

#include "app/main_window.h"
#include "app/main_window_layout.h"
#include "aids/agreement_opener.h"
#include "aids/agreement_window.h"
#include "aids/link_addresses.h"
#include "app/start_menu.h"
#include "core/app_context.h"
#include "core/clock.h"
#include "core/day_stamp.h"
#include "documents/document_flows.h"
#include "documents/editor_keys.h"
#include "documents/writing_mode.h"
#include "platform/drawn_picture.h"
#include "platform/file_attributes.h"
#include "platform/global_hotkeys.h"
#include "settings/setting_keys.h"
#include "settings/settings_controller.h"
#include "settings/settings_page.h"
#include "points/feature_gate.h"
#include "points/points_page_controller.h"
#include "settings/theme.h"
#include "settings/status_tips.h"
#include "settings/theme_choices.h"
#include "settings/tip_picker.h"
#include "platform/user_name.h"
#include "statistics/statistics_controller.h"
#include "statistics/writing_clock.h"
#include "statistics/word_count_window.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPainter>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {
constexpr int kStatusBarHeight = 21;
}

Application::Application(AppContext &context, GlobalHotkeys &hotkeys, std::optional<QString> commandLinePath)
    : context_(context)
    , hotkeys_(hotkeys)
    , commandLinePath_(std::move(commandLinePath))
    , settings_(context.paths)
    , window_(std::make_unique<MainWindow>(context.prompter))
    , wordCount_(std::make_unique<WordCountWindow>(window_.get()))
    , theme_(std::make_unique<Theme>(*window_))
    , settingsController_(std::make_unique<SettingsController>(settings_, *window_, *theme_, *wordCount_, context.prompter))
    , writing_(std::make_unique<WritingMode>(context, state_, settings_, *window_, *theme_))
    , documents_(std::make_unique<DocumentFlows>(context, state_, settings_, *window_, *writing_, *theme_))
{
    window_->editor->setPlainText(WritingMode::welcomeText());
    // The welcome text is the editor's design; changes from here on are counted.
    points_ = std::make_unique<PointsPageController>(context, state_, *window_);
    themeChoices_ = std::make_unique<ThemeChoices>(*window_, *theme_, context.prompter);
    statistics_ = std::make_unique<StatisticsController>(context, state_, *window_, *wordCount_, *writing_);
    theme_->textColourGate = [this](int item) { return points_->passesGate(textColourGate(item)); };
    themeChoices_->topPictureGate = [this](int item) { return points_->passesGate(topPictureGate(item)); };
    themeChoices_->buttonStyleGate = [this](int item) { return points_->passesGate(buttonStyleGate(item)); };
    settingsController_->refreshTaskBoard = [this] { points_->refreshTaskBoard(); };
    tipPicker_ = std::make_unique<TipPicker>(context.paths.programDir, context.random, currentUserName);
    tips_ = std::make_unique<StatusTips>(window_->settingsPage->tipKind, window_->statusFields[2], window_->tipTimer,
                                         context.prompter, *tipPicker_);
    settingsController_->showNextTip = [this] { tips_->showNextTip(); };
    writingClock_ = std::make_unique<WritingClock>(state_);
    editorKeys_ = std::make_unique<EditorKeys>(context, *window_);
    editorKeys_->showSupportTab = [this] { settingsController_->showSettingsPage(SettingsPage::SupportTab); };
    editorKeys_->toggleLargeFont = [this] { settingsController_->toggleLargeFontByKey(); };
    editorKeys_->clearEditing = [this] { writing_->clearEditing(); };
    connect(window_->writingTimer, &QTimer::timeout, this, &Application::tickWritingTimer);

    agreement_ = new AgreementOpener(settings_, window_.get());
    connect(agreement_, &AgreementOpener::refused, this, &Application::requestExit);
    showAgreementModal = [this] { return agreement_->showModal(); };
    connect(window_->settingsPage->agreementButton, &QPushButton::clicked, this,
            [this] { agreement_->showNonModal(); });
    openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    for (QPushButton *link : window_->settingsPage->linkButtons) {
        connect(link, &QPushButton::clicked, this,
                [this, link] { openUrl(LinkAddresses::addressOf(link->objectName())); });
    }
    writing_->confirmSettings = [this] { settingsController_->confirmSettings(); };
    settingsController_->layoutMainWindow = [this] { layoutMainWindow(); };

    connect(window_.get(), &MainWindow::sizeChanged, this, &Application::layoutMainWindow);
    connect(window_.get(), &MainWindow::positionChanged, this, [this] { wordCount_->dockBeside(window_->geometry()); });
    connect(window_.get(), &MainWindow::closing, this, &Application::shutDown);
    connect(window_.get(), &MainWindow::statusBarPressed, this, [this] { wordCount_->show(); });
    connect(window_->startMenu->exit, &QAction::triggered, this, &Application::requestExit);
    connect(window_->startMenu->wordCount, &QAction::triggered, this, [this](bool checked) {
        window_->settingsPage->showStatistics->setChecked(checked);
        settingsController_->confirmSettings();
    });
    connect(&hotkeys_, &GlobalHotkeys::activated, this, &Application::onHotkey);
}

Application::~Application() = default;

QString Application::settingsFilePath() const
{
    return settings_.programFile().path();
}

void Application::startUp()
{
    state_.documentOpened = false;
    window_->setAcceptDrops(true);
    window_->startMenu->largeFont->setChecked(false);
    wordCount_->dockBeside(window_->geometry());

    if (settings_.programFile().exists()) {
        const int height = settings_.readNumber(SettingSection::software, SettingKey::height);
        const int width = settings_.readNumber(SettingSection::software, SettingKey::width);
        window_->resize(window_->width(), height);
        layoutMainWindow();
        window_->resize(width, window_->height());
        layoutMainWindow();
    } else {
        window_->resize(window_->width(), MainWindow::kDesignedHeight);
        window_->resize(MainWindow::kDesignedWidth, window_->height());
        layoutMainWindow();
        settingsController_->confirmSettings();
    }
    setFileAttributes(settingsFilePath(), FileAttributes::HiddenSystem);

    points_->loadPointsTotal();
    settingsController_->restoreFromSettings();
    settingsController_->confirmSettings();
    settings_.write(SettingSection::software, SettingKey::lastStart, dayStamp(context_.clock.now().date()));
    putTrayIcon();
    if (!settings_.readFlag(SettingSection::software, SettingKey::agreementShown) && showAgreementModal()) {
        // "拒绝" ends the program through the ordinary shut-down.
        requestExit();
        return;
    }
    openCommandLineFile();
    state_.settingsHotkeyId = hotkeys_.registerKey(Qt::Key_F8);
    state_.clearHotkeyId = hotkeys_.registerKey(Qt::Key_F12);
    window_->tipTimer->start();
    window_->writingTimer->start();
}

void Application::layoutMainWindow()
{
    const QSize size = window_->size();
    const QSize clamped = MainWindowLayout::clampedSize(size);
    if (clamped != size) {
        // A visible window lays itself out again from its resize event; a hidden one does not.
        window_->resize(clamped);
        if (window_->size() != clamped || !window_->isVisible())
            window_->resize(clamped);
    }
    const int w = window_->width();
    const int h = window_->height();
    const bool statusHidden = settings_.readText(SettingSection::software, SettingKey::statusBar) == SettingValue::hidden;
    window_->statusBar->setGeometry(0, h - kStatusBarHeight, w, kStatusBarHeight);
    const MainWindowLayout l = MainWindowLayout::compute(QSize(w, h), statusHidden, window_->statusBar->y(),
                                                         window_->wavPanel->size(), window_->settingsPage->size());
    window_->editor->setGeometry(l.editor);
    window_->titleBar->resize(l.titleLabelWidth, window_->titleBar->height());
    window_->wavPanel->setGeometry(l.wavPanel);
    window_->statusFields[2]->setFixedWidth(qMax(0, l.tipFieldWidth));
    settings_.writeNumber(SettingSection::software, SettingKey::height, h);
    settings_.writeNumber(SettingSection::software, SettingKey::width, w);
    window_->settingsPage->setGeometry(l.settingsPage);
    window_->topBand->resize(l.topBandWidth, window_->topBand->height());
    window_->closeLabel->move(l.closeLeft, window_->closeLabel->y());
    window_->minimiseLabel->move(l.minimiseLeft, window_->minimiseLabel->y());
    window_->handle(QStringLiteral("上调节器"))->setGeometry(l.topHandle);
    window_->handle(QStringLiteral("左侧调节器"))->setGeometry(l.leftHandle);
    window_->handle(QStringLiteral("左下调节器"))->setGeometry(l.bottomLeftHandle);
    window_->handle(QStringLiteral("下调节器"))->setGeometry(l.bottomHandle);
    window_->handle(QStringLiteral("右下调节器"))->setGeometry(l.bottomRightHandle);
    window_->handle(QStringLiteral("右上调节器"))->setGeometry(l.topRightHandle);
    window_->handle(QStringLiteral("右调节器"))->setGeometry(l.rightHandle);
    window_->titleField->setGeometry(l.titleField);
    window_->startButton->move(l.startButtonLeft, window_->startButton->y());
    window_->recordButton->move(l.recordButtonLeft, window_->recordButton->y());
}

void Application::tickWritingTimer()
{
    if (writingClock_->tick(!window_->startMenu->openFile->isEnabled()))
        window_->statusFields[1]->setText(writingClock_->statusText());
    if (writingClock_->hourReached()) {
        // Rewritten only when it changes: the file then holds the same stamp after every tick.
        const QByteArray today = dayStamp(context_.clock.now().date());
        if (settings_.read(SettingSection::software, SettingKey::writingHour) != today)
            settings_.write(SettingSection::software, SettingKey::writingHour, today);
    }
}

void Application::requestExit()
{
    window_->close();
}

void Application::onHotkey(int id)
{
    if (id == 0)
        return;
    if (id == state_.settingsHotkeyId)
        settingsController_->showSettingsPage();
    else if (id == state_.clearHotkeyId)
        writing_->clearEditing();
}

void Application::openCommandLineFile()
{
    if (commandLinePath_ && !commandLinePath_->isEmpty())
        documents_->openCommandLineFile(*commandLinePath_);
}

void Application::putTrayIcon()
{
    // Without a tray host there is no icon, and nothing to report.
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    const QPixmap picture = drawnPicture(32, [](QPainter &painter) {
        painter.setBrush(QColor(0x00, 0x60, 0xC0));
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(1, 1, 30, 30, 6, 6);
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setPixelSize(20);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("P"));
    });
    trayIcon_ = new QSystemTrayIcon(QIcon(picture), this);
    trayIcon_->setToolTip(QStringLiteral("Penmoor—你的原创写作助手"));
    connect(trayIcon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) {
            window_->showNormal();
            window_->raise();
            window_->activateWindow();
        } else if (reason == QSystemTrayIcon::Context) {
            window_->startMenu->popup(QCursor::pos());
        }
    });
    trayIcon_->show();
}

void Application::shutDown()
{
    if (writing_->isDiary())
        writing_->restoreAfterDiary();
    // Whatever the save flow ends with (saved, given up, failed), the shut-down goes on.
    documents_->saveBeforeExit();
    setFileAttributes(settingsFilePath(), FileAttributes::ReadOnlyHiddenSystem);
    if (trayIcon_) {
        trayIcon_->hide();
        delete trayIcon_;
        trayIcon_ = nullptr;
    }
    wordCount_->close();
    finished_ = true;
    Q_EMIT finished(0);
}

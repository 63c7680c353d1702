#include "app/main_window.h"

#include "app/start_menu.h"
#include "platform/drawn_picture.h"
#include "settings/settings_page.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

namespace {

template <typename W>
W *named(W *widget, const QString &name, QRect geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// The two small pictures of the top bar.
QPixmap startMenuPicture()
{
    return drawnPicture(24, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x00, 0x60, 0xC0));
        p.drawRoundedRect(1, 1, 22, 22, 5, 5);
        p.setBrush(Qt::white);
        for (int i = 0; i < 3; ++i)
            p.drawRoundedRect(6, 6 + i * 5, 12, 2, 1, 1);
    });
}

QPixmap recordPicture()
{
    return drawnPicture(24, [](QPainter &p) {
        p.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), 1.5));
        p.setBrush(QColor(0xD0, 0x20, 0x20));
        p.drawEllipse(3, 3, 18, 18);
    });
}

}  // namespace

MainWindow::MainWindow(Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("窗口"));
    setWindowTitle(QStringLiteral("Penmoor5—你的原创写作助手 v5.6 2015-十月版"));
    move(50, 50);
    resize(kDesignedWidth, kDesignedHeight);
    setAutoFillBackground(true);
    setAcceptDrops(true);

    buildFrame();
    buildStatusBar();

    wavPanel = named(new QGroupBox(QStringLiteral("wav播放控制面板"), this), QStringLiteral("wav播放器"),
                     QRect(648, 760, 470, 58));
    wavPanel->hide();

    settingsPage = new SettingsPage(prompter, this);
    settingsPage->move(280, 232);
    settingsPage->hide();

    hotkeyReceiver = named(new QLabel(QStringLiteral("快捷键"), this), QStringLiteral("标签1"), QRect(0, 0, 40, 16));
    hotkeyReceiver->hide();

    startMenu = new StartMenu(this);

    tipTimer = new QTimer(this);
    tipTimer->setObjectName(QStringLiteral("时钟1"));
    tipTimer->setInterval(7500);
    writingTimer = new QTimer(this);
    writingTimer->setObjectName(QStringLiteral("时钟2"));
    writingTimer->setInterval(1000);

    // The resize handles lie over the editor and the status bar at the window's edges, and the
    // corners over the edges they meet.
    for (QLabel *handle : resizeHandles)
        handle->raise();
    for (QLabel *handle : resizeHandles) {
        const int edges = handle->property("frameEdges").toInt();
        if ((edges & (FrameDrag::Left | FrameDrag::Right)) && (edges & (FrameDrag::Top | FrameDrag::Bottom)))
            handle->raise();
    }
}

void MainWindow::buildFrame()
{
    topBand = named(new QLabel(this), QStringLiteral("背景"), QRect(0, 0, 1120, 64));
    topBand->setScaledContents(true);
    topBand->hide();

    titleBar = named(new QLabel(kTitleText, this), QStringLiteral("标题栏"), QRect(9, 0, 1031, 32));
    minimiseLabel = named(new QLabel(QStringLiteral("_"), this), QStringLiteral("最小化按钮1"), QRect(1070, 3, 16, 24));
    closeLabel = named(new QLabel(QStringLiteral("×"), this), QStringLiteral("关闭按钮"), QRect(1094, 6, 24, 24));
    for (QLabel *l : {minimiseLabel, closeLabel}) {
        l->setAlignment(Qt::AlignCenter);
        l->setCursor(Qt::PointingHandCursor);
        QFont font = l->font();
        font.setPointSize(13);
        l->setFont(font);
        l->installEventFilter(this);
    }
    startMenuButton = named(new QLabel(this), QStringLiteral("开始按钮"), QRect(4, 36, 24, 24));
    startMenuButton->setPixmap(startMenuPicture());
    startMenuButton->setCursor(Qt::PointingHandCursor);
    startMenuButton->installEventFilter(this);

    hintLabel = named(new QLabel(QStringLiteral("标题/题目："), this), QStringLiteral("章节名称提示"), QRect(33, 32, 71, 32));
    titleField = named(new QLineEdit(this), QStringLiteral("章节名称"), QRect(104, 36, 864, 24));
    startButton = named(new QPushButton(QStringLiteral("开始书写"), this), QStringLiteral("开始书写按钮"),
                        QRect(971, 36, 88, 24));
    startButton->setToolTip(QStringLiteral("点击这个按钮可以开始书写和停止书写。"));
    recordButton = named(new QLabel(this), QStringLiteral("录音按钮"), QRect(1063, 36, 24, 24));
    recordButton->setPixmap(recordPicture());

    editor = named(new QPlainTextEdit(this), QStringLiteral("编辑框1"), QRect(10, 64, 990, 743));
    editor->setFrameShape(QFrame::NoFrame);
    // A little air between the window's edge and the text.
    editor->document()->setDocumentMargin(12);
    QFont editorFont = editor->font();
    editorFont.setPointSize(16);
    editor->setFont(editorFont);
    editor->setEnabled(false);

    using E = FrameDrag::Edge;
    const struct {
        const char *name;
        QRect geometry;
        Qt::CursorShape cursor;
        int edges;
    } handles[] = {
        {"左上调节器", {0, 0, 8, 8}, Qt::SizeFDiagCursor, E::Top | E::Left},
        {"上调节器", {8, -8, 1112, 5}, Qt::SizeVerCursor, E::Top},
        {"右上调节器", {1111, 0, 8, 8}, Qt::SizeBDiagCursor, E::Top | E::Right},
        {"右调节器", {1112, 0, 8, 824}, Qt::SizeHorCursor, E::Right},
        {"右下调节器", {1110, 829, 8, 8}, Qt::SizeFDiagCursor, E::Bottom | E::Right},
        {"下调节器", {16, 832, 1104, 5}, Qt::SizeVerCursor, E::Bottom},
        {"左下调节器", {0, 829, 8, 8}, Qt::SizeBDiagCursor, E::Bottom | E::Left},
        {"左侧调节器", {0, 24, 5, 816}, Qt::SizeHorCursor, E::Left},
    };
    for (const auto &h : handles) {
        QLabel *label = named(new QLabel(this), QString::fromUtf8(h.name), h.geometry);
        label->setCursor(h.cursor);
        label->setProperty("frameEdges", h.edges);
        label->installEventFilter(this);
        resizeHandles << label;
    }
    titleBar->installEventFilter(this);
}

void MainWindow::buildStatusBar()
{
    statusBar = named(new QStatusBar(this), QStringLiteral("状态条1"), QRect(0, 771, 1113, 24));
    statusBar->setSizeGripEnabled(false);
    // A status bar of its own light colour, readable whatever the window's background.
    statusBar->setAutoFillBackground(true);
    QPalette palette = statusBar->palette();
    palette.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    palette.setColor(QPalette::WindowText, Qt::black);
    statusBar->setPalette(palette);
    const struct {
        const char *text;
        int width;
    } fields[] = {{"当前字数", 140}, {"你已经连续书写", 160}, {"Penmoor小提示，你的思路也许从这里开始", 50}, {"Penmoor", 0}};
    for (int i = 0; i < 4; ++i) {
        statusFields[i] = new QLabel(QString::fromUtf8(fields[i].text), statusBar);
        statusFields[i]->setObjectName(QStringLiteral("状态条1字段%1").arg(i));
        if (fields[i].width > 0)
            statusFields[i]->setFixedWidth(fields[i].width);
        statusBar->addWidget(statusFields[i], i == 3 ? 1 : 0);
        statusFields[i]->installEventFilter(this);
    }
    statusBar->installEventFilter(this);
}

QLabel *MainWindow::handle(const QString &name) const
{
    return findChild<QLabel *>(name);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Q_EMIT sizeChanged();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    Q_EMIT positionChanged();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The shut-down runs once, whatever closes the window.
    if (!closing_) {
        closing_ = true;
        Q_EMIT closing();
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    event->acceptProposedAction();
    if (!paths.isEmpty())
        Q_EMIT filesDropped(paths);
}

void MainWindow::beginFrameDrag(int edges, QPoint globalPress)
{
    QWindow *window = windowHandle();
    bool systemLoop = false;
    if (window && !isMaximized()) {
        if (edges == FrameDrag::None)
            systemLoop = window->startSystemMove();
        else
            systemLoop = window->startSystemResize(Qt::Edges(
                (edges & FrameDrag::Left ? Qt::LeftEdge : Qt::Edges()) | (edges & FrameDrag::Top ? Qt::TopEdge : Qt::Edges())
                | (edges & FrameDrag::Right ? Qt::RightEdge : Qt::Edges())
                | (edges & FrameDrag::Bottom ? Qt::BottomEdge : Qt::Edges())));
    }
    if (!systemLoop && !isMaximized())
        drag_ = FrameDrag{geometry(), globalPress, edges};
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const bool frameControl = watched == titleBar || resizeHandles.contains(watched);
    if (frameControl) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton) {
                beginFrameDrag(watched == titleBar ? int(FrameDrag::None) : watched->property("frameEdges").toInt(),
                               mouse->globalPosition().toPoint());
                return true;
            }
            break;
        case QEvent::MouseMove:
            if (drag_ && (mouse->buttons() & Qt::LeftButton)) {
                setGeometry(drag_->geometryAt(mouse->globalPosition().toPoint(), 400));
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            drag_.reset();
            break;
        case QEvent::MouseButtonDblClick:
            if (watched == titleBar && mouse->button() == Qt::LeftButton) {
                drag_.reset();
                isMaximized() ? showNormal() : showMaximized();
                return true;
            }
            break;
        default:
            break;
        }
    }
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        if (watched == closeLabel) {
            close();
            return true;
        }
        if (watched == minimiseLabel) {
            showMinimized();
            return true;
        }
        if (watched == startMenuButton) {
            startMenu->popup(QCursor::pos());
            return true;
        }
        if (watched == statusBar || (watched->parent() == statusBar)) {
            Q_EMIT statusBarPressed();
            return false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

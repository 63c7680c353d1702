#include "statistics/word_count_window.h"

#include <QEvent>
#include <QPlainTextEdit>

WordCountWindow::WordCountWindow(QWidget *mainWindow)
    : QWidget(nullptr, Qt::Tool)
    , mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("字数统计窗口"));
    setWindowTitle(QStringLiteral("字数统计"));
    setFixedSize(276, 217);
    setAttribute(Qt::WA_ShowWithoutActivating);
    counts = new QPlainTextEdit(this);
    counts->setObjectName(QStringLiteral("高级字数统计"));
    counts->setGeometry(0, 0, 276, 217);
    counts->setReadOnly(true);
    counts->setPlainText(kInitialText);
    counts->installEventFilter(this);
}

void WordCountWindow::dockBeside(const QRect &mainGeometry)
{
    // The window's frame, where the system draws one, counts toward its height.
    move(mainGeometry.left() + mainGeometry.width(), mainGeometry.top() + mainGeometry.height() - frameGeometry().height());
}

void WordCountWindow::setAlwaysOnTop(bool onTop)
{
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) == onTop)
        return;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible)
        show();
}

void WordCountWindow::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    mainWindow_->activateWindow();
}

bool WordCountWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == counts && event->type() == QEvent::FocusIn)
        mainWindow_->activateWindow();
    return QWidget::eventFilter(watched, event);
}

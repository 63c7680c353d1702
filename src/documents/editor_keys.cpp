#include "documents/editor_keys.h"

#include "app/main_window.h"
#include "app/start_menu.h"
#include "core/app_context.h"
#include "core/clock.h"
#include "core/prompter.h"
#include "documents/time_stamp.h"

#include <QAction>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

EditorKeys::EditorKeys(AppContext &context, MainWindow &window)
    : context_(context)
    , window_(window)
{
    window_.editor->installEventFilter(this);
    connect(window_.startMenu->insertTime, &QAction::triggered, this, [this] { insertTimeStamp(false); });
}

void EditorKeys::insertTimeStamp(bool moveCaret)
{
    QPlainTextEdit *editor = window_.editor;
    if (!editor->isEnabled()) {
        context_.prompter.inform(QStringLiteral("Penmoor"),
                                 QStringLiteral("这是一键添加当前时间按钮。请开始书写之后使用本按钮"));
        return;
    }
    const QString stamp = timeStampText(context_.clock.now());
    QTextCursor cursor = editor->textCursor();
    const int start = cursor.selectionStart();
    QTextCursor insertion(editor->document());
    insertion.setPosition(start);
    insertion.insertText(stamp);
    editor->setFocus();
    if (moveCaret) {
        QTextCursor after = editor->textCursor();
        after.setPosition(start + int(stamp.size()));
        editor->setTextCursor(after);
    }
}

bool EditorKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window_.editor || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    switch (key->key()) {
    case Qt::Key_A:
        if (modifiers != Qt::ControlModifier)
            break;
        window_.editor->setFocus();
        window_.editor->selectAll();
        return true;
    case Qt::Key_F1:
        if (showSupportTab)
            showSupportTab();
        return true;
    case Qt::Key_F2:
        if (toggleLargeFont)
            toggleLargeFont();
        return true;
    case Qt::Key_F5:
        insertTimeStamp(true);
        return true;
    case Qt::Key_F12:
        if (clearEditing)
            clearEditing();
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

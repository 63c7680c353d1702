#pragma once

#include <QObject>

#include <functional>

struct AppContext;
class MainWindow;

// The editor's own keys (Ctrl+A, F1, F2, F5, F12) and the menu item "添加时间".
class EditorKeys : public QObject {
    Q_OBJECT
public:
    EditorKeys(AppContext &context, MainWindow &window);

    // Puts the time stamp in before the selection (which stays); with moveCaret the caret ends
    // right after the stamp.
    void insertTimeStamp(bool moveCaret);

    std::function<void()> showSupportTab;    // F1
    std::function<void()> toggleLargeFont;   // F2
    std::function<void()> clearEditing;      // F12

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppContext &context_;
    MainWindow &window_;
};

#pragma once

#include <QWidget>

class QPlainTextEdit;

// The small "字数统计" tool window beside the main window. It only displays: whenever it gets
// the focus it hands the focus back to the main window.
class WordCountWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString kInitialText = QStringLiteral("开始书写之后会显示详细的字数统计");

    explicit WordCountWindow(QWidget *mainWindow);

    QPlainTextEdit *counts;  // 高级字数统计

    // Right of the main window, bottom edges level; the size stays.
    void dockBeside(const QRect &mainGeometry);
    void setAlwaysOnTop(bool onTop);

protected:
    void focusInEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *mainWindow_;
};

#pragma once

#include "app/frame_drag.h"

#include <QWidget>

#include <optional>

class Prompter;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTimer;
class SettingsPage;
class StartMenu;

// The borderless main window with every control of its design. It only builds and exposes the
// controls and reports what happens to the window itself; behaviour is wired by the application.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDesignedWidth = 1119;
    static constexpr int kDesignedHeight = 838;
    static inline const QString kTitleText = QStringLiteral("Penmoor7—你的原创写作助手 v7.0 简单·不简单");

    explicit MainWindow(Prompter &prompter, QWidget *parent = nullptr);

    QLabel *topBand;          // 背景
    QLabel *titleBar;         // 标题栏
    QLabel *minimiseLabel;    // 最小化按钮1
    QLabel *closeLabel;       // 关闭按钮
    QLabel *startMenuButton;  // 开始按钮
    QLabel *hintLabel;        // 章节名称提示
    QLineEdit *titleField;    // 章节名称
    QPushButton *startButton; // 开始书写按钮
    QLabel *recordButton;     // 录音按钮
    QPlainTextEdit *editor;   // 编辑框1
    QStatusBar *statusBar;    // 状态条1
    QLabel *statusFields[4];
    QGroupBox *wavPanel;      // wav播放器
    SettingsPage *settingsPage;  // 关于
    QLabel *hotkeyReceiver;   // 标签1
    QList<QLabel *> resizeHandles;
    StartMenu *startMenu;
    QTimer *tipTimer;         // 时钟1
    QTimer *writingTimer;     // 时钟2

    QLabel *handle(const QString &name) const;

Q_SIGNALS:
    void sizeChanged();
    void positionChanged();
    void closing();                    // about to be destroyed: run the shut-down
    void filesDropped(const QStringList &paths);
    void statusBarPressed();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFrame();
    void buildStatusBar();
    // Starts the system's move or size loop, or a drag of our own when the system refuses.
    void beginFrameDrag(int edges, QPoint globalPress);

    bool closing_ = false;
    std::optional<FrameDrag> drag_;
};

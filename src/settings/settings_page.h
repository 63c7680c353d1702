#pragma once

#include <QGroupBox>

class ColourPicker;
class Prompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

// The settings page inside the main window (group box 关于): four tabs, every choice the writer
// can make, and the confirm and cancel controls. Only controls here; the behaviour is wired by
// the settings controller.
class SettingsPage : public QGroupBox {
    Q_OBJECT
public:
    enum Tab { FunctionTab = 0, AppCentreTab = 1, PointsTab = 2, SupportTab = 3 };

    SettingsPage(Prompter &prompter, QWidget *parent = nullptr);

    QTabWidget *tabs;
    QPushButton *confirmButton;  // 保存设置 "确定"
    QLabel *cancelLabel;         // 透明标签1 "取消"

    // Tab 0 "功能设置"
    QComboBox *topPicture;   // 顶图类型
    ColourPicker *colour;    // 颜色
    QComboBox *textColour;   // 文本颜色
    QComboBox *tipKind;      // 提示类型
    QCheckBox *hideStatusBar;   // 状态栏选择
    QCheckBox *transparent;     // 透明化选择
    QCheckBox *alwaysOnTop;     // 总在最前选择
    QCheckBox *autoBackup;      // 自动保存
    QCheckBox *largeFont;       // 大字体
    QCheckBox *showStatistics;  // 显示统计
    QCheckBox *pointsSystem;    // 积分系统

    // Tab 1 "应用中心"
    QPushButton *transferButton;
    QPushButton *randomNamesButton;
    QPushButton *conversionButton;
    QPushButton *recoveryButton;  // 丢稿找回

    // Tab 2 "积分任务"
    QLabel *pointsLabel;      // 积分显示
    QLabel *titleLabel;       // 称号显示
    QPushButton *titleHelpButton;  // 称号说明按钮
    QListWidget *taskList;    // 超级列表框1
    QPushButton *refreshTasksButton;  // 刷新任务按钮

    // Tab 3 "技术支持"
    QLabel *versionLabel;     // 版本标签
    QPushButton *agreementButton;
    QComboBox *buttonStyle;   // 按钮类型

    // Link buttons of tabs 1 and 3, by objectName.
    QList<QPushButton *> linkButtons;

Q_SIGNALS:
    void cancelPressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildFunctionTab(Prompter &prompter);
    QWidget *buildAppCentreTab();
    QWidget *buildPointsTab();
    QWidget *buildSupportTab();
};

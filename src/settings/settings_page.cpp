#include "settings/settings_page.h"

#include "settings/colour_picker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>

namespace {

template <typename W>
W *place(W *widget, const QString &name, int x, int y, int w, int h)
{
    if (!name.isEmpty())
        widget->setObjectName(name);
    widget->setGeometry(x, y, w, h);
    return widget;
}

QLabel *label(QWidget *parent, const QString &text, int x, int y, int w, int h = 22, const QString &name = {})
{
    return place(new QLabel(text, parent), name, x, y, w, h);
}

QComboBox *combo(QWidget *parent, const QString &name, const QStringList &items, int x, int y, int w)
{
    auto *box = place(new QComboBox(parent), name, x, y, w, 24);
    box->addItems(items);
    return box;
}

QCheckBox *check(QWidget *parent, const QString &name, const QString &text, bool checked, int x, int y, int w, int h = 22)
{
    auto *box = place(new QCheckBox(text, parent), name, x, y, w, h);
    box->setChecked(checked);
    return box;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, int x, int y, int w, int h = 28)
{
    return place(new QPushButton(text, parent), name, x, y, w, h);
}

// One link button per (objectName, caption), in rows of `columns`, each width wide.
QList<QPushButton *> linkRow(QWidget *parent, std::initializer_list<std::pair<const char *, const char *>> links,
                             int columns, QPoint origin, QSize step, int width)
{
    QList<QPushButton *> buttons;
    int i = 0;
    for (const auto &[name, caption] : links) {
        buttons << button(parent, QString::fromUtf8(name), QString::fromUtf8(caption),
                          origin.x() + (i % columns) * step.width(), origin.y() + (i / columns) * step.height(), width);
        ++i;
    }
    return buttons;
}

}  // namespace

SettingsPage::SettingsPage(Prompter &prompter, QWidget *parent)
    : QGroupBox(QStringLiteral("设置"), parent)
{
    setObjectName(QStringLiteral("关于"));
    resize(592, 368);
    setAutoFillBackground(true);

    tabs = place(new QTabWidget(this), QStringLiteral("高级选择夹1"), 4, 28, 584, 336);
    tabs->addTab(buildFunctionTab(prompter), QStringLiteral("功能设置"));
    tabs->addTab(buildAppCentreTab(), QStringLiteral("应用中心"));
    tabs->addTab(buildPointsTab(), QStringLiteral("积分任务"));
    tabs->addTab(buildSupportTab(), QStringLiteral("技术支持"));

    confirmButton = button(this, QStringLiteral("保存设置"), QStringLiteral("确定"), 452, 2, 64, 26);
    cancelLabel = label(this, QStringLiteral("取消"), 524, 2, 60, 26, QStringLiteral("透明标签1"));
    cancelLabel->setAlignment(Qt::AlignCenter);
    cancelLabel->setCursor(Qt::PointingHandCursor);
    cancelLabel->installEventFilter(this);
}

bool SettingsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cancelLabel && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Q_EMIT cancelPressed();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

QWidget *SettingsPage::buildFunctionTab(Prompter &prompter)
{
    auto *page = new QWidget;
    label(page, QStringLiteral("个性化设置："), 12, 8, 200);
    label(page, QStringLiteral("软件顶图："), 24, 36, 110);
    topPicture = combo(page, QStringLiteral("顶图类型"),
                       {QStringLiteral("经典纯色"), QStringLiteral("天隙流光"), QStringLiteral("酒红回忆"),
                        QStringLiteral("炫蓝风暴"), QStringLiteral("三小黄人（200积分）"),
                        QStringLiteral("皎洁月亮（500积分）"), QStringLiteral("梦幻森林（800积分）")},
                       136, 35, 170);
    label(page, QStringLiteral("软件背景颜色："), 24, 66, 110);
    colour = place(new ColourPicker(prompter, page), QStringLiteral("颜色"), 136, 65, 60, 24);
    label(page, QStringLiteral("文本颜色："), 320, 36, 80);
    textColour = combo(page, QStringLiteral("文本颜色"), {QStringLiteral("白色"), QStringLiteral("黑色")}, 400, 35, 90);
    label(page, QStringLiteral("小提示内容："), 320, 66, 80);
    tipKind = combo(page, QStringLiteral("提示类型"),
                    {QStringLiteral("中国地理历史"), QStringLiteral("励志名言警句"), QStringLiteral("你我共同打造"),
                     QStringLiteral("自定义文本")},
                    400, 65, 130);

    label(page, QStringLiteral("软件设置："), 12, 102, 200);
    hideStatusBar = check(page, QStringLiteral("状态栏选择"), QStringLiteral("隐藏状态栏"), false, 24, 130, 160);
    transparent = check(page, QStringLiteral("透明化选择"), QStringLiteral("软件透明"), false, 200, 130, 160);
    alwaysOnTop = check(page, QStringLiteral("总在最前选择"), QStringLiteral("总在最前"), false, 376, 130, 160);
    largeFont = check(page, QStringLiteral("大字体"), QStringLiteral("大字号模式（快捷键：F2）"), false, 24, 158, 220);
    showStatistics = check(page, QStringLiteral("显示统计"), QStringLiteral("显示字数统计"), false, 260, 158, 140);
    pointsSystem = check(page, QStringLiteral("积分系统"), QStringLiteral("开启积分系统"), true, 416, 158, 150);
    autoBackup = check(page, QStringLiteral("自动保存"),
                       QStringLiteral("开启丢稿找回（在应用中心找回）仅支持断电、死机蓝屏等方式或者误删文件的文件恢复"),
                       true, 24, 188, 540, 44);
    return page;
}

QWidget *SettingsPage::buildAppCentreTab()
{
    auto *page = new QWidget;
    label(page, QStringLiteral("写作工具："), 12, 8, 200);
    transferButton = button(page, QStringLiteral("P穿越按钮"), QStringLiteral("P穿越-跨软件文本传送"), 24, 36, 200);
    randomNamesButton = button(page, QStringLiteral("随机取名按钮"), QStringLiteral("随机取名"), 236, 36, 100);
    conversionButton = button(page, QStringLiteral("繁简转换按钮"), QStringLiteral("繁简转换"), 348, 36, 100);
    recoveryButton = button(page, QStringLiteral("丢稿找回按钮"), QStringLiteral("丢稿找回"), 460, 36, 100);

    label(page, QStringLiteral("在线资源："), 12, 84, 200);
    linkButtons << linkRow(page,
                           {{"手写查字按钮", "手写查字"}, {"手写查字按钮2", "伪原创工具"}, {"手写查字按钮3", "原创检测工具"},
                            {"世界历史按钮", "世界历史"}, {"小说素材按钮", "小说素材"}, {"小说素材按钮2", "小说素材2"}},
                           3, QPoint(24, 112), QSize(180, 40), 168);
    return page;
}

QWidget *SettingsPage::buildPointsTab()
{
    auto *page = new QWidget;
    pointsLabel = label(page, QStringLiteral("积分"), 12, 8, 200, 24, QStringLiteral("积分显示"));
    titleLabel = label(page, QStringLiteral("称号：至尊等级 写作帝王 Lv.MAX"), 220, 8, 280, 24, QStringLiteral("称号显示"));
    titleHelpButton = button(page, QStringLiteral("称号说明按钮"), QStringLiteral("说明"), 508, 6, 60, 26);
    auto *group = place(new QGroupBox(QStringLiteral("任务列表"), page), QString(), 8, 36, 564, 232);
    taskList = place(new QListWidget(group), QStringLiteral("超级列表框1"), 6, 20, 552, 206);
    refreshTasksButton = button(page, QStringLiteral("刷新任务按钮"), QStringLiteral("刷新任务"), 12, 274, 100);
    label(page, QStringLiteral("星期日五倍积分（新手任务除外）"), 124, 277, 300, 22, QStringLiteral("加密器标签1"));
    return page;
}

QWidget *SettingsPage::buildSupportTab()
{
    auto *page = new QWidget;
    label(page, QStringLiteral("版本号："), 12, 8, 60);
    versionLabel = label(page, QString(), 72, 8, 420, 22, QStringLiteral("版本标签"));
    label(page, QStringLiteral("版本工程号：7.0.480"), 12, 32, 300);

    linkButtons << linkRow(page,
                           {{"官方博客按钮4", "博客渠道更新"}, {"官方博客按钮5", "非凡下载站"}, {"使用帮助按钮", "使用帮助"},
                            {"官方博客按钮1", "邮箱订阅更新"}, {"联系作者按钮", "联系作者"}, {"官方博客按钮", "官方博客"},
                            {"开源按钮", "Penmoor开源计划"}},
                           4, QPoint(12, 62), QSize(140, 38), 132);
    auto *mail = button(page, QStringLiteral("超级链接框1"), QStringLiteral("作者邮箱"), 432, 100, 132);
    mail->setFlat(true);
    linkButtons << mail;
    agreementButton = button(page, QStringLiteral("许可协议按钮"), QStringLiteral("许可协议"), 12, 138, 132);

    label(page, QStringLiteral("更多设置"), 12, 186, 200);
    label(page, QStringLiteral("按钮和标题样式："), 24, 216, 130);
    buttonStyle = combo(page, QStringLiteral("按钮类型"),
                        {QStringLiteral("经典暗色系"), QStringLiteral("清爽夏日系"), QStringLiteral("纯·午夜黑（10积分）"),
                         QStringLiteral("纯·空灵白（58积分）"), QStringLiteral("精简文字感（500积分）"),
                         QStringLiteral("国庆欢庆系（88积分）"), QStringLiteral("秋景所感（10积分）")},
                        156, 215, 200);
    return page;
}

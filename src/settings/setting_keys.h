#pragma once

#include <QString>

// Names of the sections and keys of setting.ini.
namespace SettingSection {
inline const QString software = QStringLiteral("软件设置");
inline const QString text = QStringLiteral("文本设置");
inline const QString diary = QStringLiteral("日记");
inline const QString running = QStringLiteral("运行情况");  // lives in the working directory
}  // namespace SettingSection

namespace SettingKey {
// 软件设置
inline const QString height = QStringLiteral("高度");
inline const QString width = QStringLiteral("宽度");
inline const QString statusBar = QStringLiteral("状态栏");
inline const QString transparency = QStringLiteral("透明化");
inline const QString autoBackup = QStringLiteral("自动保存");
inline const QString alwaysOnTop = QStringLiteral("总在最前");
inline const QString pointsSystem = QStringLiteral("积分系统00");
inline const QString showStatistics = QStringLiteral("显示统计");
inline const QString tipKind = QStringLiteral("小提示类型");
inline const QString buttonStyle = QStringLiteral("按钮类型");
inline const QString topPicture = QStringLiteral("顶图类型");
inline const QString lastStart = QStringLiteral("最后一次登录");
inline const QString qmfUsed = QStringLiteral("qmf使用");
inline const QString recorded = QStringLiteral("录音");
inline const QString words1000 = QStringLiteral("1000字");
inline const QString words8000 = QStringLiteral("8000字");
inline const QString words20000 = QStringLiteral("20000字");
inline const QString words100000 = QStringLiteral("100000字");
inline const QString writingHour = QStringLiteral("60min");
inline const QString agreementShown = QStringLiteral("新手1");
inline const QString largeFontUsed = QStringLiteral("新手2");
inline const QString transferDone = QStringLiteral("新手3");
// 文本设置
inline const QString backgroundColour = QStringLiteral("背景颜色");
inline const QString textColour = QStringLiteral("文本颜色");
// 日记
inline const QString lastDiary = QStringLiteral("最后一次日记");
// 运行情况
inline const QString pointsStored = QStringLiteral("运行");
}  // namespace SettingKey

namespace SettingValue {
inline const QString yes = QStringLiteral("真");
inline const QString no = QStringLiteral("假");
inline const QString hidden = QStringLiteral("隐藏");
inline const QString shown = QStringLiteral("显示");
inline const QString white = QStringLiteral("白色");
}  // namespace SettingValue

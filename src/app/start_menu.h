#pragma once

#include <QMenu>

class QAction;

// The start menu (开始): pops up from the start button and the tray icon, never as a menu bar.
class StartMenu : public QMenu {
    Q_OBJECT
public:
    explicit StartMenu(QWidget *parent = nullptr);

    QAction *openFile;         // 打开文件
    QAction *newTemporaryText; // 新建临时文本
    QAction *newDiary;         // 新建日记
    QAction *insertTime;       // 编辑 ▸ 插入 ▸ 添加时间
    QAction *find;             // 编辑 ▸ 查找文本
    QAction *replace;          // 编辑 ▸ 替换文本
    QAction *largeFont;        // 编辑 ▸ 大字号模式 (check item)
    QAction *conversion;       // 编辑 ▸ 简体繁体转换
    QAction *wordCount;        // 字数统计 (check item)
    QAction *appCentre;        // 应用中心
    QAction *transfer;         // P穿越
    QAction *clearEditing;     // 清空正在编辑
    QAction *settings;         // 设置
    QAction *exit;             // 退出
};

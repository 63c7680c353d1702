#include "app/start_menu.h"

#include <QAction>

StartMenu::StartMenu(QWidget *parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("开始"));
    // The shortcuts are only shown here: the keys themselves belong to the editor and the
    // system-wide hotkeys.
    const auto item = [](QMenu *menu, const QString &text, const QString &shortcut = {}) {
        return menu->addAction(shortcut.isEmpty() ? text : text + QLatin1Char('\t') + shortcut);
    };
    openFile = item(this, QStringLiteral("打开文件"));
    newTemporaryText = item(this, QStringLiteral("新建临时文本"));
    newDiary = item(this, QStringLiteral("新建日记"));
    addSeparator();
    QMenu *edit = addMenu(QStringLiteral("编辑"));
    QMenu *insert = edit->addMenu(QStringLiteral("插入"));
    insertTime = item(insert, QStringLiteral("添加时间"), QStringLiteral("F5"));
    find = item(edit, QStringLiteral("查找文本"), QStringLiteral("Ctrl+F"));
    replace = item(edit, QStringLiteral("替换文本"), QStringLiteral("Ctrl+H"));
    largeFont = item(edit, QStringLiteral("大字号模式"), QStringLiteral("F2"));
    largeFont->setCheckable(true);
    conversion = item(edit, QStringLiteral("简体繁体转换"));
    addSeparator();
    wordCount = item(this, QStringLiteral("字数统计"));
    wordCount->setCheckable(true);
    appCentre = item(this, QStringLiteral("应用中心"));
    transfer = item(this, QStringLiteral("P穿越"));
    clearEditing = item(this, QStringLiteral("清空正在编辑"), QStringLiteral("F12"));
    addSeparator();
    settings = item(this, QStringLiteral("设置"), QStringLiteral("F8"));
    exit = item(this, QStringLiteral("退出"));
}

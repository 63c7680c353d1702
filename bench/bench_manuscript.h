#pragma once

#include <QString>
#include <QStringList>

#include <random>

// A novel's mix: mostly Chinese prose with full-width punctuation, dialogue, some ASCII names,
// numbers and times, a few emoji, paragraphs indented with full-width spaces.
inline QString manuscript(qsizetype length)
{
    const QStringList sentences = {
        QStringLiteral("夜里十一点，雨还没停。"),
        QStringLiteral("林晓把伞收起来，靠在门边，抬头看了看楼道里那盏忽明忽暗的灯。"),
        QStringLiteral("“又坏了。”她小声说，顺手按了两下开关——没有用。"),
        QStringLiteral("手机只剩 17% 的电，屏幕上跳出一条消息：“明早 8:30 开会，别迟到！”"),
        QStringLiteral("发信人是 Zhang Wei，她回了个“好”。"),
        QString::fromUtf8("她叹了口气，又加了一个😂。"),
        QStringLiteral("楼上传来钢琴声，是《月光》的第三乐章，弹得磕磕绊绊，却很认真……"),
        QStringLiteral("第2024号房间的门开着，里面堆满了旧书、CD 和一台 1998 年的收音机。"),
        QStringLiteral("她想起母亲说过的话：人这一辈子，总要为一件事坚持到底。"),
    };
    std::mt19937 random(42);
    QString text;
    text.reserve(length + 200);
    while (text.size() < length) {
        text += QStringLiteral("　　");
        const int count = 3 + int(random() % 6);
        for (int i = 0; i < count; ++i)
            text += sentences.at(qsizetype(random() % sentences.size()));
        text += u'\n';
    }
    text.truncate(length);
    return text;
}


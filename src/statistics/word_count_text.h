#pragma once

#include "statistics/text_statistics.h"

#include <QString>

// The texts the counts are shown in: the status bar's first panel and the word-count window.
class WordCountText {
public:
    static inline const QString kWindowTitle = QStringLiteral("字数统计");
    static inline const QString kInitialText = QStringLiteral("开始书写之后会显示详细的字数统计");

    // "当前字数：" and two ASCII spaces before the count.
    static QString statusText(int current);

    // The seven lines joined by CR LF: 字数统计, 汉字数量, 英文数量, 符号数量, 数字数量, 段落数,
    // 当前字数. With a negative points total the detailed counts are withheld: the gate text.
    static QString windowText(const TextFigures &figures, qint32 pointsTotal);
};

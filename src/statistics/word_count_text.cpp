#include "word_count_text.h"

#include "points/feature_gate.h"

QString WordCountText::statusText(int current)
{
    return QStringLiteral("当前字数：  ") + QString::number(current);
}

QString WordCountText::windowText(const TextFigures &figures, qint32 pointsTotal)
{
    const GateCheck gate = checkGate(GatedFeature::DetailedStatistics, pointsTotal);
    if (!gate.allowed)
        return gate.refusal;
    const QString crLf = QStringLiteral("\r\n");
    return QStringLiteral("字数统计") + crLf
        + QStringLiteral("汉字数量：") + QString::number(figures.chinese()) + crLf
        + QStringLiteral("英文数量：") + QString::number(figures.letters) + crLf
        + QStringLiteral("符号数量：") + QString::number(figures.symbols()) + crLf
        + QStringLiteral("数字数量：") + QString::number(figures.digits) + crLf
        + QStringLiteral("段落数：") + QString::number(figures.paragraphs) + crLf
        + statusText(figures.current());
}

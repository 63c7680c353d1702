#include "points/feature_gate.h"

#include <array>

namespace {

const QString kNeedZero = QStringLiteral("失败！本功能需要0积分");
const QString kNeedFifteenToChange = QStringLiteral("您需要达到15积分才可以随机更换哦。");

// Rows in GatedFeature order. Texts are the program's own, byte for byte, including row 7's
// "需800积分" without "要".
//
// Row 12 ("国庆欢庆系（88积分）") refuses below 88 with a message in the form of its neighbours.
// Row 13 ("秋景所感（10积分）") refuses below 10 and says so: the item's own caption promises 10
// points, so the threshold and the message follow the caption the user sees when choosing it,
// rather than a threshold of 0 paired with a message naming 1000 points, which contradict each
// other and the caption.
//
// Rows 14 and 15 refuse only a negative total although their message names 15 points: the name
// window shows "0积分开启本功能", and the threshold is kept at 0 to match it.
const std::array<FeatureGate, 15> &gateTable()
{
    static const std::array<FeatureGate, 15> table{{
        {GatedFeature::DetailedStatistics, 0, QStringLiteral("您需要积分达到0点才能有资格使用详细的文字统计"), false, false},
        {GatedFeature::TextColourWhite, 0, kNeedZero, true, true},
        {GatedFeature::TextColourBlack, 0, kNeedZero, true, true},
        {GatedFeature::TopPictureBasic, 0, kNeedZero, true, true},
        {GatedFeature::TopPictureMinions, 200, QStringLiteral("失败！本功能需要200积分"), true, true},
        {GatedFeature::TopPictureMoon, 500, QStringLiteral("失败！本功能需要500积分"), true, true},
        {GatedFeature::TopPictureForest, 800, QStringLiteral("失败！本功能需800积分"), true, true},
        {GatedFeature::ButtonStyleSummer, 0, kNeedZero, true, true},
        {GatedFeature::ButtonStyleMidnight, 10, QStringLiteral("失败！本功能需要10积分"), true, true},
        {GatedFeature::ButtonStyleWhite, 58, QStringLiteral("失败！本功能需要58积分"), true, true},
        {GatedFeature::ButtonStyleMinimal, 500, QStringLiteral("失败！本功能需要500积分"), true, true},
        {GatedFeature::ButtonStyleNationalDay, 88, QStringLiteral("失败！本功能需要88积分"), true, true},
        {GatedFeature::ButtonStyleAutumn, 10, QStringLiteral("失败！本功能需要10积分"), true, true},
        {GatedFeature::RandomPersonName, 0, kNeedFifteenToChange, true, false},
        {GatedFeature::RandomPlaceName, 0, kNeedFifteenToChange, true, false},
    }};
    return table;
}

}  // namespace

const FeatureGate &featureGate(GatedFeature feature)
{
    return gateTable().at(std::size_t(feature) - 1);
}

GateCheck checkGate(GatedFeature feature, qint32 pointsTotal)
{
    const FeatureGate &gate = featureGate(feature);
    if (pointsTotal >= gate.threshold)
        return {};
    return {false, gate.refusal, gate.messageBox, gate.resetsChoice};
}

std::optional<GatedFeature> textColourGate(int item)
{
    switch (item) {
    case 0:
        return GatedFeature::TextColourWhite;
    case 1:
        return GatedFeature::TextColourBlack;
    default:
        return std::nullopt;
    }
}

std::optional<GatedFeature> topPictureGate(int item)
{
    switch (item) {
    case 1:
    case 2:
    case 3:
        return GatedFeature::TopPictureBasic;
    case 4:
        return GatedFeature::TopPictureMinions;
    case 5:
        return GatedFeature::TopPictureMoon;
    case 6:
        return GatedFeature::TopPictureForest;
    default:
        return std::nullopt;
    }
}

std::optional<GatedFeature> buttonStyleGate(int item)
{
    if (item < 1 || item > 6)
        return std::nullopt;
    return GatedFeature(int(GatedFeature::ButtonStyleSummer) + item - 1);
}

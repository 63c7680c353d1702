#include "points/feature_gate.h"

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

TEST(FeatureGate, EveryRowRefusesBelowItsThresholdWithItsOwnText)
{
    struct Case {
        GatedFeature feature;
        qint32 threshold;
        QString refusal;
        bool messageBox;
        bool resetsChoice;
    };
    const Case cases[] = {
        {GatedFeature::DetailedStatistics, 0, u"您需要积分达到0点才能有资格使用详细的文字统计"_s, false, false},
        {GatedFeature::TextColourWhite, 0, u"失败！本功能需要0积分"_s, true, true},
        {GatedFeature::TextColourBlack, 0, u"失败！本功能需要0积分"_s, true, true},
        {GatedFeature::TopPictureBasic, 0, u"失败！本功能需要0积分"_s, true, true},
        {GatedFeature::TopPictureMinions, 200, u"失败！本功能需要200积分"_s, true, true},
        {GatedFeature::TopPictureMoon, 500, u"失败！本功能需要500积分"_s, true, true},
        {GatedFeature::TopPictureForest, 800, u"失败！本功能需800积分"_s, true, true},
        {GatedFeature::ButtonStyleSummer, 0, u"失败！本功能需要0积分"_s, true, true},
        {GatedFeature::ButtonStyleMidnight, 10, u"失败！本功能需要10积分"_s, true, true},
        {GatedFeature::ButtonStyleWhite, 58, u"失败！本功能需要58积分"_s, true, true},
        {GatedFeature::ButtonStyleMinimal, 500, u"失败！本功能需要500积分"_s, true, true},
        {GatedFeature::ButtonStyleNationalDay, 88, u"失败！本功能需要88积分"_s, true, true},
        {GatedFeature::ButtonStyleAutumn, 10, u"失败！本功能需要10积分"_s, true, true},
        {GatedFeature::RandomPersonName, 0, u"您需要达到15积分才可以随机更换哦。"_s, true, false},
        {GatedFeature::RandomPlaceName, 0, u"您需要达到15积分才可以随机更换哦。"_s, true, false},
    };
    for (const Case &c : cases) {
        const int row = int(c.feature);
        EXPECT_EQ(featureGate(c.feature).threshold, c.threshold) << row;

        const GateCheck refused = checkGate(c.feature, c.threshold - 1);
        EXPECT_FALSE(refused.allowed) << row;
        EXPECT_EQ(refused.refusal, c.refusal) << row;
        EXPECT_EQ(refused.messageBox, c.messageBox) << row;
        EXPECT_EQ(refused.resetsChoice, c.resetsChoice) << row;
        EXPECT_FALSE(checkGate(c.feature, std::numeric_limits<qint32>::min()).allowed) << row;

        for (const qint32 enough : {c.threshold, c.threshold + 1, std::numeric_limits<qint32>::max()}) {
            const GateCheck allowed = checkGate(c.feature, enough);
            EXPECT_TRUE(allowed.allowed) << row << " at " << enough;
            EXPECT_TRUE(allowed.refusal.isEmpty()) << row;
        }
    }
    EXPECT_EQ(kGateCaption, u"Penmoor"_s);
}

TEST(FeatureGate, FiftySevenPointsOpenTheMidnightStyleButNotTheWhiteOne)
{
    EXPECT_FALSE(checkGate(GatedFeature::ButtonStyleWhite, 57).allowed);
    EXPECT_TRUE(checkGate(GatedFeature::ButtonStyleMidnight, 57).allowed);
    EXPECT_TRUE(checkGate(GatedFeature::TopPictureMinions, 200).allowed);
    EXPECT_FALSE(checkGate(GatedFeature::TopPictureMinions, 199).allowed);
}

TEST(FeatureGate, ComboItemsMapToTheirRows)
{
    using G = GatedFeature;
    const std::optional<G> pictures[] = {std::nullopt, G::TopPictureBasic, G::TopPictureBasic,
                                         G::TopPictureBasic, G::TopPictureMinions, G::TopPictureMoon,
                                         G::TopPictureForest, std::nullopt};
    const std::optional<G> styles[] = {std::nullopt, G::ButtonStyleSummer, G::ButtonStyleMidnight,
                                       G::ButtonStyleWhite, G::ButtonStyleMinimal, G::ButtonStyleNationalDay,
                                       G::ButtonStyleAutumn, std::nullopt};
    for (int item = 0; item < 8; ++item) {
        EXPECT_EQ(topPictureGate(item), pictures[item]) << item;
        EXPECT_EQ(buttonStyleGate(item), styles[item]) << item;
    }
    EXPECT_EQ(textColourGate(0), G::TextColourWhite);
    EXPECT_EQ(textColourGate(1), G::TextColourBlack);
    EXPECT_EQ(textColourGate(2), std::nullopt);
    EXPECT_EQ(topPictureGate(-1), std::nullopt);
}

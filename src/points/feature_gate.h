#pragma once

#include <QString>

#include <optional>

// Every option and aid the points total unlocks. A gate only compares: it never spends points.
enum class GatedFeature {
    DetailedStatistics = 1,   // the word-count window's detailed counts
    TextColourWhite,          // 文本颜色 item 0 "白色"
    TextColourBlack,          // 文本颜色 item 1 "黑色"
    TopPictureBasic,          // 顶图类型 items 1 to 3
    TopPictureMinions,        // 顶图类型 item 4 "三小黄人（200积分）"
    TopPictureMoon,           // 顶图类型 item 5 "皎洁月亮（500积分）"
    TopPictureForest,         // 顶图类型 item 6 "梦幻森林（800积分）"
    ButtonStyleSummer,        // 按钮类型 item 1 "清爽夏日系"
    ButtonStyleMidnight,      // 按钮类型 item 2 "纯·午夜黑（10积分）"
    ButtonStyleWhite,         // 按钮类型 item 3 "纯·空灵白（58积分）"
    ButtonStyleMinimal,       // 按钮类型 item 4 "精简文字感（500积分）"
    ButtonStyleNationalDay,   // 按钮类型 item 5 "国庆欢庆系（88积分）"
    ButtonStyleAutumn,        // 按钮类型 item 6 "秋景所感（10积分）"
    RandomPersonName,         // random-name window, "人物取名", "太奇葩了，换一个"
    RandomPlaceName,          // random-name window, "地点取名", "太奇葩了，换一个"
};

// One row of the gate table.
struct FeatureGate {
    GatedFeature feature;
    qint32 threshold;  // refused below it, allowed at it and above
    QString refusal;   // the text shown on refusal
    bool messageBox;   // shown in a message box captioned kGateCaption; else in the owner's window
    bool resetsChoice; // a refused combo-box choice goes back to item 0 after the box closes
};

// The outcome of one check. refusal is empty when allowed.
struct GateCheck {
    bool allowed = true;
    QString refusal;
    bool messageBox = false;
    bool resetsChoice = false;
};

inline const QString kGateCaption = QStringLiteral("Penmoor");

// The row of a feature.
const FeatureGate &featureGate(GatedFeature feature);

// Allowed exactly when pointsTotal reaches the feature's threshold (signed comparison, so a
// negative total refuses even the threshold-0 gates).
GateCheck checkGate(GatedFeature feature, qint32 pointsTotal);

// The gate of a combo-box item; none for item 0 of 顶图类型 and 按钮类型, which are free, and for
// items the boxes do not have.
std::optional<GatedFeature> textColourGate(int item);
std::optional<GatedFeature> topPictureGate(int item);
std::optional<GatedFeature> buttonStyleGate(int item);

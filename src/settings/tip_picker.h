#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class RandomSource;

// Chooses what the status bar's tip field shows for a tip kind (the combo box 提示类型):
// 0 geography and history, 1 sayings, 2 the co-author line, 3 the user's own 自定义.txt.
// Every call reads its list afresh, so an edit to 自定义.txt shows from the next tick on.
class TipPicker {
public:
    using UserName = std::function<QByteArray()>;

    static constexpr int kGeographyHistory = 0;
    static constexpr int kSayings = 1;
    static constexpr int kCoAuthor = 2;
    static constexpr int kCustom = 3;

    static const QString &customFileName();   // 自定义.txt
    static const QString &firstUseCaption();  // Penmoor
    static const QString &firstUseMessage();
    static const QString &customFileDefault();  // what a new 自定义.txt holds

    TipPicker(QString programDir, RandomSource &random, UserName userName);

    // First step of a tick: for the custom kind, creates a missing 自定义.txt (atomically) and
    // answers whether the first-use message is due. It is due whenever the file was missing, even
    // when it could not be created, so an unwritable folder asks again at every tick.
    bool prepare(int kind);

    // Second step: the tip field's new text as GBK bytes, or nothing to leave the field as it is.
    // Draws one random number, 1..N over the list's line count, when the list has lines.
    std::optional<QByteArray> pick(int kind);

    QString customFilePath() const;

private:
    QByteArray listText(int kind) const;

    QString programDir_;
    RandomSource &random_;
    UserName userName_;
};

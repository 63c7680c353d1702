#include "status_tips.h"

#include "core/gbk_codec.h"
#include "core/prompter.h"
#include "settings/tip_picker.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

StatusTips::StatusTips(QComboBox *kindBox, QLabel *tipField, QTimer *timer, Prompter &prompter, TipPicker &picker,
                       QObject *parent)
    : QObject(parent)
    , kindBox_(kindBox)
    , tipField_(tipField)
    , prompter_(prompter)
    , picker_(picker)
{
    if (timer != nullptr)
        connect(timer, &QTimer::timeout, this, &StatusTips::showNextTip);
}

void StatusTips::showNextTip()
{
    // A kind the box does not hold (no current item) is -1: the picker leaves the field alone.
    const int kind = kindBox_ != nullptr ? kindBox_->currentIndex() : -1;
    // The message is modal; ticks during it find the file already made and ask nothing. The list
    // is read after it closes, so a tip the user just saved shows at once.
    if (picker_.prepare(kind))
        prompter_.inform(TipPicker::firstUseCaption(), TipPicker::firstUseMessage());
    if (const std::optional<QByteArray> tip = picker_.pick(kind); tip && tipField_ != nullptr)
        tipField_->setText(GbkCodec::decode(*tip));
}

#pragma once

#include <QObject>

class Prompter;
class QComboBox;
class QLabel;
class QTimer;
class TipPicker;

// The status bar's rotating tip: each tick of the tip timer, and each confirm of the settings,
// reads the chosen kind from the combo box and puts the picker's tip into the tip field. The
// diary owns the field while it runs by stopping the timer, so this class acts only when called.
class StatusTips : public QObject {
    Q_OBJECT
public:
    StatusTips(QComboBox *kindBox, QLabel *tipField, QTimer *timer, Prompter &prompter, TipPicker &picker,
               QObject *parent = nullptr);

public Q_SLOTS:
    void showNextTip();

private:
    QComboBox *kindBox_;
    QLabel *tipField_;
    Prompter &prompter_;
    TipPicker &picker_;
};

#pragma once

#include <QPushButton>

class Prompter;

// Shows a colour as a swatch; a click opens the colour dialog. Emits colourChanged when the
// colour changes, whether the user picked it or the program set it.
class ColourPicker : public QPushButton {
    Q_OBJECT
public:
    ColourPicker(Prompter &prompter, QWidget *parent = nullptr);

    quint32 colour() const { return colour_; }
    void setColour(quint32 colour);

Q_SIGNALS:
    void colourChanged(quint32 colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void choose();

    Prompter &prompter_;
    quint32 colour_ = 0;
};

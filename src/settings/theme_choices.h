#pragma once

#include <QObject>

#include <functional>
#include <optional>

class MainWindow;
class Prompter;
class Theme;

// What happens when the writer picks a top picture or a button style: the points gate first,
// then the offer of a background colour that suits the choice. The choice itself is stored and
// shown by the next confirm.
class ThemeChoices : public QObject {
    Q_OBJECT
public:
    // A gate for combo item `item` of a box: true when the option may be used. The gate shows
    // its own refusal.
    using Gate = std::function<bool(int item)>;

    ThemeChoices(MainWindow &window, Theme &theme, Prompter &prompter);

    void chooseTopPicture(int item);
    void chooseButtonStyle(int item);

    Gate topPictureGate;
    Gate buttonStyleGate;

private:
    bool offerRecommendation();

    MainWindow &window_;
    Theme &theme_;
    Prompter &prompter_;
};

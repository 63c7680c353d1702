#pragma once

#include <QObject>

#include <functional>

struct AppContext;
struct SessionState;
class MainWindow;
class Settings;
class Theme;

// A period of writing: begins with a title (typed, generated, a diary's, or an opened file's)
// and ends with the save flow or the clear command. Writing mode is the joint state of the title
// field, the editor, the start button's caption and two start-menu items, always changed together.
class WritingMode : public QObject {
    Q_OBJECT
public:
    static inline const QString kFarewellText = QStringLiteral("感谢您的使用");
    static const QString &welcomeText();
    static constexpr quint32 kDiaryBackground = 0x0080FF;
    static constexpr quint32 kDiaryText = 0xFFFFFF;

    WritingMode(AppContext &context, SessionState &state, Settings &settings, MainWindow &window, Theme &theme);

    bool isWriting() const;
    bool isDiary() const;  // the colour picker is disabled while a diary is written
    // True while the farewell text is being put into the editor: the backup keeps the last text.
    bool showingFarewell() const { return showingFarewell_; }

    void startOrStopWriting();
    void beginWriting();
    void newTemporaryText();
    void newDiary();
    void clearEditing();
    void endWriting();
    // The diary's normal look back, its day stamp written; no confirm (the shut-down uses this).
    void restoreAfterDiary();

    // The title line: the title followed by a line break.
    static QString titleLine(const QString &title);

    std::function<void()> saveDocument;
    std::function<void()> confirmSettings;

private:
    void setWritingControls(bool writing);

    AppContext &context_;
    SessionState &state_;
    Settings &settings_;
    MainWindow &window_;
    Theme &theme_;
    bool showingFarewell_ = false;
};

#pragma once

#include <QByteArray>
#include <QString>

// The few values the whole program shares during a run.
struct SessionState {
    // Fixed key text of the points total and prefix of every document key.
    static constexpr const char *kKeyPrefix = "kfr571630829";

    QString openedFilePath;       // document opened into the editor; empty for a new one
    QByteArray documentPassword;  // GBK bytes of the password last confirmed
    bool keepEditorText = false;  // the open flows keep the opened text when writing begins
    bool documentOpened = false;  // the editor holds a document read from disk
    qint32 pointsTotal = 0;

    QByteArray searchText;
    bool replaceMatchCase = false;

    int writingSeconds = 0;
    int writingMinutes = 0;
    int writingHours = 0;

    int settingsHotkeyId = 0;  // F8; 0 when registration failed
    int clearHotkeyId = 0;     // F12; 0 when registration failed

    QByteArray documentKey() const { return QByteArray(kKeyPrefix) + documentPassword; }
};

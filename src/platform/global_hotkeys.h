#pragma once

#include <QObject>

// System-wide hotkeys without modifiers. register returns an identifier above 0, or 0 when the
// key could not be had (another program holds it, or the platform offers no global keys).
class GlobalHotkeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual int registerKey(int qtKey) = 0;

Q_SIGNALS:
    void activated(int id);
};

// The platform has no global keys (or they are not built yet): every registration fails.
class NoGlobalHotkeys : public GlobalHotkeys {
    Q_OBJECT
public:
    using GlobalHotkeys::GlobalHotkeys;
    int registerKey(int) override { return 0; }
};

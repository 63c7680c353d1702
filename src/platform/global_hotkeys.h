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

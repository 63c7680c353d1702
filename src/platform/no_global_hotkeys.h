#pragma once

#include "platform/global_hotkeys.h"

// The platform has no global keys (or they are not built yet): every registration fails.
class NoGlobalHotkeys : public GlobalHotkeys {
    Q_OBJECT
public:
    using GlobalHotkeys::GlobalHotkeys;
    int registerKey(int) override { return 0; }
};

#include "platform/global_hotkeys.h"

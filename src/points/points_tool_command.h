#pragma once

#include "app/tool_command.h"

// penmoor-tool points [--program-dir D] [--working-dir W]: the points label, the title and the
// task rows as the task page would show them now, paying nothing and writing no file.
extern const ToolCommand kPointsToolCommand;

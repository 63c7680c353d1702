#pragma once

#include "app/tool_command.h"

// penmoor-tool stats [FILE]: reads the file (standard input without one) as the editor opens it and
// prints the word-count window's seven lines, one per line, as the window shows them.
int runStatsCommand(const QStringList &args, QTextStream &out, QTextStream &err);

inline constexpr ToolCommand kStatsToolCommand{
    "stats", "stats [FILE]           print the word-count window's lines for a text file", &runStatsCommand};

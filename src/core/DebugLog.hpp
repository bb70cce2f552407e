// The debug log: a trace channel that is silent unless a debugging host listens. Framework and
// game code write lines such as "Creating a sub: " to it; nothing reads them back. Tests and
// tools may install a listener to see them.
#pragma once

#include <functional>
#include <string_view>

namespace tarvex {

using DebugLogListener = std::function<void(std::string_view line)>;

void debugLog(std::string_view line);
// Replaces the listener; an empty function silences the log again. Returns the previous one.
DebugLogListener setDebugLogListener(DebugLogListener listener);

} // namespace tarvex

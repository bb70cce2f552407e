// The debug log: a trace channel that is silent unless a debugging host listens. Framework and
// game code write lines such as "Creating a sub: " to it; nothing reads them back. Tests and
// tools may install a listener to see them.
//
// Any thread may write. The listener is called for one line at a time, never from two threads
// at once. A line the listener itself writes while it is being called (directly, or through
// the framework log, which echoes here) is not handed back to it: that would call it without
// end.
#pragma once

#include <functional>
#include <string_view>

namespace tarvex {

using DebugLogListener = std::function<void(std::string_view line)>;

void debugLog(std::string_view line);
// Replaces the listener; an empty function silences the log again. Returns the previous one.
// A listener may replace itself; the call it is in finishes with the old one.
DebugLogListener setDebugLogListener(DebugLogListener listener);

} // namespace tarvex

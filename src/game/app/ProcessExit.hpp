// Escape ends the game at once. The screens ask for that here rather than calling exit
// themselves, so that a test or the scripted-play harness, which run the game in-process, can
// see the request and stop their own frame loop instead of losing the process:
//
//     if (keyboard().keyHit(KEY_ESCAPE)) { endProcess(0); return; }
//
// Without a handler the process ends immediately (no destructors run: the loading screen's
// worker may still be reading files).
#pragma once

#include <functional>

namespace tarvex::game {

void endProcess(int status);

using ProcessExitHandler = std::function<void(int status)>;
// Installs a handler in place of ending the process; null restores the real exit. Answers the
// previous handler.
ProcessExitHandler setProcessExitHandler(ProcessExitHandler handler);

} // namespace tarvex::game

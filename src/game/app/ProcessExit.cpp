#include "game/app/ProcessExit.hpp"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tarvex::game {

namespace {

ProcessExitHandler& installedHandler() {
    static ProcessExitHandler handler;
    return handler;
}

} // namespace

void endProcess(int status) {
    if (const auto& handler = installedHandler()) {
        handler(status);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(status);
}

ProcessExitHandler setProcessExitHandler(ProcessExitHandler handler) {
    return std::exchange(installedHandler(), std::move(handler));
}

} // namespace tarvex::game

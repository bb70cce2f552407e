#include "core/DebugLog.hpp"

#include <mutex>

namespace tarvex {
namespace {

struct DebugLogState {
    std::mutex mutex; // the loading screen's worker thread may log too
    DebugLogListener listener;
};

DebugLogState& state() {
    static DebugLogState instance;
    return instance;
}

} // namespace

void debugLog(std::string_view line) {
    auto& s = state();
    const std::lock_guard lock(s.mutex);
    if (s.listener) {
        s.listener(line);
    }
}

DebugLogListener setDebugLogListener(DebugLogListener listener) {
    auto& s = state();
    const std::lock_guard lock(s.mutex);
    std::swap(s.listener, listener);
    return listener;
}

} // namespace tarvex

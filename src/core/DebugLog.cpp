#include "core/DebugLog.hpp"

#include <memory>
#include <mutex>

namespace tarvex {
namespace {

struct DebugLogState {
    std::mutex slot;    // guards `listener`
    std::mutex calling; // one line at a time reaches the listener
    std::shared_ptr<const DebugLogListener> listener;
};

DebugLogState& state() {
    static DebugLogState instance;
    return instance;
}

// Set while this thread is inside the listener.
thread_local bool insideListener = false;

} // namespace

void debugLog(std::string_view line) {
    if (insideListener) {
        return;
    }
    auto& s = state();
    const std::lock_guard calling(s.calling);
    std::shared_ptr<const DebugLogListener> listener;
    {
        const std::lock_guard slot(s.slot);
        listener = s.listener;
    }
    if (!listener || !*listener) {
        return;
    }
    insideListener = true;
    try {
        (*listener)(line);
    } catch (...) {
        insideListener = false;
        throw;
    }
    insideListener = false;
}

DebugLogListener setDebugLogListener(DebugLogListener listener) {
    auto next = std::make_shared<const DebugLogListener>(std::move(listener));
    auto& s = state();
    const std::lock_guard slot(s.slot);
    std::swap(s.listener, next);
    return next ? *next : DebugLogListener{};
}

} // namespace tarvex

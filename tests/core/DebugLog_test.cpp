#include "core/DebugLog.hpp"

#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace tarvex {
namespace {

// Installs a listener for the test's duration.
class ListenerScope {
public:
    explicit ListenerScope(DebugLogListener listener)
        : _previous(setDebugLogListener(std::move(listener))) {}
    ~ListenerScope() { setDebugLogListener(std::move(_previous)); }
    ListenerScope(const ListenerScope&) = delete;
    ListenerScope& operator=(const ListenerScope&) = delete;

private:
    DebugLogListener _previous;
};

TEST(DebugLog, AListenerThatWritesToTheLogNeitherDeadlocksNorHearsItself) {
    std::vector<std::string> heard;
    const ListenerScope scope([&heard](std::string_view line) {
        heard.emplace_back(line);
        debugLog("echo of " + std::string(line));
    });
    debugLog("one");
    debugLog("two");
    EXPECT_EQ(heard, (std::vector<std::string>{"one", "two"}));
}

TEST(DebugLog, AListenerMayReplaceItselfWhileItRuns) {
    std::vector<std::string> heard;
    const ListenerScope scope(nullptr);
    setDebugLogListener([&heard](std::string_view line) {
        heard.emplace_back(line);
        setDebugLogListener(
            [&heard](std::string_view next) { heard.emplace_back("new " + std::string(next)); });
    });
    debugLog("one");
    debugLog("two");
    EXPECT_EQ(heard, (std::vector<std::string>{"one", "new two"}));
}

TEST(DebugLog, LinesFromTwoThreadsReachTheListenerOneAtATime) {
    std::vector<std::string> heard; // unguarded: the log calls the listener for one line at a time
    const ListenerScope scope([&heard](std::string_view line) { heard.emplace_back(line); });
    constexpr int ROUNDS = 2000;
    std::thread worker([] {
        for (int i = 0; i < ROUNDS; ++i) {
            debugLog("worker");
        }
    });
    for (int i = 0; i < ROUNDS; ++i) {
        debugLog("main");
    }
    worker.join();
    EXPECT_EQ(heard.size(), static_cast<std::size_t>(2 * ROUNDS));
}

} // namespace
} // namespace tarvex

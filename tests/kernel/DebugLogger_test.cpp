#include "core/DebugLog.hpp"
#include "core/Error.hpp"
#include "core/TextObject.hpp"
#include "kernel/DebugLogger.hpp"
#include "platform/LoopPlatform.hpp"

#include <atomic>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <thread>

namespace tarvex {
namespace {

class ManualClock : public platform::HeadlessLoopPlatform {
public:
    std::int64_t now = 5000;
    std::int64_t milliseconds() override { return now; }
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

class DebugLoggerTest : public ::testing::Test {
protected:
    void SetUp() override { previous = platform::setLoopPlatform(clock); }
    void TearDown() override {
        platform::setLoopPlatform(previous);
        TarvexFramework::disableLogging();
    }
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<platform::LoopPlatform> previous;
};

TEST_F(DebugLoggerTest, TimersCountCallsAndRestartWhenStartedWhileRunning) {
    auto logger = DebugLogger::Create(DebugLogger::DEBUG_LEVEL_ALL);
    logger->startTimer("draw");
    clock->now += 7;
    logger->startTimer("draw"); // counts the interrupted run
    clock->now += 3;
    logger->stopTimer("draw");
    const auto timer = logger->findTimer("draw");
    EXPECT_EQ(timer->Calls, 2);
    EXPECT_EQ(timer->TotalTime, 10);
    EXPECT_EQ(timer->m_TimerBuffer, 0);
    try {
        logger->stopTimer("never");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Timer never not found");
    }
}

TEST_F(DebugLoggerTest, ATimerStartedWhenTheClockReadsZeroStillRuns) {
    auto logger = DebugLogger::Create(DebugLogger::DEBUG_LEVEL_ALL);
    clock->now = 0; // 0 also means "stopped": the start is kept one millisecond late
    logger->startTimer("load");
    EXPECT_NE(logger->findTimer("load")->m_TimerBuffer, 0) << "running";
    clock->now = 5;
    logger->startTimer("load"); // restarting counts the run that was going on
    clock->now = 9;
    logger->stopTimer("load");
    const auto timer = logger->findTimer("load");
    EXPECT_EQ(timer->Calls, 2);
    EXPECT_EQ(timer->TotalTime, 8);
}

TEST_F(DebugLoggerTest, XmlHasTheExactLinesInOrder) {
    auto logger = DebugLogger::Create(DebugLogger::DEBUG_LEVEL_URGENT);
    logger->setField("build", TextObject::Create("42"));
    logger->write("hello <world>", 2);
    logger->startTimer("t");
    logger->stopTimer("t");
    const auto lines = linesOf(logger->toXml(""));
    const std::vector<std::string> head{
        "<?xml version=\"1.0\"?>", "<DebugLog>", "\t<Header>",
        "\t\t<OutputLevel>DEBUG_LEVEL_URGENT (Urgent messages only)</OutputLevel>"};
    ASSERT_GE(lines.size(), 30U);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4), head)
        << "an empty stylesheet omits the stylesheet line";
    EXPECT_TRUE(std::regex_match(lines[4], std::regex("\t\t<Date>\\d\\d \\w{3} \\d{4}</Date>")));
    EXPECT_TRUE(std::regex_match(lines[5], std::regex("\t\t<Time>\\d\\d:\\d\\d:\\d\\d</Time>")));
    const std::vector<std::string> middle{"\t\t<Configuration>",
                                          "\t<App>",
                                          "\t\t<BuildMode>Release</BuildMode>",
                                          "\t\t<Fields>",
                                          "\t\t\t<Name>build</Name>",
                                          "\t\t\t<Value>42</Value>",
                                          "\t\t</Fields>",
                                          "\t</App>",
                                          "\t<Environment>",
                                          "\t</Environment>",
                                          "\t<Memory>"};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.begin() + 17), middle);
    EXPECT_TRUE(std::regex_match(lines[17], std::regex("\t\t<TotalPhysical>\\d+</TotalPhysical>")));
    const std::vector<std::string> tail{"\t</Memory>",
                                        "\t\t</Configuration>",
                                        "</Header>",
                                        "<Timers>",
                                        "\t<Timer>",
                                        "\t\t<Name>t</Name>",
                                        "\t\t<Calls>1</Calls>",
                                        "\t\t<Time>0</Time>",
                                        "\t</Timer>",
                                        "</Timers>",
                                        "<Entries>",
                                        "\t<Entry level=\"2\">"};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 18, lines.begin() + 30), tail);
    EXPECT_TRUE(std::regex_match(lines[30], std::regex("\t\t<Time>\\d\\d:\\d\\d:\\d\\d</Time>")));
    const std::vector<std::string> end{"\t\t<Message>hello <world></Message>", "\t</Entry>",
                                       "</Entries>", "</DebugLog>"};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 31, lines.end()), end);
}

TEST_F(DebugLoggerTest, StylesheetLineFollowsTheDeclaration) {
    auto logger = DebugLogger::Create(0);
    const auto lines = linesOf(logger->toXml("log.xsl"));
    EXPECT_EQ(lines[1], "<?xml-stylesheet type=\"text/xsl\" href=\"log.xsl\" ?>");
    EXPECT_EQ(lines[4],
              "\t\t<OutputLevel>DEBUG_LEVEL_DEFAULT (All messages except detailed)</OutputLevel>");
    EXPECT_EQ(DebugLogger::GetLevelText(3), "");
}

TEST_F(DebugLoggerTest, FrameworkFrontIgnoresCallsUntilLoggingIsOn) {
    EXPECT_NO_THROW(TarvexFramework::stopDebugTimer("nothing"));
    TarvexFramework::logMessage("dropped", 1);
    TarvexFramework::enableLogging(DebugLogger::DEBUG_LEVEL_ALL);
    TarvexFramework::logMessage("kept", 1);
    ASSERT_NE(TarvexFramework::logger(), nullptr);
    ASSERT_EQ(TarvexFramework::logger()->entries().size(), 1U);
    EXPECT_EQ(TarvexFramework::logger()->entries()[0]->Message, "kept");
    EXPECT_THROW(TarvexFramework::stopDebugTimer("nothing"), Error);
    EXPECT_EQ(TarvexFramework::GetVersion(), "0.0.1.");
}

TEST_F(DebugLoggerTest, MessagesArePublishedOnTheLoggersHook) {
    auto logger = DebugLogger::Create(DebugLogger::DEBUG_LEVEL_ALL);
    static std::vector<std::string> published;
    published.clear();
    logger->getHook().subscribe(
        [](std::int32_t, Object* data, Object*) -> Object* {
            // The text itself, as a console printing the data shows it.
            published.push_back(data->ToString());
            return data;
        },
        nullptr, 0);
    logger->write("one", 1);
    logger->enableHooks(false).write("two", 1);
    EXPECT_EQ(published, (std::vector<std::string>{"one"}));
}

} // namespace
} // namespace tarvex

namespace tarvex {
namespace {

TEST(DebugLoggerThreads, AWorkerThreadMayTimeWhileTheMainThreadWrites) {
    TarvexFramework::enableLogging(DebugLogger::DEBUG_LEVEL_ALL);
    const auto logger = TarvexFramework::logger();
    logger->enablePlatformDebugLog(false);
    constexpr int ROUNDS = 2000;
    std::thread worker([] {
        for (int i = 0; i < ROUNDS; ++i) {
            TarvexFramework::startDebugTimer("BrixFile.load");
            TarvexFramework::stopDebugTimer("BrixFile.load");
        }
    });
    for (int i = 0; i < ROUNDS; ++i) {
        TarvexFramework::logMessage("frame", DebugLogger::DEBUG_LEVEL_LOW);
    }
    worker.join();
    EXPECT_EQ(logger->entries().size(), static_cast<std::size_t>(ROUNDS));
    EXPECT_EQ(logger->findTimer("BrixFile.load")->Calls, ROUNDS);
    TarvexFramework::disableLogging();
}

// Two threads publishing on the logger's hook while a subscriber listens; the ThreadSanitizer
// build reports any unguarded access.
TEST(DebugLoggerThreads, TwoThreadsWriteWhileTheHookHasASubscriber) {
    const auto logger = DebugLogger::Create(DebugLogger::DEBUG_LEVEL_ALL);
    logger->enablePlatformDebugLog(false);
    static std::atomic<int> published{0};
    published = 0;
    const auto count = [](std::int32_t, Object* data, Object*) -> Object* {
        ++published;
        return data;
    };
    logger->getHook().subscribe(count, nullptr, 0);
    constexpr int ROUNDS = 1000;
    const auto work = [&logger] {
        for (int i = 0; i < ROUNDS; ++i) {
            logger->write("line", DebugLogger::DEBUG_LEVEL_LOW);
        }
    };
    std::thread worker(work);
    work();
    worker.join();
    EXPECT_EQ(logger->entries().size(), static_cast<std::size_t>(2 * ROUNDS));
    EXPECT_EQ(published.load(), 2 * ROUNDS);
}

// A debugging host that forwards debug-log lines into the framework log, which echoes them to
// the debug log again: neither a deadlock nor an endless echo.
TEST(DebugLoggerThreads, AListenerForwardingIntoTheFrameworkLogDoesNotDeadlock) {
    TarvexFramework::enableLogging(DebugLogger::DEBUG_LEVEL_ALL);
    std::vector<std::string> heard;
    const auto previous = setDebugLogListener([&heard](std::string_view line) {
        heard.emplace_back(line);
        TarvexFramework::logMessage("seen: " + std::string(line), DebugLogger::DEBUG_LEVEL_LOW);
    });
    debugLog("hello");
    TarvexFramework::logMessage("direct", DebugLogger::DEBUG_LEVEL_LOW);
    setDebugLogListener(previous);
    const auto entries = TarvexFramework::logger()->entries();
    std::vector<std::string> messages;
    for (const auto& entry : entries) {
        messages.push_back(entry->Message);
    }
    EXPECT_EQ(heard, (std::vector<std::string>{"hello", "direct"}));
    // A message is echoed to the debug log before it is recorded.
    EXPECT_EQ(messages, (std::vector<std::string>{"seen: hello", "seen: direct", "direct"}));
    TarvexFramework::disableLogging();
}

} // namespace
} // namespace tarvex

#include "platform/Input.hpp"
#include "platform/PlatformEvent.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace tarvex::platform {
namespace {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        keyboard().flush();
        eventHook().subscribe(&record, &_context, 5);
    }
    void TearDown() override {
        eventHook().unsubscribe(&record, &_context);
        keyboard().flush();
    }

    struct Recorder : Object {
        std::vector<std::pair<int, int>> events; // id, data
    };
    static Object* record(std::int32_t, Object* data, Object* context) {
        const auto* event = static_cast<PlatformEvent*>(data);
        static_cast<Recorder*>(context)->events.emplace_back(event->id, event->data);
        return data;
    }

    Recorder _context;
};

TEST_F(InputTest, KeyHitCountsPressesSinceTheLastQueryOfThatKey) {
    deliverKeyDown(KEY_SPACE);
    deliverKeyUp(KEY_SPACE);
    deliverKeyDown(KEY_SPACE);
    deliverKeyUp(KEY_SPACE);
    EXPECT_EQ(keyboard().keyHit(KEY_LEFT), 0) << "other keys are not touched";
    EXPECT_EQ(keyboard().keyHit(KEY_SPACE), 2);
    EXPECT_EQ(keyboard().keyHit(KEY_SPACE), 0) << "a query starts the count again";
}

TEST_F(InputTest, KeyDownFollowsPressAndReleaseAndIsNotConsumedByQueries) {
    deliverKeyDown(KEY_LEFT);
    EXPECT_TRUE(keyboard().keyDown(KEY_LEFT));
    EXPECT_TRUE(keyboard().keyDown(KEY_LEFT));
    EXPECT_EQ(keyboard().keyHit(KEY_LEFT), 1);
    EXPECT_TRUE(keyboard().keyDown(KEY_LEFT)) << "taking the hit does not release the key";
    deliverKeyUp(KEY_LEFT);
    EXPECT_FALSE(keyboard().keyDown(KEY_LEFT));
}

TEST_F(InputTest, AutoRepeatReachesTheHookButIsNotANewHit) {
    deliverKeyDown(KEY_RIGHT);
    deliverKeyDown(KEY_RIGHT, true);
    deliverKeyDown(KEY_RIGHT, true);
    EXPECT_EQ(keyboard().keyHit(KEY_RIGHT), 1);
    EXPECT_EQ(_context.events.size(), 3u);
}

TEST_F(InputTest, FlushForgetsHitsHeldKeysAndTypedCharacters) {
    deliverKeyDown(KEY_CONSOLE);
    deliverChar('a');
    keyboard().flush();
    EXPECT_FALSE(keyboard().keyDown(KEY_CONSOLE));
    EXPECT_EQ(keyboard().keyHit(KEY_CONSOLE), 0);
    EXPECT_EQ(keyboard().getChar(), 0);
    deliverKeyDown(KEY_CONSOLE, true);
    EXPECT_FALSE(keyboard().keyDown(KEY_CONSOLE)) << "a repeat after a flush is not a press";
}

TEST_F(InputTest, TypedCharactersComeOutInOrderAndAreBounded) {
    for (const char c : std::string("hi!")) {
        deliverChar(c);
    }
    deliverChar(KEY_BACKSPACE);
    EXPECT_EQ(keyboard().getChar(), 'h');
    EXPECT_EQ(keyboard().getChar(), 'i');
    EXPECT_EQ(keyboard().getChar(), '!');
    EXPECT_EQ(keyboard().getChar(), KEY_BACKSPACE);
    EXPECT_EQ(keyboard().getChar(), 0);

    for (int i = 0; i < 1000; ++i) {
        keyboard().type('x');
    }
    int count = 0;
    while (keyboard().getChar() != 0) {
        ++count;
    }
    EXPECT_EQ(count, static_cast<int>(Keyboard::MAX_TYPED)) << "unread typing must not pile up";
}

TEST_F(InputTest, CodesOutsideTheKeyRangeAreIgnored) {
    deliverKeyDown(-1);
    deliverKeyDown(Keyboard::KEY_COUNT);
    EXPECT_FALSE(keyboard().keyDown(-1));
    EXPECT_EQ(keyboard().keyHit(Keyboard::KEY_COUNT), 0);
}

TEST_F(InputTest, EveryChangeIsEmittedThroughTheEventHook) {
    deliverKeyDown(KEY_ESCAPE);
    deliverKeyUp(KEY_ESCAPE);
    deliverChar('q');
    deliverMouseMove(3, 4);
    const std::vector<std::pair<int, int>> expected = {{EVENT_KEYDOWN, KEY_ESCAPE},
                                                       {EVENT_KEYUP, KEY_ESCAPE},
                                                       {EVENT_KEYCHAR, 'q'},
                                                       {EVENT_MOUSEMOVE, 0}};
    EXPECT_EQ(_context.events, expected);
    EXPECT_EQ(mouse().x(), 3);
    EXPECT_EQ(mouse().y(), 4);
}

TEST_F(InputTest, MouseButtonsHaveHitAndDownLikeKeys) {
    mouse().flush();
    deliverMouseDown(1);
    EXPECT_TRUE(mouse().buttonDown(1));
    EXPECT_EQ(mouse().buttonHit(1), 1);
    EXPECT_EQ(mouse().buttonHit(1), 0);
    deliverMouseUp(1);
    EXPECT_FALSE(mouse().buttonDown(1));
    EXPECT_FALSE(mouse().buttonDown(9));
}

} // namespace
} // namespace tarvex::platform

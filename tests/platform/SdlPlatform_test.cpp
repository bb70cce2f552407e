#include "platform/Input.hpp"
#include "platform/PlatformEvent.hpp"
#include "platform/SdlKeys.hpp"
#include "platform/SdlPlatform.hpp"
#include "support/TestGraphics.hpp"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <vector>

namespace tarvex::platform {
namespace {

TEST(SdlKeys, PhysicalKeysMapToTheGamesVirtualCodes) {
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_ESCAPE), KEY_ESCAPE);
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_SPACE), KEY_SPACE);
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_LEFT), KEY_LEFT);
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_UP), KEY_UP);
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_RIGHT), KEY_RIGHT);
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_DOWN), KEY_DOWN);
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_S), KEY_S);
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_GRAVE), KEY_CONSOLE);
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_A), 'A');
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_0), '0');
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_9), '9');
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_RETURN), KEY_ENTER);
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_F1), 112);
    EXPECT_EQ(virtualKeyOfScancode(SDL_SCANCODE_APPLICATION), 0);
}

struct Seen : Object {
    std::vector<int> ids;
};

Object* remember(std::int32_t, Object* data, Object* context) {
    static_cast<Seen*>(context)->ids.push_back(static_cast<PlatformEvent*>(data)->id);
    return data;
}

// Events pushed into SDL's queue come out of the pump as input state and platform events.
TEST(SdlEvents, WindowAndKeyEventsReachTheHookAndTheKeyboard) {
    if (!displayAvailable()) {
        GTEST_SKIP() << "SDL's event queue needs the video subsystem";
    }
    pumpSdlEvents(); // whatever the window system sent so far
    keyboard().flush();
    Seen seen;
    eventHook().subscribe(&remember, &seen, 3);

    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.scancode = SDL_SCANCODE_GRAVE;
    SDL_PushEvent(&event);
    event.key.repeat = 1;
    SDL_PushEvent(&event);
    event = SDL_Event{};
    event.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, "a\xc3\xa9", sizeof event.text.text); // "a", e-acute
    SDL_PushEvent(&event);
    event = SDL_Event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
    pumpSdlEvents();
    eventHook().unsubscribe(&remember, &seen);

    EXPECT_TRUE(keyboard().keyDown(KEY_CONSOLE));
    EXPECT_EQ(keyboard().keyHit(KEY_CONSOLE), 1) << "the repeat is not a second hit";
    EXPECT_EQ(keyboard().getChar(), 'a');
    EXPECT_EQ(keyboard().getChar(), 0xe9) << "Latin-1 characters arrive as their byte";
    const std::vector<int> expected = {EVENT_KEYDOWN, EVENT_KEYDOWN, EVENT_KEYCHAR, EVENT_KEYCHAR,
                                       EVENT_APPTERMINATE};
    EXPECT_EQ(seen.ids, expected) << "a quit request is only an event";
    keyboard().flush();
}

} // namespace
} // namespace tarvex::platform

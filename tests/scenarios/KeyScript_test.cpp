#include "core/Error.hpp"
#include "game/harness/KeyScript.hpp"
#include "platform/Input.hpp"

#include <gtest/gtest.h>

namespace tarvex::game::harness {
namespace {

TEST(KeyScript, ReadsSeedEventsAndCommentsInFrameOrder) {
    const auto script = parseKeyScript("# a replay\r\nseed 4000000000\n\n"
                                       "120 left down\n  5\tspace   press \n160 left up\n"
                                       "120 s press\n");
    ASSERT_TRUE(script.seed.has_value());
    EXPECT_EQ(*script.seed, 4000000000U);
    const std::vector<KeyEvent> expected{
        {5, platform::KEY_SPACE, KeyAction::Press},
        {120, platform::KEY_LEFT, KeyAction::Down},
        {120, platform::KEY_S, KeyAction::Press}, // same frame: kept in written order
        {160, platform::KEY_LEFT, KeyAction::Up},
    };
    EXPECT_EQ(script.events, expected);
}

TEST(KeyScript, WrittenScriptReadsBackTheSame) {
    KeyScript script;
    script.seed = 12;
    script.events = {{0, platform::KEY_ESCAPE, KeyAction::Press},
                     {3, platform::KEY_RIGHT, KeyAction::Down},
                     {9, platform::KEY_RIGHT, KeyAction::Up}};
    const std::string text = formatKeyScript(script);
    EXPECT_EQ(text, "seed 12\n0 escape press\n3 right down\n9 right up\n");
    const auto back = parseKeyScript(text);
    EXPECT_EQ(back.seed, script.seed);
    EXPECT_EQ(back.events, script.events);
}

TEST(KeyScript, BadLinesRaiseAnErrorNamingTheLine) {
    const auto messageOf = [](std::string_view text) -> std::string {
        try {
            (void)parseKeyScript(text);
        } catch (const Error& error) {
            return error.what();
        }
        return "no error";
    };
    EXPECT_EQ(messageOf("0 space press\n1 up press\n"),
              "Bad key script at line 2: unknown key \"up\" (keys: space, left, right, s, "
              "escape)");
    EXPECT_EQ(messageOf("0 space hold"),
              "Bad key script at line 1: unknown action \"hold\" (actions: down, up, press)");
    EXPECT_EQ(messageOf("0 space"),
              "Bad key script at line 1: expected \"<frame> <key> down|up|press\"");
    EXPECT_EQ(messageOf("seed -3"), "Bad key script at line 1: expected \"seed <number>\"");
    EXPECT_EQ(messageOf("seed 99999999999"),
              "Bad key script at line 1: expected \"seed <number>\"");
    for (const char* frame :
         {"-1 space press", "1e3 space press", "99999999999999 space press", "12x space press"}) {
        EXPECT_NE(messageOf(frame).find("the frame is not a number"), std::string::npos) << frame;
    }
}

TEST(KeyScript, MissingFileRaisesAnError) {
    EXPECT_THROW((void)loadKeyScript("/nonexistent/depthrun.keys"), Error);
}

} // namespace
} // namespace tarvex::game::harness

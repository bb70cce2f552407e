// The console driven by a scripted keyboard: sliding, line editing, history, command lookup,
// splitting of command lines, and what it draws.
#include "ConsoleTestTypes.hpp"
#include "core/Error.hpp"
#include "core/TextObject.hpp"
#include "platform/DrawingLayer.hpp"
#include "platform/Input.hpp"
#include "support/DebugLogCapture.hpp"
#include "support/TestGraphics.hpp"

#include <gtest/gtest.h>

namespace tarvex::testing {
namespace {

using platform::Image;
using platform::Pixmap;

constexpr const char* FONT = "incbin::small-font.ttf";

Ref<Image> background(int width, int height) {
    return Image::fromPixmap(Pixmap(width, height, platform::rgba(20, 40, 60)));
}

class DebugConsoleTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerConsoleTestTypes();
        console = DebugConsole::Create(background(200, 100), FONT, 20);
        ASSERT_NE(console, nullptr);
        frames = std::make_unique<ScriptedFrames>(*console);
    }

    void open() {
        frames->tap(DebugConsole::KEY_GRAVE);
        frames->run(12);
        ASSERT_EQ(console->getState(), DebugConsole::STATE_ACTIVE);
    }
    void enter(const std::string& line) {
        frames->type(line + "\r");
        frames->run();
    }

    Ref<DebugConsole> console;
    std::unique_ptr<ScriptedFrames> frames;
};

TEST_F(DebugConsoleTest, TakesItsSizeFromTheBackgroundAndStartsHidden) {
    EXPECT_EQ(console->getWidth(), 200);
    EXPECT_EQ(console->getHeight(), 100);
    EXPECT_EQ(console->getSpeed(), 10);
    EXPECT_EQ(console->getY(), -100);
    EXPECT_EQ(console->getState(), DebugConsole::STATE_HIDDEN);
    EXPECT_FALSE(console->isVisible());
    const auto font = platform::ImageFont::load(FONT, 20, 0);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(console->getTextRows(), 90 / font->height() - 2);
    EXPECT_EQ(DebugConsole::Create(nullptr, FONT, 20), nullptr);
}

TEST_F(DebugConsoleTest, ConsoleKeySlidesThePanelInAndOutInTenUpdates) {
    frames->tap(DebugConsole::KEY_GRAVE);
    frames->run();
    EXPECT_EQ(console->getState(), DebugConsole::STATE_APPEARING);
    EXPECT_TRUE(console->isVisible());
    frames->run(9);
    EXPECT_EQ(console->getState(), DebugConsole::STATE_APPEARING);
    EXPECT_EQ(console->getY(), -10);
    frames->run();
    EXPECT_EQ(console->getState(), DebugConsole::STATE_ACTIVE);
    EXPECT_EQ(console->getY(), 0);

    frames->run(5);
    EXPECT_EQ(console->getState(), DebugConsole::STATE_ACTIVE) << "stays open untouched";
    frames->tap(DebugConsole::KEY_GRAVE);
    frames->run();
    EXPECT_EQ(console->getState(), DebugConsole::STATE_DISAPPEARING);
    frames->run(9);
    EXPECT_TRUE(console->isVisible());
    frames->run();
    EXPECT_EQ(console->getState(), DebugConsole::STATE_HIDDEN);
    EXPECT_FALSE(console->isVisible());
}

TEST_F(DebugConsoleTest, TypedLineIsEditedAndEnterRunsItWithQuotedArguments) {
    open();
    ASSERT_TRUE(console->addCommand(std::make_shared<SpawnCommand>()));
    frames->type("spawn \"big sux");
    frames->run();
    EXPECT_EQ(console->getInput(), "spawn \"big sux");
    frames->type("\bb\" 3"); // backspace, then the rest: every character of the frame counts
    frames->run();
    EXPECT_EQ(console->getInput(), "spawn \"big sub\" 3");
    frames->type("\r");
    frames->run();

    const auto& calls =
        std::dynamic_pointer_cast<SpawnCommand>(console->getCommand("spawn"))->calls;
    ASSERT_EQ(calls.size(), 1U);
    EXPECT_EQ(calls[0], (ConsoleArgs{"spawn \"big sub\" 3", "big sub", "3"}));
    EXPECT_EQ(console->getInput(), "");
    EXPECT_EQ(console->getOutput().back(), "spawn \"big sub\" 3");
    EXPECT_EQ(console->getLastInputLine(), "spawn \"big sub\" 3");
}

TEST_F(DebugConsoleTest, UpAndDownWalkThroughEnteredLines) {
    open();
    for (const char* line : {"one", "two", "three"}) {
        enter(line);
    }
    auto press = [&](int key) {
        frames->tap(key);
        frames->run(2); // the press, then the release
        return console->getInput();
    };
    EXPECT_EQ(press(platform::KEY_UP), "three");
    EXPECT_EQ(press(platform::KEY_UP), "two");
    EXPECT_EQ(press(platform::KEY_UP), "one");
    EXPECT_EQ(press(platform::KEY_UP), "one") << "the oldest line stays";
    EXPECT_EQ(press(platform::KEY_DOWN), "two");
    EXPECT_EQ(press(platform::KEY_DOWN), "three");
    EXPECT_EQ(press(platform::KEY_DOWN), "") << "past the newest line the input clears";
    EXPECT_EQ(console->getCommandLog(), (std::vector<std::string>{"one", "two", "three"}));
}

TEST_F(DebugConsoleTest, CommandWordIsMatchedWithoutCase) {
    ASSERT_TRUE(console->addCommand(std::make_shared<HelpCommand>()));
    EXPECT_TRUE(console->hasCommand("HELP"));
    open();
    DebugLogCapture log;
    enter("hElP me now");
    EXPECT_EQ(console->getOutput().back(), "help for 2 topics");
    EXPECT_TRUE(log.contains("help for 2 topics")) << "WriteLine also goes to the debug log";
    enter("xyzzy 1");
    EXPECT_TRUE(log.contains("DebugConsole: No handler for: xyzzy"));
}

TEST_F(DebugConsoleTest, CommandsDifferingOnlyInCaseRaise) {
    auto first = std::make_shared<SpawnCommand>();
    first->Name = "Spawn";
    auto second = std::make_shared<SpawnCommand>();
    second->Name = "SPAWN";
    EXPECT_TRUE(console->addCommand(first));
    EXPECT_EQ(first->getParentConsole(), console.get());
    try {
        console->addCommand(second);
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Command \"SPAWN\" already has a handler attached.");
    }
    auto unnamed = std::make_shared<SpawnCommand>();
    unnamed->Name = "";
    EXPECT_FALSE(console->addCommand(unnamed));
    EXPECT_FALSE(console->addCommand(nullptr));
}

TEST_F(DebugConsoleTest, SplitCommandKeepsQuotedBlanksAndEmptyPieces) {
    EXPECT_TRUE(console->SplitCommand("").empty());
    EXPECT_EQ(console->SplitCommand("go"), (ConsoleArgs{"go"}));
    EXPECT_EQ(console->SplitCommand("say \"a b\" c"), (ConsoleArgs{"say \"a b\" c", "a b", "c"}));
    EXPECT_EQ(console->SplitCommand("a  b"), (ConsoleArgs{"a  b", "", "b"}));
    EXPECT_EQ(console->SplitCommand("say \"x\"\"y z\""), (ConsoleArgs{"say \"x\"\"y z\"", "xy z"}));
    EXPECT_EQ(console->SplitCommand("say \"open end"), (ConsoleArgs{"say \"open end", "open end"}));
}

TEST_F(DebugConsoleTest, HandlerFunctionsRunWhenNoCommandHasTheWord) {
    Object owner;
    ConsoleArgs seen;
    console->addCommandHandler("Fps", &owner,
                               [&](Object* parent, IConsole& target, const ConsoleArgs& args) {
                                   EXPECT_EQ(parent, &owner);
                                   EXPECT_EQ(&target, console.get());
                                   seen = args;
                                   return 1;
                               });
    console->runCommand("FPS on");
    EXPECT_EQ(seen, (ConsoleArgs{"FPS on", "on"}));

    int replaced = 0;
    console->addCommandHandler("fps", &owner,
                               [&](Object*, IConsole&, const ConsoleArgs&) { return ++replaced; });
    console->runCommand("fps");
    EXPECT_EQ(replaced, 1);
}

TEST_F(DebugConsoleTest, HookListenerWritesIntoTheConsoleUntilItGoes) {
    Hook hook(1);
    console->addHookListener(hook, &DebugConsole::Handle_DlogWrite);
    TextObject text("loaded 3 files");
    EXPECT_EQ(hook.run(&text), nullptr);
    EXPECT_EQ(console->getOutput().back(), "dlog: loaded 3 files");
    frames.reset();
    console.reset();
    EXPECT_EQ(hook.subscriberCount(), 0U);
}

// Draws into an off-screen frame (one virtual unit = one pixel) and finds the rows of text.
class DebugConsoleDrawingTest : public DebugConsoleTest {
protected:
    void SetUp() override {
        DebugConsoleTest::SetUp();
        context = std::make_unique<FakeContext>(224, 288);
        auto& gfx = platform::drawingLayer();
        gfx.setRenderer(platform::RENDERER_COMPOSITOR);
        gfx.attach(context.get());
        gfx.setVirtualResolution(224, 288);
        gfx.setViewport(0, 0, 224, 288);
        gfx.setBlend(platform::BLEND_ALPHA);
        gfx.setAlpha(1.0F);
        gfx.setColor(255, 255, 255);
        gfx.setClsColor(0, 0, 0);
        gfx.cls();
    }
    void TearDown() override {
        platform::drawingLayer().attach(nullptr);
        platform::drawingLayer().setFont(nullptr);
    }

    // True when any pixel of rows [top, bottom) is near white.
    static bool whiteIn(const Pixmap& frame, int top, int bottom) {
        for (int y = std::max(0, top); y < std::min(frame.height(), bottom); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const auto p = frame.pixel(x, y);
                if ((p & 255) > 200 && ((p >> 8) & 255) > 200 && ((p >> 16) & 255) > 200) {
                    return true;
                }
            }
        }
        return false;
    }
    // How many of the output rows, newest first, hold text.
    int rowsWithText(int height, int fontSize) {
        console->render();
        const auto frame = platform::drawingLayer().readPixels(0, 0, 224, 288);
        const auto font = platform::ImageFont::load(FONT, fontSize, 0);
        const int step = font->height() / 2;
        int rows = 0;
        for (int i = 0; i < 20; ++i) {
            const int top = height - 35 - step * i;
            if (whiteIn(frame, top, top + step)) {
                rows = i + 1;
            }
        }
        return rows;
    }

    std::unique_ptr<FakeContext> context;
};

TEST_F(DebugConsoleDrawingTest, ShowsOnlyTheNewestTwelveLines) {
    // A small font, so that more than twelve rows fit.
    console = DebugConsole::Create(background(224, 250), FONT, 10);
    frames = std::make_unique<ScriptedFrames>(*console);
    ASSERT_GT(console->getTextRows(), 12);
    open();
    for (int i = 0; i < 20; ++i) {
        console->write("WWWW line " + std::to_string(i));
    }
    EXPECT_EQ(rowsWithText(250, 10), 12);
}

TEST_F(DebugConsoleDrawingTest, ShortPanelShowsFewerLines) {
    open(); // 100 pixels high
    ASSERT_LT(console->getTextRows(), 12);
    ASSERT_GT(console->getTextRows(), 0);
    for (int i = 0; i < 20; ++i) {
        console->write("WWWW line " + std::to_string(i));
    }
    EXPECT_EQ(rowsWithText(100, 20), console->getTextRows());
}

TEST_F(DebugConsoleDrawingTest, HiddenConsoleDrawsNothing) {
    console->write("WWWW");
    console->render();
    const auto frame = platform::drawingLayer().readPixels(0, 0, 224, 288);
    EXPECT_EQ(frame.pixel(5, 5) & 0xFFFFFF, 0U);
    EXPECT_FALSE(whiteIn(frame, 0, 288));
}

// The open console in a real OpenGL window: its background and its text reach the screen.
TEST(DebugConsoleWindow, OpenConsoleDrawsBackgroundAndText) {
    TARVEX_REQUIRE_WINDOW(window, 448, 576);
    registerConsoleTestTypes();
    auto console = DebugConsole::Create(background(224, 120), FONT, 20);
    ASSERT_NE(console, nullptr);
    ScriptedFrames frames(*console);
    frames.tap(DebugConsole::KEY_GRAVE);
    frames.run(12);
    frames.type("WWW");
    frames.run();
    console->write("WWWWWW");

    auto& gfx = platform::drawingLayer();
    gfx.setVirtualResolution(224, 288);
    gfx.setViewport(0, 0, 224, 288);
    gfx.setBlend(platform::BLEND_ALPHA);
    gfx.setAlpha(1.0F);
    gfx.setScale(1, 1);
    gfx.setColor(255, 255, 255);
    gfx.setClsColor(0, 0, 0);
    gfx.cls();
    console->render();
    const auto pixels = gfx.readPixels(0, 0, 448, 576);

    const auto corner = channels(pixels.pixel(440, 4)); // virtual (220, 2): the panel
    EXPECT_EQ(corner, (Rgba{20, 40, 60, corner.a}));
    const auto below = channels(pixels.pixel(440, 300)); // virtual (220, 150): below it
    EXPECT_EQ(below, (Rgba{0, 0, 0, below.a}));
    auto whiteRows = [&](int top, int bottom) { // virtual rows
        int white = 0;
        for (int y = top * 2; y < bottom * 2; ++y) {
            for (int x = 0; x < 448; ++x) {
                const auto c = channels(pixels.pixel(x, y));
                white += (c.r > 200 && c.g > 200 && c.b > 200) ? 1 : 0;
            }
        }
        return white;
    };
    EXPECT_GT(whiteRows(120 - 19, 120 - 8), 0) << "the prompt";
    EXPECT_GT(whiteRows(120 - 35, 120 - 24), 0) << "the newest output line";
    EXPECT_EQ(whiteRows(0, 40), 0) << "nothing above the output";
    gfx.setFont(nullptr);
}

} // namespace
} // namespace tarvex::testing

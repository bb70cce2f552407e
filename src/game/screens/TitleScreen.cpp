#include "game/screens/TitleScreen.hpp"

#include "core/DebugLog.hpp"
#include "core/TypeBuilder.hpp"
#include "game/SeaSurface.hpp"
#include "game/app/GameData.hpp"
#include "game/app/ProcessExit.hpp"
#include "game/screens/GameplayScreen.hpp"
#include "game/screens/ImageOf.hpp"
#include "graphics/TarvexGfx.hpp"
#include "platform/Input.hpp"

#include <array>

namespace tarvex::game {

const Type& TitleScreen::staticType() {
    static const Type& type =
        TypeBuilder<TitleScreen>("TitleScreen")
            .field("_audioDb", &TitleScreen::_audioDb, {{"injectable", "1"}})
            .field("_resourceDb", &TitleScreen::_resourceDb, {{"injectable", "1"}})
            .field("_screenManager", &TitleScreen::_screenManager, {{"injectable", "1"}})
            .field("_logo", &TitleScreen::_logo)
            .field("_pushStart", &TitleScreen::_pushStart)
            .field("_bgSky", &TitleScreen::_bgSky)
            .field("_bgSea", &TitleScreen::_bgSea)
            .field("_clouds", &TitleScreen::_clouds)
            .field("_credits", &TitleScreen::_credits)
            .field("_version", &TitleScreen::_version)
            .field("gfx_Logo", &TitleScreen::gfx_Logo)
            .field("gfx_BackgroundSky", &TitleScreen::gfx_BackgroundSky)
            .field("gfx_BackgroundSea", &TitleScreen::gfx_BackgroundSea)
            .field("gfx_BackgroundClouds", &TitleScreen::gfx_BackgroundClouds)
            .field("_startFont", &TitleScreen::_startFont)
            .field("_creditsFont", &TitleScreen::_creditsFont)
            .build();
    return type;
}

void TitleScreen::loadResources() {
    _startFont = gameFont(20);
    _creditsFont = gameFont(10);
    if (!_resourceDb) {
        return;
    }
    _resourceDb->loadResourceFile(gameDataDirectory() + "/backgrounds/resources.brix", true);
    _resourceDb->loadResourceFile(gameDataDirectory() + "/ui/resources.brix", true);
    const auto image = [this](const std::string& name) {
        return std::dynamic_pointer_cast<ImageResource>(_resourceDb->get(name, false));
    };
    gfx_Logo = image("depthrun.ui.logo");
    gfx_BackgroundSky = image("depthrun.backgrounds.day.sky");
    gfx_BackgroundSea = image("depthrun.backgrounds.day.sea");
    gfx_BackgroundClouds = image("depthrun.backgrounds.day.clouds");
}

void TitleScreen::enter() {
    if (_audioDb) {
        _audioDb->playMusic("depthrun.music.title");
    }
    const auto width = static_cast<float>(graphics::TarvexGfx::getGraphicsWidth());
    const auto bottom = graphics::TarvexGfx::getGraphicsHeight() - 15;
    _bgSky = graphics::ImageSprite::Create(imageOf(gfx_BackgroundSky), 0, 0);
    _bgSea = graphics::ImageSprite::Create(imageOf(gfx_BackgroundSea), 0,
                                           static_cast<std::int32_t>(SEA_SURFACE_Y));

    _pushStart = graphics::TextRenderRequest::Create("Push Space", 0, 180, nullptr);
    _pushStart->setFont(_startFont);
    _pushStart->setWidth(width);
    _pushStart->setAlignment(graphics::TextRenderRequest::ALIGN_CENTER);
    _pushStart->setFontColor(255, 255, 255);
    _pushStart->setShadowAlpha(0.5F);
    _pushStart->setShadowColor(0, 0, 0);

    _credits = graphics::TextRenderRequest::Create(CREDITS, 5, bottom, nullptr);
    _credits->setFont(_creditsFont);
    _credits->setDimensions(width, 15);
    _credits->setAlignment(graphics::TextRenderRequest::ALIGN_LEFT);
    _credits->setFontColor(255, 255, 255);
    _credits->setShadowAlpha(0.5F);
    _credits->setShadowColor(0, 0, 0);

    _version = graphics::TextRenderRequest::Create(VERSION, 0, bottom, nullptr);
    _version->setFont(_creditsFont);
    _version->setDimensions(width - 5, 15);
    _version->setAlignment(graphics::TextRenderRequest::ALIGN_RIGHT);
    _version->setFontColor(255, 255, 255);
    _version->setShadowAlpha(0.5F);
    _version->setShadowColor(0, 0, 0);

    _logo = graphics::ImageSprite::Create(imageOf(gfx_Logo), 21, 21);
    using Request = Ref<graphics::AbstractRenderRequest>;
    const std::array<Request, 6> requests = {_bgSky, _bgSea, _pushStart, _credits, _version, _logo};
    for (const auto& request : requests) {
        // The title is drawn at screen positions, whatever the camera.
        request->ignoreCamera(true);
        add(request, "");
    }
}

void TitleScreen::leave() {
    debugLog("STOPPING MUSIC!");
    if (_audioDb) {
        _audioDb->stopMusic();
    }
}

void TitleScreen::handleInput() {
    auto& keys = platform::keyboard();
    if (keys.keyHit(platform::KEY_ESCAPE) != 0) {
        endProcess(0);
        return;
    }
    if (keys.keyHit(platform::KEY_SPACE) != 0) {
        exitScreen();
        if (_screenManager) {
            _screenManager->addScreen(std::make_shared<GameplayScreen>(), 1);
        }
    }
}

void TitleScreen::update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) {
    GameScreen::update(delta, otherScreenHasFocus, coveredByOtherScreen);
}

} // namespace tarvex::game

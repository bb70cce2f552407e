// The title: the logo over the daytime sky and sea, "Push Space", the credits line and the
// version, with the title music. Space starts a game; Escape ends the program.
#pragma once

#include "audio/AudioService.hpp"
#include "graphics/ImageSprite.hpp"
#include "graphics/TextRenderRequest.hpp"
#include "resources/ImageResource.hpp"
#include "resources/ResourceService.hpp"
#include "screens/GameScreen.hpp"
#include "screens/ScreenManagerService.hpp"

namespace tarvex::game {

class TitleScreen : public GameScreen {
    TARVEX_OBJECT(TitleScreen, GameScreen)
public:
    // The maker's web address, bottom left.
    static constexpr const char* CREDITS = "www.depthrun2000.example";
    static constexpr const char* VERSION = "version 0.1.0";

    void loadResources() override;
    void enter() override;
    // Stops the music.
    void leave() override;
    void handleInput() override;
    void update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) override;

private:
    Ref<AudioService> _audioDb;
    Ref<ResourceService> _resourceDb;
    Ref<ScreenManagerService> _screenManager;
    Ref<graphics::ImageSprite> _logo;
    Ref<graphics::TextRenderRequest> _pushStart;
    Ref<graphics::ImageSprite> _bgSky;
    Ref<graphics::ImageSprite> _bgSea;
    Ref<graphics::RenderGroup> _clouds; // declared; the title shows no clouds
    Ref<graphics::TextRenderRequest> _credits;
    Ref<graphics::TextRenderRequest> _version;
    Ref<ImageResource> gfx_Logo;
    Ref<ImageResource> gfx_BackgroundSky;
    Ref<ImageResource> gfx_BackgroundSea;
    Ref<ImageResource> gfx_BackgroundClouds;
    Ref<platform::ImageFont> _startFont;
    Ref<platform::ImageFont> _creditsFont;
};

} // namespace tarvex::game

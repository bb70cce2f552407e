#include "game/screens/GameplayScreen.hpp"

#include "core/DebugLog.hpp"
#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/SeaSurface.hpp"
#include "game/app/GameData.hpp"
#include "game/app/ProcessExit.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "game/screens/GameOverScreen.hpp"
#include "game/screens/Overlays.hpp"
#include "game/screens/ScoreFormat.hpp"
#include "game/systems/BodyMovementSystem.hpp"
#include "game/systems/ChargeBubblesSystem.hpp"
#include "game/systems/ChargeHitsFloorSystem.hpp"
#include "game/systems/CloudUpdaterSystem.hpp"
#include "game/systems/DamageTimerSystem.hpp"
#include "game/systems/EntityLifespanSystem.hpp"
#include "game/systems/ExplosionCollisionSystem.hpp"
#include "game/systems/FishMovementSystem.hpp"
#include "game/systems/FishSpawnerSystem.hpp"
#include "game/systems/LabelLoaderSystem.hpp"
#include "game/systems/LabelSweeperSystem.hpp"
#include "game/systems/MineUpdaterSystem.hpp"
#include "game/systems/MissileCollisionSystem.hpp"
#include "game/systems/ParticleGeneratorSystem.hpp"
#include "game/systems/ParticleInitializerSystem.hpp"
#include "game/systems/ParticleSweeperSystem.hpp"
#include "game/systems/PlaneAiSystem.hpp"
#include "game/systems/PlaneSpawnerSystem.hpp"
#include "game/systems/PlayerDestroyedSystem.hpp"
#include "game/systems/PlayerFragmentSystem.hpp"
#include "game/systems/PlayerHealthSystem.hpp"
#include "game/systems/PlayerInputSystem.hpp"
#include "game/systems/ResourceLoaderSystem.hpp"
#include "game/systems/ResourceSweeperSystem.hpp"
#include "game/systems/ScoreFlyoffSystem.hpp"
#include "game/systems/SinkingSubmarineSystem.hpp"
#include "game/systems/SonarDetectionSystem.hpp"
#include "game/systems/SonarWaveSystem.hpp"
#include "game/systems/SubmarineAiSystem.hpp"
#include "game/systems/SubmarineBubblesSystem.hpp"
#include "game/systems/SubmarineSpawnerSystem.hpp"
#include "game/systems/SubmarineWrapperSystem.hpp"
#include "game/systems/TextBodyMovementSystem.hpp"
#include "graphics/RenderCamera.hpp"
#include "graphics/TarvexGfx.hpp"
#include "platform/DrawingLayer.hpp"
#include "platform/Input.hpp"

#include <array>
#include <functional>
#include <string_view>
#include <vector>

namespace tarvex::game {

namespace {

constexpr std::int32_t SCORE_DIGITS = 8;
constexpr int CLOUD_COUNT = 5;
constexpr float CLOUD_BAND = 40; // clouds start within the top 40 units
constexpr float CLOUD_DRIFT = 2; // at up to 2 units per second, leftwards
constexpr int CLOUD_FRAMES = 5;
constexpr float CLOUD_ALPHA = 0.75F;

// The systems started for play and stopped when a level ends.
constexpr std::array<const char*, 4> PLAY_SYSTEMS = {"PlayerInputSystem", "SubmarineSpawnerSystem",
                                                     "SubmarineAiSystem", "PlaneSpawnerSystem"};

// What each time of day looks and sounds like.
struct TimeOfDayLook {
    const char* sky;
    const char* sea;
    const char* clouds;
    float musicVolume;
    float musicRate;
};

constexpr TimeOfDayLook SUNNY_LOOK = {"depthrun.backgrounds.day.sky",
                                      "depthrun.backgrounds.day.sea",
                                      "depthrun.backgrounds.day.clouds", 1.0F, 1.0F};
constexpr TimeOfDayLook SUNSET_LOOK = {"depthrun.backgrounds.sunset.sky",
                                       "depthrun.backgrounds.sunset.sea",
                                       "depthrun.backgrounds.sunset.clouds", 0.8F, 1.0F};
constexpr TimeOfDayLook NIGHT_LOOK = {"depthrun.backgrounds.night.sky",
                                      "depthrun.backgrounds.night.sea",
                                      "depthrun.backgrounds.night.clouds", 0.5F, 0.9F};

const TimeOfDayLook& lookOf(std::uint8_t timeOfDay) {
    switch (timeOfDay) {
    case GameLevelResource::LEVEL_TYPE_SUNSET:
        return SUNSET_LOOK;
    case GameLevelResource::LEVEL_TYPE_NIGHT:
        return NIGHT_LOOK;
    default:
        return SUNNY_LOOK;
    }
}

constexpr float MUSIC_CHANGE_MS = 1000;
// 29 ticks bring the incoming alpha to 1; the limit of 30 is never reached.
constexpr float TRANSITION_TICK_MS = 64;
constexpr std::int32_t TRANSITION_TICK_LIMIT = 30;

} // namespace

const Type& GameplayScreen::staticType() {
    using S = GameplayScreen;
    static const Type& type =
        TypeBuilder<S>("GameplayScreen")
            .field("_audioDb", &S::_audioDb, {{"injectable", "1"}})
            .field("_resourcesDbService", &S::_resourcesDbService, {{"injectable", "1"}})
            .field("_screenManager", &S::_screenManager, {{"injectable", "1"}})
            .field("_sessionDb", &S::_sessionDb, {{"injectable", "1"}})
            .field("_entityManager", &S::_entityManager, {{"injectable", "1"}})
            .field("_renderService", &S::_renderService, {{"injectable", "1"}})
            .field("scoreLabel", &S::scoreLabel)
            .field("hiScoreLabel", &S::hiScoreLabel)
            .field("timerLabel", &S::timerLabel)
            .field("chargesLabel", &S::chargesLabel)
            .field("sonarLabel", &S::sonarLabel)
            .field("_bgSky", &S::_bgSky)
            .field("_bgSea", &S::_bgSea)
            .field("_bgMoon", &S::_bgMoon)
            .field("_skyTransition", &S::_skyTransition)
            .field("_seaTransition", &S::_seaTransition)
            .field("_timeOfDayTransition", &S::_timeOfDayTransition)
            .field("_state", &S::_state)
            .field("_overlay", &S::_overlay)
            .field("_currentTimeOfDay", &S::_currentTimeOfDay)
            .field("_font", &S::_font)
            .field("_largeFont", &S::_largeFont)
            .field("_labelStyle", &S::_labelStyle)
            .method("updateBackgroundTransition",
                    [](S& screen, MethodArgs args) -> ObjectRef {
                        screen.updateBackgroundTransition(args.empty() ? nullptr : args[0]);
                        return nullptr;
                    })
            .build();
    return type;
}

std::string GameplayScreen::levelId(std::int32_t level, std::int32_t stage) {
    return "depthrun.levels.level_" + std::to_string(level) + "_" + std::to_string(stage);
}

Ref<GameLevelResource> GameplayScreen::_currentLevel() const {
    return _sessionDb ? _sessionDb->getCurrentLevel<GameLevelResource>() : nullptr;
}

std::string GameplayScreen::formatScore(std::int32_t value, std::int32_t width) const {
    return game::formatScore(value, width);
}

Ref<platform::Image> GameplayScreen::_getImageResource(const std::string& id) const {
    return _resourcesDbService ? _resourcesDbService->getImage(id) : nullptr;
}

void GameplayScreen::loadResources() {
    _font = gameFont(9);
    _largeFont = gameFont(20);
    _labelStyle = std::make_shared<graphics::TextRenderStyle>();
    _labelStyle->setFontColor(255, 255, 255).setFont(_font).ignoreCamera(true);
    if (_sessionDb && _resourcesDbService) {
        _sessionDb->set("current_level", _resourcesDbService->get(levelId(1, 1), false));
    }
    _timer = CountdownTimer();
    if (_entityManager) {
        GameEntityFactory::setWorld(_entityManager->getWorld());
    }
}

void GameplayScreen::enter() {
    _sessionDb->resetGameplayState();
    _sessionDb->resetCurrentLevelState();
    if (_audioDb) {
        _audioDb->playMusic("depthrun.music.daytime");
    }

    // Backgrounds, with the incoming ones of a time-of-day change waiting unseen above them.
    const auto width = graphics::TarvexGfx::getGraphicsWidth();
    const auto height = graphics::TarvexGfx::getGraphicsHeight();
    const auto sky = _getImageResource("depthrun.backgrounds.day.sky");
    const auto sea = _getImageResource("depthrun.backgrounds.day.sea");
    _bgSky = graphics::ImageSprite::Create(sky, 0, 0);
    _bgSea = graphics::ImageSprite::Create(sea, 0, static_cast<std::int32_t>(SEA_SURFACE_Y));
    _skyTransition = graphics::ImageSprite::Create(sky, 0, 0);
    _seaTransition =
        graphics::ImageSprite::Create(sea, 0, static_cast<std::int32_t>(SEA_SURFACE_Y));
    _bgMoon = graphics::ImageSprite::Create(_getImageResource("depthrun.backgrounds.night.moon"),
                                            width - 32, 8);
    for (const auto& waiting : {_skyTransition, _seaTransition, _bgMoon}) {
        waiting->setBlendMode(platform::BLEND_ALPHA);
        waiting->SetAlpha(0);
        waiting->hide();
    }

    _renderService->add(std::make_shared<graphics::RenderGroup>(), "sprites");
    auto ui = std::make_shared<graphics::RenderGroup>();
    _renderService->add(ui, "ui");

    // Head-up display.
    scoreLabel = graphics::TextRenderRequest::Create("00000000\nScore", 2, 0, _labelStyle);
    scoreLabel->setWidth(60);
    scoreLabel->setWrap(true);
    hiScoreLabel = graphics::TextRenderRequest::Create("00000000\nHigh", 162, 0, _labelStyle);
    hiScoreLabel->setWidth(60);
    hiScoreLabel->setAlignment(graphics::TextRenderRequest::ALIGN_RIGHT);
    hiScoreLabel->setWrap(true);
    timerLabel = graphics::TextRenderRequest::Create("", 0, 0, _labelStyle);
    timerLabel->setWidth(static_cast<float>(width));
    timerLabel->setFont(_largeFont);
    timerLabel->setAlignment(graphics::TextRenderRequest::ALIGN_CENTER);
    chargesLabel =
        graphics::TextRenderRequest::Create("x Charges Left", 2, height - 10, _labelStyle);
    chargesLabel->setWidth(120);
    sonarLabel = graphics::TextRenderRequest::Create("x Sonars Remaining", width - 122, height - 10,
                                                     _labelStyle);
    sonarLabel->setWidth(120);
    sonarLabel->setAlignment(graphics::TextRenderRequest::ALIGN_RIGHT);
    for (const auto& label : {scoreLabel, hiScoreLabel, timerLabel, chargesLabel, sonarLabel}) {
        ui->add(label, "");
    }
    chargesLabel->hide();
    sonarLabel->hide();

    for (const auto& background : {_bgSky, _bgSea, _skyTransition, _seaTransition, _bgMoon}) {
        add(background, "");
    }

    _addSystems();
    _entityManager->initializeSystems();

    // The boat's sprite must exist before the first frame: the input system measures it.
    auto player = GameEntityFactory::createPlayer();
    if (auto* loader = dynamic_cast<ResourceLoaderSystem*>(
            _entityManager->getSystem("ResourceLoaderSystem"))) {
        loader->processEntity(*player);
    }
    _createClouds();

    enterState(STATE_LEVEL_START);
    _renderService->setCamera(graphics::RenderCamera::Create(width, height, 0, 0));
    const auto level = _currentLevel();
    // The first level starts on the day images without a transition.
    _currentTimeOfDay = level ? level->getTimeOfDay() : GameLevelResource::LEVEL_TYPE_SUNNY;
    _timer.set(level ? static_cast<float>(level->getTimeLimit()) * 1000 : 0);
    updateUi();
}

void GameplayScreen::_addSystems() {
    _entityManager->addSystem(std::make_shared<ResourceLoaderSystem>());
    _entityManager->addSystem(std::make_shared<ResourceSweeperSystem>());
    _entityManager->addSystem(std::make_shared<LabelLoaderSystem>());
    _entityManager->addSystem(std::make_shared<LabelSweeperSystem>());
    _entityManager->addSystem(std::make_shared<ParticleInitializerSystem>());
    _entityManager->addSystem(std::make_shared<ParticleSweeperSystem>());
    _entityManager->addSystem(std::make_shared<PlayerInputSystem>());
    _entityManager->addSystem(std::make_shared<PlayerDestroyedSystem>());
    _entityManager->addSystem(std::make_shared<BodyMovementSystem>());
    _entityManager->addSystem(std::make_shared<DamageTimerSystem>());
    _entityManager->addSystem(std::make_shared<SubmarineSpawnerSystem>());
    _entityManager->addSystem(std::make_shared<ChargeHitsFloorSystem>());
    _entityManager->addSystem(std::make_shared<ExplosionCollisionSystem>());
    _entityManager->addSystem(std::make_shared<MissileCollisionSystem>());
    _entityManager->addSystem(std::make_shared<SinkingSubmarineSystem>());
    _entityManager->addSystem(std::make_shared<SubmarineWrapperSystem>());
    _entityManager->addSystem(std::make_shared<SubmarineAiSystem>());
    _entityManager->addSystem(std::make_shared<PlayerFragmentSystem>());
    _entityManager->addSystem(std::make_shared<SonarWaveSystem>());
    _entityManager->addSystem(std::make_shared<SonarDetectionSystem>());
    _entityManager->addSystem(std::make_shared<FishSpawnerSystem>());
    _entityManager->addSystem(std::make_shared<FishMovementSystem>());
    _entityManager->addSystem(std::make_shared<CloudUpdaterSystem>());
    _entityManager->addSystem(std::make_shared<ScoreFlyoffSystem>());
    _entityManager->addSystem(std::make_shared<TextBodyMovementSystem>());
    _entityManager->addSystem(std::make_shared<PlaneSpawnerSystem>());
    _entityManager->addSystem(std::make_shared<PlaneAiSystem>());
    _entityManager->addSystem(std::make_shared<MineUpdaterSystem>());
    _entityManager->addSystem(std::make_shared<ParticleGeneratorSystem>());
    _entityManager->addSystem(std::make_shared<ChargeBubblesSystem>());
    _entityManager->addSystem(std::make_shared<SubmarineBubblesSystem>());
    _entityManager->addSystem(std::make_shared<EntityLifespanSystem>());
    _entityManager->addSystem(std::make_shared<PlayerHealthSystem>());
}

void GameplayScreen::_createClouds() {
    const auto width = static_cast<float>(graphics::TarvexGfx::getGraphicsWidth());
    for (int i = 1; i <= CLOUD_COUNT; ++i) {
        auto cloud = _entityManager->createEntity();
        cloud->setGroup("clouds");
        cloud->addComponent(std::make_shared<CloudComponent>());
        auto body = std::make_shared<BodyComponent>();
        body->sprite_name = "depthrun.backgrounds.day.clouds";
        body->x_pos = Random::real(0, 1) * width;
        body->y_pos = Random::real(0, 1) * CLOUD_BAND;
        body->x_velocity = -(Random::real(0, 1) * CLOUD_DRIFT);
        body->sprite_frame = Random::integer(0, CLOUD_FRAMES - 1);
        body->sprite_alpha = CLOUD_ALPHA;
        cloud->addComponent(body);
        cloud->refresh();
    }
}

void GameplayScreen::leave() {
    debugLog("LEAVING!");
    if (_entityManager) {
        _entityManager->clearEntities();
        _entityManager->getWorld()->loopStart();
        _entityManager->clearSystems();
    }
    if (_renderService) {
        _renderService->removeGroup("sprites");
        _renderService->removeGroup("ui");
    }
    if (_audioDb) {
        _audioDb->stopMusic();
    }
}

void GameplayScreen::handleInput() {
    // Every other key belongs to the entity systems.
    if (platform::keyboard().keyHit(platform::KEY_ESCAPE) != 0) {
        endProcess(0);
    }
}

void GameplayScreen::update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) {
    GameScreen::update(delta, otherScreenHasFocus, coveredByOtherScreen);
    updateTimer(delta);
    updateUi();
    switch (_state) {
    case STATE_LEVEL_START:
        updateLevelIntroState();
        break;
    case STATE_PLAYING:
        updatePlayState();
        break;
    case STATE_LEVEL_OVER:
        updateLevelOverState();
        break;
    case STATE_LEVEL_FAILED:
        updateLevelFailedState();
        break;
    default:
        break;
    }
}

void GameplayScreen::render(float delta) {
    platform::drawingLayer().cls();
    GameScreen::render(delta);
}

void GameplayScreen::updateTimer(float delta) {
    _timer.update(delta);
    // A local reference: the last tick drops the screen's own.
    if (const auto transition = _timeOfDayTransition) {
        transition->update(delta);
    }
}

void GameplayScreen::updateUi() {
    timerLabel->setText(std::to_string(_timer.getSeconds()));
    scoreLabel->setText(formatScore(_sessionDb->getScore(), SCORE_DIGITS) + "\nScore");
    hiScoreLabel->setText(formatScore(_sessionDb->getHighScore(), SCORE_DIGITS) + "\nHigh");
    const auto level = _currentLevel();
    if (!level) {
        return;
    }
    if (level->getTotalCharges() > 0) {
        const auto left = static_cast<std::uint8_t>(level->getTotalCharges() -
                                                    _sessionDb->getChargesDroppedThisLevel());
        chargesLabel->setText(left == 1 ? "1 Charge Left" : std::to_string(left) + " Charges Left");
    }
    if (level->getTotalSonars() > 0) {
        const auto left = static_cast<std::uint8_t>(level->getTotalSonars() -
                                                    _sessionDb->getSonarsUsedThisLevel());
        sonarLabel->setText(left == 1 ? "1 Sonar Remaining"
                                      : std::to_string(left) + " Sonars Remaining");
    }
}

bool GameplayScreen::victoryConditionsReached() const {
    const auto level = _currentLevel();
    if (!level) {
        return false;
    }
    return _sessionDb->getInt("current_level.destroyed_subs") >= level->getEnemiesToDestroy();
}

bool GameplayScreen::_chargesExhausted() const {
    const auto level = _currentLevel();
    if (!level || level->getTotalCharges() == 0 ||
        _sessionDb->getChargesDroppedThisLevel() < level->getTotalCharges()) {
        return false;
    }
    const auto* charges = _entityManager->getEntitiesWithComponentName("depth_charge");
    if (charges != nullptr && !charges->isEmpty()) {
        return false;
    }
    const auto* pieces = _entityManager->getEntitiesWithComponentName("explosion");
    for (std::int32_t i = 0; pieces != nullptr && i < pieces->getSize(); ++i) {
        const auto& piece = pieces->get(i);
        const auto* explosion = piece ? piece->getComponentAs<ExplosionComponent>() : nullptr;
        if (explosion != nullptr && explosion->damages_enemy) {
            return false;
        }
    }
    return true;
}

void GameplayScreen::removeOverlay() {
    _screenManager->removeScreen(_overlay);
}

void GameplayScreen::_stopPlay() {
    _timer.stop();
    for (const char* name : PLAY_SYSTEMS) {
        _entityManager->stopSystem(name);
    }
    if (Entity* player = _entityManager->getEntityByTag("player")) {
        if (auto* body = player->getComponentAs<BodyComponent>()) {
            body->stop();
        }
    }
}

void GameplayScreen::enterState(std::uint8_t state) {
    _state = state;
    switch (state) {
    case STATE_LEVEL_START:
        _entityManager->removeEntitiesInGroup("enemies");
        _entityManager->removeEntitiesInGroup("wildlife");
        _overlay = LevelIntroOverlay::Create(_currentLevel());
        _screenManager->addScreen(_overlay, 1);
        break;
    case STATE_PLAYING: {
        for (const char* name : PLAY_SYSTEMS) {
            _entityManager->startSystem(name);
        }
        _sessionDb->resetCurrentLevelState();
        updateUi();
        const auto level = _currentLevel();
        chargesLabel->setVisible(level && level->getTotalCharges() > 0);
        sonarLabel->setVisible(level && level->getTotalSonars() > 0);
        const std::uint8_t timeOfDay =
            level ? level->getTimeOfDay() : GameLevelResource::LEVEL_TYPE_SUNNY;
        if (_currentTimeOfDay != timeOfDay) {
            changeTimeOfDay();
        }
        _currentTimeOfDay = timeOfDay;
        _timer.set(level ? static_cast<float>(level->getTimeLimit()) * 1000 : 0);
        _timer.start();
        _entityManager->startSystem("FishSpawnerSystem");
        break;
    }
    case STATE_LEVEL_OVER:
        _stopPlay();
        _entityManager->removeEntitiesInGroup("missiles");
        _overlay = std::make_shared<LevelCompleteOverlay>();
        _screenManager->addScreen(_overlay, 1);
        break;
    case STATE_LEVEL_FAILED:
        _stopPlay();
        _overlay = std::make_shared<MissionFailedOverlay>();
        _screenManager->addScreen(_overlay, 1);
        break;
    default:
        break;
    }
}

void GameplayScreen::updateLevelIntroState() {
    if (_overlay && _overlay->isFinished()) {
        removeOverlay();
        enterState(STATE_PLAYING);
    }
}

void GameplayScreen::updatePlayState() {
    // Each test acts on its own: a level won and lost in the same frame ends failed.
    if (victoryConditionsReached()) {
        enterState(STATE_LEVEL_OVER);
    } else if (_chargesExhausted()) {
        enterState(STATE_LEVEL_FAILED);
    }
    if (_entityManager->getEntityByTag("player") == nullptr) {
        enterState(STATE_LEVEL_FAILED);
    }
    if (_timer.isExpired()) {
        enterState(STATE_LEVEL_FAILED);
    }
}

void GameplayScreen::updateLevelOverState() {
    if (!_overlay || !_overlay->isFinished()) {
        return;
    }
    removeOverlay();
    const auto current = _currentLevel();
    std::int32_t level = current ? current->getLevelNumber() : 1;
    std::int32_t stage = (current ? current->getStageNumber() : 0) + 1;
    if (stage > LAST_STAGE) {
        ++level;
        stage = 1;
    }
    auto next = std::dynamic_pointer_cast<GameLevelResource>(
        _resourcesDbService->get(levelId(level, stage), false));
    if (!next) {
        _sessionDb->setInt("player_won", 1);
        _screenManager->leaveAllScreens();
        _screenManager->addScreen(std::make_shared<GameOverScreen>(), 1);
        return;
    }
    _sessionDb->set("current_level", next);
    enterState(STATE_LEVEL_START);
}

void GameplayScreen::updateLevelFailedState() {
    if (_overlay && _overlay->isFinished()) {
        // A failed mission ends the game.
        _screenManager->leaveAllScreens();
        _screenManager->addScreen(std::make_shared<GameOverScreen>(), 1);
    }
}

void GameplayScreen::changeTimeOfDay() {
    const auto level = _currentLevel();
    const std::uint8_t timeOfDay =
        level ? level->getTimeOfDay() : GameLevelResource::LEVEL_TYPE_SUNNY;
    const TimeOfDayLook& look = lookOf(timeOfDay);
    _skyTransition->setImage(_getImageResource(look.sky), 0);
    _seaTransition->setImage(_getImageResource(look.sea), 0);
    if (_audioDb) {
        _audioDb->fadeMusicTo(look.musicVolume, MUSIC_CHANGE_MS);
        _audioDb->changeRateTo(look.musicRate, MUSIC_CHANGE_MS);
    }
    if (timeOfDay == GameLevelResource::LEVEL_TYPE_NIGHT) {
        _bgMoon->SetAlpha(0);
        _bgMoon->show();
    }
    for (const auto& incoming : {_skyTransition, _seaTransition}) {
        incoming->SetAlpha(0);
        incoming->show();
    }
    // Each cloud gets an unseen copy in the new colours that drifts with it and fades in.
    if (const Bag<Entity>* clouds = _entityManager->getEntitiesInGroup("clouds")) {
        // Copy first: the group's bag may grow while copies are being made.
        std::vector<Ref<Entity>> originals;
        for (std::int32_t i = 0; i < clouds->getSize(); ++i) {
            if (const auto& cloud = clouds->get(i)) {
                originals.push_back(cloud);
            }
        }
        for (const auto& cloud : originals) {
            const auto* body = cloud->getComponentAs<BodyComponent>();
            if (body == nullptr) {
                continue;
            }
            auto copy = _entityManager->createEntity();
            copy->setGroup("cloud_transitions");
            copy->addComponent(std::make_shared<CloudComponent>());
            auto copyBody = std::make_shared<BodyComponent>();
            copyBody->sprite_name = look.clouds;
            copyBody->x_pos = body->x_pos;
            copyBody->y_pos = body->y_pos;
            copyBody->x_velocity = body->x_velocity;
            copyBody->sprite_frame = body->sprite_frame;
            copyBody->sprite_alpha = 0;
            copy->addComponent(copyBody);
            copy->refresh();
        }
    }
    _timeOfDayTransition = SimpleTimer::Create(TRANSITION_TICK_MS, TRANSITION_TICK_LIMIT);
    _timeOfDayTransition->onTick(this, "updateBackgroundTransition");
    _timeOfDayTransition->start();
}

void GameplayScreen::updateBackgroundTransition(const ObjectRef& timer) {
    const float step = 1.0F / 29;
    const float cloudStep = CLOUD_ALPHA / 29;
    _skyTransition->SetAlpha(_skyTransition->getAlpha() + step);
    _seaTransition->SetAlpha(_seaTransition->getAlpha() + step);
    const auto level = _currentLevel();
    if (level && level->getTimeOfDay() == GameLevelResource::LEVEL_TYPE_NIGHT) {
        _bgMoon->SetAlpha(_bgMoon->getAlpha() + step);
    } else if (_bgMoon->isVisible()) {
        _bgMoon->SetAlpha(_bgMoon->getAlpha() - step);
    }
    _forEachCloudSprite("cloud_transitions", [cloudStep](graphics::ImageSprite& sprite) {
        sprite.SetAlpha(sprite.getAlpha() + cloudStep);
    });
    _forEachCloudSprite("clouds", [cloudStep](graphics::ImageSprite& sprite) {
        sprite.SetAlpha(sprite.getAlpha() - cloudStep);
    });
    if (_skyTransition->getAlpha() < 1.0F) {
        return;
    }
    debugLog("FINITO");
    if (auto* ticking = dynamic_cast<SimpleTimer*>(timer.get())) {
        ticking->stop();
    }
    if (_timeOfDayTransition) {
        _timeOfDayTransition->stop();
    }
    _timeOfDayTransition = nullptr;
    rebuildBackground();
    _skyTransition->hide();
    _seaTransition->hide();
    if (const Bag<Entity>* copies = _entityManager->getEntitiesInGroup("cloud_transitions")) {
        std::vector<Ref<Entity>> doomed;
        for (std::int32_t i = 0; i < copies->getSize(); ++i) {
            if (const auto& copy = copies->get(i)) {
                doomed.push_back(copy);
            }
        }
        for (const auto& copy : doomed) {
            _entityManager->getWorld()->deleteEntity(copy.get());
            copy->refresh();
        }
    }
}

void GameplayScreen::_forEachCloudSprite(std::string_view group,
                                         const std::function<void(graphics::ImageSprite&)>& act) {
    const Bag<Entity>* clouds = _entityManager->getEntitiesInGroup(group);
    if (clouds == nullptr) {
        return;
    }
    for (std::int32_t i = 0; i < clouds->getSize(); ++i) {
        const auto& cloud = clouds->get(i);
        const auto* body = cloud ? cloud->getComponentAs<BodyComponent>() : nullptr;
        if (body != nullptr && body->getSprite()) {
            act(*body->getSprite());
        }
    }
}

void GameplayScreen::rebuildBackground() {
    const auto level = _currentLevel();
    const std::uint8_t timeOfDay =
        level ? level->getTimeOfDay() : GameLevelResource::LEVEL_TYPE_SUNNY;
    const TimeOfDayLook& look = lookOf(timeOfDay);
    _bgSky->setImage(_getImageResource(look.sky), 0);
    _bgSea->setImage(_getImageResource(look.sea), 0);
    // The moon keeps whatever alpha the fade left it.
    _bgMoon->setVisible(timeOfDay != GameLevelResource::LEVEL_TYPE_SUNNY);
    const auto clouds = _getImageResource(look.clouds);
    if (const Bag<Entity>* bag = _entityManager->getEntitiesInGroup("clouds")) {
        for (std::int32_t i = 0; i < bag->getSize(); ++i) {
            const auto& cloud = bag->get(i);
            const auto* body = cloud ? cloud->getComponentAs<BodyComponent>() : nullptr;
            if (body != nullptr && body->getSprite()) {
                body->getSprite()->setImage(clouds, body->sprite_frame);
                body->getSprite()->SetAlpha(CLOUD_ALPHA);
            }
        }
    }
}

} // namespace tarvex::game

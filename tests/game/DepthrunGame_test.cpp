#include "GameFlowFixture.hpp"
#include "core/Random.hpp"
#include "entities/GroupManager.hpp"
#include "game/components/BodyComponent.hpp"
#include "platform/Input.hpp"

#include <sstream>

namespace tarvex::game {
namespace {

class DepthrunGameTest : public testing::GameFlowTest {
protected:
    // What a replay must reproduce: the clouds' random set-up and motion, the countdown, the
    // frame count and where the random sequence stands.
    std::string playAndDescribe() {
        startGame();
        runner->runFrames(90);
        std::ostringstream state;
        state << "frames " << runner->frames() << " timer " << gameplay()->getTimer().getTime();
        const auto* clouds = runner->game().getEntityService()->getEntitiesInGroup("clouds");
        for (std::int32_t i = 0; clouds != nullptr && i < clouds->getSize(); ++i) {
            const auto* body = clouds->get(i)->getComponentAs<BodyComponent>();
            state << " cloud " << body->x_pos << "," << body->y_pos << "," << body->x_velocity
                  << "," << body->sprite_frame;
        }
        state << " next " << Random::integer(0, 1'000'000);
        return state.str();
    }
};

TEST_F(DepthrunGameTest, SameSeedAndKeysGiveTheSameGame) {
    const std::string first = playAndDescribe();
    restart();
    const std::string second = playAndDescribe();
    EXPECT_EQ(first, second);
    EXPECT_NE(first.find("cloud"), std::string::npos) << first;
}

TEST_F(DepthrunGameTest, ServicesRunInTheStatedOrderWithTheRendererAtPriority200) {
    auto& game = runner->game();
    EXPECT_EQ(game.getRenderingService()->getPriority(), DepthrunGame::RENDERING_PRIORITY);
    EXPECT_EQ(game.getRenderingService()->getUpdatePriority(), 127)
        << "only the general priority is written";
    std::vector<std::string> order;
    const auto& services = game.getKernel().getServices();
    for (std::int32_t i = 0; i < services.getSize(); ++i) {
        order.push_back(services.get(i)->getType().getName());
    }
    EXPECT_EQ(order, (std::vector<std::string>{
                         "KernelInformationService", "ScreenManagerService", "ResourceService",
                         "SessionDbService", "SpriteRenderingService", "GameEntityService",
                         "AudioService", "ScreenEffectsService", "EventService"}));
    EXPECT_EQ(graphicsDriver->opened, 1);
    EXPECT_EQ(graphicsDriver->last.width, 448);
    EXPECT_EQ(graphicsDriver->last.height, 576);
}

} // namespace
} // namespace tarvex::game

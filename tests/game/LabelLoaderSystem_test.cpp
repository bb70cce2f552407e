#include "GameTestWorld.hpp"
#include "game/components/TextBodyComponent.hpp"
#include "game/components/TimedComponents.hpp"
#include "game/systems/LabelLoaderSystem.hpp"
#include "game/systems/LabelSweeperSystem.hpp"
#include "game/systems/ScoreFlyoffSystem.hpp"
#include "game/systems/TextBodyMovementSystem.hpp"
#include "platform/BuiltinFiles.hpp"
#include "platform/DrawingLayer.hpp"

namespace tarvex::game {
namespace {

class LabelLoaderSystemTest : public testing::GameWorldTest {
protected:
    LabelLoaderSystemTest() {
        platform::registerBuiltinFiles();
        addSystem<LabelLoaderSystem>();
        addSystem<LabelSweeperSystem>();
        addSystem<ScoreFlyoffSystem>();
        addSystem<TextBodyMovementSystem>();
    }

    // A fly-off as the scoring code makes it: rising at 10 units a second, slowing by 5.
    Ref<TextBodyComponent> addText(const std::string& text, bool flyoff,
                                   Ref<Entity>* entityOut = nullptr) {
        auto entity = world.createEntity();
        auto body = std::make_shared<TextBodyComponent>();
        body->text = text;
        body->x_pos = 70.9F;
        body->y_pos = 200.7F;
        body->text_r = 128;
        body->y_velocity = -10;
        body->y_acceleration = 5;
        entity->addComponent(body);
        if (flyoff) {
            entity->addComponent(std::make_shared<ScoreFlyoffComponent>());
        }
        entity->refresh();
        if (entityOut != nullptr) {
            *entityOut = entity;
        }
        return body;
    }
};

TEST_F(LabelLoaderSystemTest, NewTextBodyGetsItsLabelAtItsWholePosition) {
    auto body = addText("100 x 1.5", false);
    EXPECT_FALSE(body->getLabel());
    world.execute(0);
    const auto& label = body->getLabel();
    ASSERT_TRUE(label);
    EXPECT_EQ(label->getText(), "100 x 1.5");
    EXPECT_FLOAT_EQ(label->getX(), 70);
    EXPECT_FLOAT_EQ(label->getY(), 200);
    EXPECT_FLOAT_EQ(label->getWidth(), 60);
    EXPECT_FALSE(label->isWrapping());
    EXPECT_EQ(label->getAlignment(), graphics::TextRenderRequest::ALIGN_CENTER);
    EXPECT_EQ(label->getBlendMode(), platform::BLEND_ALPHA);
    EXPECT_FLOAT_EQ(label->getAlpha(), 1.0F);
    ASSERT_TRUE(label->getFont());
    EXPECT_EQ(body->getHeight(), label->getFont()->height());
}

TEST_F(LabelLoaderSystemTest, TextAlphaSetsTheLabelsExceptZeroWhichLeavesItOpaque) {
    auto faint = addText("faint", false);
    faint->text_alpha = 0.25F;
    faint->text_alignment = graphics::TextRenderRequest::ALIGN_RIGHT;
    auto zero = addText("zero", false);
    zero->text_alpha = 0;
    world.execute(0);
    EXPECT_FLOAT_EQ(faint->getLabel()->getAlpha(), 0.25F);
    EXPECT_EQ(faint->getLabel()->getAlignment(), graphics::TextRenderRequest::ALIGN_RIGHT);
    EXPECT_FLOAT_EQ(zero->getLabel()->getAlpha(), 1.0F);
}

TEST_F(LabelLoaderSystemTest, EmptyTextNeverGetsALabelEvenWhenTextComesLater) {
    Ref<Entity> entity;
    auto body = addText("", false, &entity);
    world.execute(16);
    EXPECT_FALSE(body->getLabel());
    body->setText("later");
    entity->refresh();
    world.execute(16);
    EXPECT_FALSE(body->getLabel());
    EXPECT_FLOAT_EQ(body->y_pos, 200.7F) << "a text body without a label does not move";
}

TEST_F(LabelLoaderSystemTest, LabelMovesWithItsBody) {
    auto body = addText("+", false);
    body->x_velocity = 20;
    body->x_drag = 10;
    world.execute(0); // the label appears
    world.execute(1000);
    // y: velocity -10 + 5 = -5 after the second, so 5 units up; x: 20 - 10 = 10 units right.
    EXPECT_FLOAT_EQ(body->y_velocity, -5);
    EXPECT_FLOAT_EQ(body->y_pos, 195.7F);
    EXPECT_FLOAT_EQ(body->x_pos, 80.9F);
    EXPECT_FLOAT_EQ(body->getLabel()->getY(), 195);
    EXPECT_FLOAT_EQ(body->getLabel()->getX(), 80);
}

TEST_F(LabelLoaderSystemTest, DeletedTextBodyLosesItsLabel) {
    Ref<Entity> entity;
    auto body = addText("gone", false, &entity);
    world.execute(16);
    ASSERT_TRUE(body->getLabel());
    world.deleteEntity(entity.get());
    world.execute(16);
    EXPECT_FALSE(body->getLabel());
    EXPECT_FALSE(entity->isActive());
}

using ScoreFlyoffSystemTest = LabelLoaderSystemTest;

TEST_F(ScoreFlyoffSystemTest, RisesFadesAndIsDeletedInItsHundredAndFirstFrame) {
    Ref<Entity> entity;
    auto body = addText("100", true, &entity);
    world.execute(16); // label made, then the first fade and move
    ASSERT_TRUE(body->getLabel());
    auto label = body->getLabel();
    EXPECT_FLOAT_EQ(label->getAlpha(), 0.99F);
    float lastY = body->y_pos;
    EXPECT_LT(lastY, 200.7F);
    for (int frame = 2; frame <= 100; ++frame) {
        world.execute(16);
        ASSERT_TRUE(entity->isActive()) << "frame " << frame;
        EXPECT_LT(body->y_pos, lastY) << "still rising in frame " << frame;
        lastY = body->y_pos;
    }
    EXPECT_GT(label->getAlpha(), 0) << "a remainder after 100 single-precision steps";
    world.execute(16); // the 101st: faded, deleted and refreshed
    EXPECT_LE(label->getAlpha(), 0);
    world.execute(16);
    EXPECT_FALSE(entity->isActive());
    EXPECT_FALSE(body->getLabel()) << "swept";
}

} // namespace
} // namespace tarvex::game

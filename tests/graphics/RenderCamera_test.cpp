#include "graphics/RenderCamera.hpp"
#include "graphics/TextRenderRequest.hpp"

#include <gtest/gtest.h>

namespace tarvex::graphics {
namespace {

Ref<TextRenderRequest> spriteAt(float x, float y) {
    auto sprite = std::make_shared<TextRenderRequest>();
    sprite->setPosition(x, y);
    return sprite;
}

TEST(RenderCamera, JumpToTargetKeepsTheViewInsideTheBounds) {
    auto camera = RenderCamera::Create(100, 80, 0, 0);
    camera->setBounds(0, 0, 400, 300);
    camera->setTarget(spriteAt(10, 10), true);
    EXPECT_EQ(camera->getX(), 0) << "clamped at the left bound";
    EXPECT_EQ(camera->getY(), 0);
    camera->setTarget(spriteAt(395, 290), true);
    // right edge: bounds x + width - half the view width.
    EXPECT_EQ(camera->getX(), 400 - 50);
    EXPECT_EQ(camera->getY(), 300 - 40);
    camera->setTarget(spriteAt(200, 150), true);
    EXPECT_EQ(camera->getX(), 200 - 25);
    EXPECT_EQ(camera->getY(), 150 - 20);
    EXPECT_TRUE(camera->isInLeftBounds());
    EXPECT_TRUE(camera->isInRightBounds());
}

TEST(RenderCamera, NullTargetIsIgnoredAndTargetPositionIsRelative) {
    auto camera = RenderCamera::Create(224, 288, 5, 7);
    EXPECT_EQ(camera->getTargetPosition(), nullptr);
    camera->setTarget(nullptr, true);
    EXPECT_FALSE(camera->hasTarget());
    camera->setTarget(spriteAt(20, 30), false);
    EXPECT_EQ(camera->getX(), 5) << "no jump asked for";
    const auto relative = camera->getTargetPosition();
    ASSERT_NE(relative, nullptr);
    EXPECT_TRUE(relative->equals(15, 23));
}

TEST(RenderCamera, BehaviourFollowsWithoutClampingAndRemembersThePreviousPosition) {
    auto camera = RenderCamera::Create(100, 80, 0, 0);
    camera->setBounds(0, 0, 100, 80);
    auto target = spriteAt(500, 500);
    camera->setTarget(target, false);
    camera->update(16);
    EXPECT_EQ(camera->getX(), 475);
    EXPECT_EQ(camera->getY(), 480);
    EXPECT_TRUE(camera->getPreviousPosition().equals(0, 0));
}

TEST(Position2D, TwoArgumentSetterTruncatesYAndTextsReadAsDocumented) {
    Position2D p;
    p.setPosition(10.5F, static_cast<std::int32_t>(20.7F));
    EXPECT_TRUE(p.equals(10.5F, 20));
    p.setPositionY(20.7F);
    EXPECT_FLOAT_EQ(p.getY(), 20.7F);
    EXPECT_TRUE(p.inRectangle(10.5F, 20.7F, 0, 0)) << "edges are inside";
    Position2D q(3, 4);
    EXPECT_FLOAT_EQ(q.getMagnitude(), 5);
    EXPECT_EQ(Position2D(0, 1).getRotation(), 90);
    q.normalize();
    EXPECT_FLOAT_EQ(q.getX(), 0.6F);
    EXPECT_EQ(Position2D(1.5F, 2).ToString(), "POSITION2D[1.5, 2]");
    EXPECT_EQ(Rectangle2D::Create(1, 2.9F, 3, 4)->ToString(), "Rectangle2D: [1, 2] to [4, 6]");
}

TEST(AbstractSpriteRequest, SetPositionDropsTheFractionOfYOnly) {
    auto sprite = spriteAt(10.5F, 20.7F);
    EXPECT_FLOAT_EQ(sprite->getX(), 10.5F);
    EXPECT_FLOAT_EQ(sprite->getY(), 20.0F);
    sprite->setPositionY(20.7F);
    EXPECT_FLOAT_EQ(sprite->getY(), 20.7F);
    sprite->update(16);
    EXPECT_FLOAT_EQ(sprite->getPreviousPosition().getY(), 20.0F)
        << "the previous position passes through an integer too";
}

TEST(AbstractSpriteRequest, ColoursFromNumbersAndHexTextAndResetAppearance) {
    auto sprite = std::make_shared<TextRenderRequest>();
    sprite->setColorRGB(18, 52, 86);
    EXPECT_EQ(sprite->getColor(), 18 * 65536 + 52 * 256 + 86);
    sprite->setColorHex("#FF8040");
    EXPECT_EQ(sprite->getColor(), 0xFF8040);
    sprite->setColorHex("F80");
    EXPECT_EQ(sprite->getColor(), 0xFFFFFF);
    sprite->setBlendMode(4).SetScale(2, 3).SetAlpha(0.5F);
    sprite->SetHandle(4, 5);
    sprite->resetAppearance();
    EXPECT_EQ(sprite->getColor(), AbstractSpriteRequest::WHITE);
    EXPECT_EQ(sprite->gXScale(), 1);
    EXPECT_EQ(sprite->getAlpha(), 1);
    EXPECT_EQ(sprite->getBlendMode(), 4) << "blend mode is kept";
}

} // namespace
} // namespace tarvex::graphics

#include "core/Error.hpp"
#include "graphics/RectangleRenderRequest.hpp"
#include "graphics/SpriteBehaviourService.hpp"

#include <gtest/gtest.h>

namespace tarvex::graphics {
namespace {

Ref<RectangleRenderRequest> boxAt(float x, float y) {
    return RectangleRenderRequest::Create(x, y, 4, 4);
}

int runUntilDone(SpriteBehaviourService& service, int limit = 1000) {
    int updates = 0;
    while (service.countBehaviours() > 0 && updates < limit) {
        service.update(16);
        ++updates;
    }
    return updates;
}

TEST(SpriteBehaviour, MoveStepsOnePerUpdateAndHidesOnFinishWhenAsked) {
    SpriteBehaviourService service;
    auto box = boxAt(0, 0);
    auto move = MoveSpriteBehaviour::Create(box, 10, 5, 0.01F); // 10 steps
    move->hideOnFinish();
    service.add(move);
    EXPECT_EQ(runUntilDone(service), 10);
    EXPECT_NEAR(box->getX(), 10, 1e-4);
    EXPECT_NEAR(box->getY(), 5, 1e-4);
    EXPECT_FALSE(box->isVisible());
}

TEST(SpriteBehaviour, PhysicsMoveAddsGravityEachUpdateUntilTheDurationPasses) {
    SpriteBehaviourService service;
    auto box = boxAt(0, 0);
    service.add(PhysicsMoveSpriteBehaviour::Create(box, 1, -2, 40, 1));
    EXPECT_EQ(runUntilDone(service), 3) << "finished once more than 40 ms have passed";
    EXPECT_FLOAT_EQ(box->getX(), 3);
    EXPECT_FLOAT_EQ(box->getY(), -1 + 0 + 1);
}

TEST(SpriteBehaviour, PixelMoveCountsUpdatesAndAZeroDurationStillEnds) {
    SpriteBehaviourService service;
    auto box = boxAt(0, 0);
    auto pixel = PixelMoveSpriteBehaviour::Create(box, 0, 0, 4, 1);
    pixel->setSpeed(2, 1);
    service.add(pixel);
    EXPECT_EQ(runUntilDone(service), 4);
    EXPECT_FLOAT_EQ(box->getX(), 8);
    service.add(PixelMoveSpriteBehaviour::Create(box, 0, 0, 0, 1));
    EXPECT_EQ(runUntilDone(service), 1);
}

TEST(SpriteBehaviour, ParallelEndsOnlyAfterAllChildrenHadFinished) {
    SpriteBehaviourService service;
    auto box = boxAt(0, 0);
    auto both = ParallelSpriteBehaviour::Create();
    both->Add(PixelMoveSpriteBehaviour::Create(box, 0, 0, 1, 1));
    both->Add(PixelMoveSpriteBehaviour::Create(box, 0, 0, 3, 1));
    service.add(both);
    // Children end after 1 and 3 updates; the pass after that sees them all finished.
    EXPECT_EQ(runUntilDone(service), 4);
}

TEST(SpriteBehaviour, SequenceRunsChildrenInTurnAndRepeatsUpToTheLimit) {
    SpriteBehaviourService service;
    auto box = boxAt(0, 0);
    auto sequence = SequentialSpriteBehaviour::Create(1);
    auto right = PixelMoveSpriteBehaviour::Create(box, 0, 0, 2, 1);
    right->setSpeed(1, 0);
    auto down = PixelMoveSpriteBehaviour::Create(box, 0, 0, 1, 1);
    down->setSpeed(0, 1);
    sequence->Add(right).Add(down);
    service.add(sequence);
    service.update(16);
    service.update(16);
    EXPECT_FLOAT_EQ(box->getX(), 2);
    EXPECT_FLOAT_EQ(box->getY(), 0);
    service.update(16);
    EXPECT_FLOAT_EQ(box->getY(), 1);
    // The repeat starts over with children that stay finished: each takes one more update.
    EXPECT_EQ(runUntilDone(service), 2);
}

TEST(SpriteBehaviour, TransitionsAreChosenByTypeAndUnsetOnesRaise) {
    auto pixel = PixelMoveSpriteBehaviour::Create(nullptr, 0, 0, 1, 2);
    EXPECT_FLOAT_EQ(pixel->transition(3, 1, 2, 0), 1 + 2 * 9);
    pixel->setTransition(1);
    EXPECT_FLOAT_EQ(pixel->transition(3, 1, 2, 0), 7);
    pixel->setTransition(AbstractSpriteBehaviour::TRANSITION_EASE_OUT);
    EXPECT_FLOAT_EQ(pixel->transition(3, 1, 2, 0), 7) << "no function for ease-out: kept";
    EXPECT_THROW((void)MoveSpriteBehaviour().transition(0, 0, 0, 0), Error);
}

} // namespace
} // namespace tarvex::graphics

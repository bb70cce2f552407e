#include "RenderProbe.hpp"
#include "core/Error.hpp"
#include "graphics/RenderGroup.hpp"
#include "graphics/RenderQueue.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "graphics/TextRenderRequest.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex::graphics {
namespace {

using testing::RenderProbe;
using Log = std::vector<std::string>;

TEST(RenderQueue, DrawsTopLevelRequestsAndGroupItemsInInsertionOrder) {
    Log log;
    RenderQueue queue;
    auto sprites = std::make_shared<RenderGroup>();
    auto ui = std::make_shared<RenderGroup>();
    sprites->add(std::make_shared<RenderProbe>(log, "boat"), "");
    sprites->add(std::make_shared<RenderProbe>(log, "sub"), "");
    ui->add(std::make_shared<RenderProbe>(log, "score"), "");
    // z-indexes do not matter unless someone sorts.
    sprites->getItems()[0]->setZIndex(9);
    queue.add(sprites, "sprites");
    queue.add(ui, "ui");
    queue.render(16, 0);
    EXPECT_EQ(log, (Log{"boat.render", "sub.render", "score.render"}));
}

TEST(RenderQueue, HiddenRequestsAreUpdatedButNotDrawn) {
    Log log;
    RenderQueue queue;
    auto group = std::make_shared<RenderGroup>();
    auto hidden = std::make_shared<RenderProbe>(log, "hidden");
    hidden->hide();
    group->add(hidden, "");
    group->add(std::make_shared<RenderProbe>(log, "shown"), "");
    auto hiddenTop = std::make_shared<RenderProbe>(log, "top");
    hiddenTop->setIdentifier("top");
    hiddenTop->hide();
    queue.add(group, "");
    queue.add(hiddenTop, "");
    ::tarvex::testing::DebugLogCapture capture;
    queue.update(16);
    queue.render(16, 0);
    EXPECT_EQ(log, (Log{"hidden.update", "shown.update", "top.update", "shown.render"}));
    EXPECT_TRUE(capture.contains("top is invisble"));
}

TEST(RenderQueue, RemovingKeepsTheOthersInTheirOrder) {
    Log log;
    RenderQueue queue;
    std::vector<Ref<RenderProbe>> probes;
    for (const char* name : {"a", "b", "c", "d"}) {
        probes.push_back(std::make_shared<RenderProbe>(log, name));
        queue.add(probes.back(), "");
    }
    queue.remove(probes[1], 1);
    queue.render(16, 0);
    // "d" must not jump into "b"'s place under "c".
    EXPECT_EQ(log, (Log{"b.removed", "a.render", "c.render", "d.render"}));
}

TEST(RenderQueue, RemoveNotifiesButRemoveGroupAndClearDoNot) {
    Log log;
    RenderQueue queue;
    auto group = std::make_shared<RenderGroup>();
    group->add(std::make_shared<RenderProbe>(log, "item"), "");
    queue.add(group, "sprites");
    queue.removeGroup("sprites");
    EXPECT_EQ(queue.getRequest("sprites"), nullptr);
    EXPECT_EQ(queue.countItems(), 0);
    EXPECT_TRUE(log.empty()) << "removeGroup does not notify";

    queue.add(group, "sprites");
    queue.clear(0);
    EXPECT_EQ(queue.getRequest("sprites"), group) << "clear keeps the lookup";
    EXPECT_TRUE(log.empty());

    queue.add(group, "");
    queue.remove(group, 1);
    EXPECT_EQ(log, (Log{"item.removed"})) << "a removed group clears and notifies its items";
    EXPECT_EQ(group->countItems(), 0);
    EXPECT_EQ(queue.getRequest("sprites"), group) << "remove keeps the lookup";
}

TEST(RenderQueue, ASecondRequestOfTheSameNameReplacesTheLookupAndBothAreDrawn) {
    Log log;
    RenderQueue queue;
    auto first = std::make_shared<RenderProbe>(log, "first");
    auto second = std::make_shared<RenderProbe>(log, "second");
    queue.add(first, "hud");
    queue.add(second, "hud");
    EXPECT_EQ(queue.getRequest("hud"), second);
    EXPECT_EQ(queue.getRequest("never"), nullptr);
    EXPECT_EQ(queue.add(nullptr, "x"), nullptr);
    queue.render(16, 0);
    EXPECT_EQ(log, (Log{"first.render", "second.render"}));
}

TEST(RenderQueue, CountsGroupItemsRecursivelyAndTracesEachLevel) {
    Log log;
    RenderQueue queue;
    auto group = std::make_shared<RenderGroup>();
    for (int i = 0; i < 3; ++i) {
        group->add(std::make_shared<TextRenderRequest>(), "");
    }
    group->setIdentifier("sprites");
    queue.add(group, "sprites");
    queue.add(std::make_shared<TextRenderRequest>(), "");
    EXPECT_EQ(queue.countItems(), 4);
    EXPECT_EQ(queue.trace(), "RenderQueue.trace {\n"
                             "RenderGroup.trace [sprites] {\n"
                             "    TextRenderRequest\n    TextRenderRequest\n    TextRenderRequest\n"
                             "}\n\n"
                             "    TextRenderRequest\n"
                             "}");
}

TEST(RenderQueue, UpdatesTheCameraBeforeAndAfterTheRequestsAndPassesItToRender) {
    Log log;
    RenderQueue queue;
    auto camera = RenderCamera::Create(224, 288, 3, -2);
    auto target = std::make_shared<TextRenderRequest>();
    target->setPosition(100, 100);
    camera->setTarget(target, false);
    queue.setCamera(camera);
    auto probe = std::make_shared<RenderProbe>(log, "p");
    queue.add(probe, "");
    queue.update(16);
    // The default behaviour puts the target a quarter of the view in from the top-left.
    EXPECT_EQ(camera->getX(), 100 - 224 / 4);
    EXPECT_EQ(camera->getY(), 100 - 288 / 4);
    queue.render(16, 0);
    EXPECT_EQ(probe->lastCamera, camera.get());
    EXPECT_EQ(probe->lastIgnoreCamera, 0);
}

TEST(RenderQueue, SortOrdersByZIndexOnlyWhenAsked) {
    Log log;
    RenderQueue queue;
    auto high = std::make_shared<RenderProbe>(log, "high");
    high->setZIndex(5);
    auto low = std::make_shared<RenderProbe>(log, "low");
    low->setZIndex(2);
    queue.add(high, "");
    queue.add(low, "");
    queue.sort(1);
    queue.render(16, 0);
    queue.sort(0);
    queue.render(16, 0);
    EXPECT_EQ(log, (Log{"low.render", "high.render", "high.render", "low.render"}));
}

TEST(RenderGroup, RejectsANullRequestWithItsName) {
    RenderGroup group;
    try {
        group.add(nullptr, "boat");
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Cannot add item \"boat\" to group - null request");
    }
}

TEST(RenderGroup, NamedItemsTakeTheNameAsIdentifierAndRemovalByNameNotifies) {
    Log log;
    RenderGroup group;
    auto item = std::make_shared<RenderProbe>(log, "item");
    group.add(item, "score");
    EXPECT_EQ(item->getIndentifier(), "score");
    EXPECT_EQ(group.get("score"), item);
    group.removeByName("score");
    EXPECT_EQ(log, (Log{"item.removed"}));
    EXPECT_EQ(group.countItems(), 0);
    EXPECT_EQ(group.getX(), 0);
}

TEST(RenderGroup, ClippedGroupMovesItsBoxAndItsItems) {
    auto group = ClippedRenderGroup::Create(10, 20.9F, 50, 40);
    auto text = std::make_shared<TextRenderRequest>();
    text->setPosition(1, 1);
    group->add(text, "");
    EXPECT_EQ(group->getX(), 10);
    EXPECT_EQ(group->getY(), 20);
    group->move(5, 5);
    EXPECT_EQ(group->getX(), 15);
    EXPECT_EQ(text->getX(), 6);
}

TEST(SpriteRenderingService, NamesRequestsAndAnswersOnlyGroupsAsGroups) {
    SpriteRenderingService service;
    auto group = std::make_shared<RenderGroup>();
    auto text = std::make_shared<TextRenderRequest>();
    text->setIdentifier("old");
    service.add(group, "sprites");
    service.add(text, "");
    EXPECT_EQ(group->getIndentifier(), "sprites");
    EXPECT_EQ(text->getIndentifier(), "") << "an empty name also replaces the identifier";
    EXPECT_EQ(service.getGroup("sprites"), group);
    service.add(std::make_shared<TextRenderRequest>(), "label");
    EXPECT_EQ(service.getGroup("label"), nullptr);
    service.setCamera(RenderCamera::Create(224, 288, 0, 0));
    service.setCameraPosition(3.9F, -2.9F);
    EXPECT_EQ(service.getCamera()->getX(), 3);
    EXPECT_EQ(service.getCamera()->getY(), -2);
}

TEST(SpriteRenderingService, DeclaresRenderAndUpdate) {
    EXPECT_EQ(SpriteRenderingService::staticType().getMetadata("implements"), "render, update");
}

} // namespace
} // namespace tarvex::graphics

// The console in the kernel: its priorities, the commands it finds by reflection and the
// services injected into them.
#include "ConsoleTestTypes.hpp"
#include "console/DebugConsoleService.hpp"
#include "core/Error.hpp"
#include "platform/Input.hpp"

#include <gtest/gtest.h>

namespace tarvex::testing {
namespace {

Ref<DebugConsoleService> makeService() {
    registerConsoleTestTypes();
    return DebugConsoleService::Create(
        platform::Image::fromPixmap(platform::Pixmap(100, 50, platform::rgba(1, 2, 3))),
        "incbin::small-font.ttf", 20);
}

TEST(DebugConsoleService, UpdatesFirstAndDrawsLast) {
    const auto service = makeService();
    EXPECT_EQ(service->getPriority(), 5);
    EXPECT_EQ(service->getUpdatePriority(), 1);
    EXPECT_EQ(service->getRenderPriority(), 255);
    EXPECT_TRUE(GameKernel::serviceImplements(*service, "update"));
    EXPECT_TRUE(GameKernel::serviceImplements(*service, "render"));
    ASSERT_NE(service->getConsole(), nullptr);
}

TEST(DebugConsoleService, AddingACommandOutsideAKernelRaises) {
    const auto service = makeService();
    try {
        service->addCommand(std::make_shared<SpawnCommand>());
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Console has not been added to kernel");
    }
}

TEST(DebugConsoleService, StartFindsEveryCommandClassAndInjectsItsServices) {
    const auto service = makeService();
    auto kernel = std::make_shared<GameKernel>();
    kernel->addService(nullptr, service);
    kernel->start();
    const auto& console = *service->getConsole();
    EXPECT_TRUE(console.hasCommand("spawn"));
    const auto help = std::dynamic_pointer_cast<HelpCommand>(console.getCommand("help"));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->kernelInfo(), kernel->getService<KernelInformationService>());
    EXPECT_EQ(help->getParentConsole(), service->getConsole().get());

    kernel->stopService(&DebugConsoleService::staticType());
    EXPECT_NO_THROW(kernel->startService(&DebugConsoleService::staticType()))
        << "starting again must not add the commands twice";
}

TEST(DebugConsoleService, KernelFramesDriveTheConsole) {
    const auto service = makeService();
    auto kernel = std::make_shared<GameKernel>();
    kernel->addService(nullptr, service);
    kernel->start();
    platform::keyboard().flush();
    // The key goes down through the keyboard feed; a kernel frame sees it.
    platform::deliverKeyDown(DebugConsole::KEY_GRAVE);
    kernel->update(16.0F);
    EXPECT_EQ(service->getConsole()->getState(), DebugConsole::STATE_APPEARING);
    for (int i = 0; i < 10; ++i) { // 50 pixels at 5 a frame
        kernel->update(16.0F);
    }
    EXPECT_EQ(service->getConsole()->getY(), 0);
    EXPECT_EQ(service->getConsole()->getState(), DebugConsole::STATE_ACTIVE);
    kernel->render(16.0F); // no context attached: draws are dropped, nothing fails
    platform::keyboard().flush();
}

TEST(DebugConsoleService, WithoutABackgroundThereIsNoConsoleAndNothingHappens) {
    registerConsoleTestTypes();
    const auto service = DebugConsoleService::Create(nullptr, "incbin::small-font.ttf", 20);
    EXPECT_EQ(service->getConsole(), nullptr);
    auto kernel = std::make_shared<GameKernel>();
    kernel->addService(nullptr, service);
    EXPECT_NO_THROW(kernel->start());
    EXPECT_NO_THROW(kernel->update(16.0F));
    EXPECT_NO_THROW(kernel->render(16.0F));
}

} // namespace
} // namespace tarvex::testing

// Hosts one DebugConsole in the kernel: updates it early in the frame and draws it after
// everything else. When started it creates one object of every registered class derived
// from ConsoleCommand, injects the services the command asks for and adds it to the console.
//
//     auto service = DebugConsoleService::Create(background, "incbin::small-font.ttf", 20);
//     kernel->addService(nullptr, service);   // injects _kernelInfo
//     kernel->start();                        // adds every command class
//
// The game does not add one; it is a tool for development.
#pragma once

#include "console/DebugConsole.hpp"
#include "kernel/GameKernel.hpp"

namespace tarvex {

class DebugConsoleService : public GameService {
    TARVEX_OBJECT(DebugConsoleService, GameService)
public:
    DebugConsoleService();

    // Priority 5, update priority 1, render priority 255. A null background gives a service
    // without a console, which does nothing.
    [[nodiscard]] static Ref<DebugConsoleService> Create(const Ref<platform::Image>& background,
                                                         const std::string& fontName,
                                                         std::int32_t fontSize);

    // Starts the service and, the first time, adds every command class.
    void start() override;
    void _autoloadConsole();
    // Raises "Console has not been added to kernel" before the service is in a kernel;
    // injects the command's services, then adds it to the console.
    bool addCommand(const Ref<ConsoleCommand>& command);
    void update(float delta) override;
    void render(float delta) override;

    [[nodiscard]] const Ref<DebugConsole>& getConsole() const { return _console; }

private:
    Ref<DebugConsole> _console;
    Ref<KernelInformationService> _kernelInfo;
    bool _autoloaded = false;
};

} // namespace tarvex

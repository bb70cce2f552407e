// Command classes for the console tests, and a scripted keyboard driving a console frame by
// frame.
#pragma once

#include "console/DebugConsole.hpp"
#include "kernel/GameKernel.hpp"
#include "platform/VirtualLoopPlatform.hpp"

#include <memory>
#include <vector>

namespace tarvex::testing {

// Records the arguments of every call.
class SpawnCommand : public ConsoleCommand {
    TARVEX_OBJECT(SpawnCommand, ConsoleCommand)
public:
    SpawnCommand() { Name = "spawn"; }
    void Execute(const ConsoleArgs& args) override { calls.push_back(args); }
    std::vector<ConsoleArgs> calls;
};

// Answers with a line naming the services it was given.
class HelpCommand : public ConsoleCommand {
    TARVEX_OBJECT(HelpCommand, ConsoleCommand)
public:
    HelpCommand() { Name = "Help"; }
    void Execute(const ConsoleArgs& args) override;
    [[nodiscard]] const Ref<KernelInformationService>& kernelInfo() const { return _kernelInfo; }

private:
    Ref<KernelInformationService> _kernelInfo; // injectable
};

// Registers the console classes and the commands above, once.
void registerConsoleTestTypes();

// Delivers scripted input, then runs one console update, per 17 ms frame.
class ScriptedFrames {
public:
    explicit ScriptedFrames(IConsole& console);
    ~ScriptedFrames();
    ScriptedFrames(const ScriptedFrames&) = delete;
    ScriptedFrames& operator=(const ScriptedFrames&) = delete;

    // Scripted at the start of the next frame.
    void tap(int key);
    void type(const std::string& text);
    void run(int frames = 1);

private:
    IConsole& _console;
    platform::VirtualLoopPlatform _platform;
};

} // namespace tarvex::testing

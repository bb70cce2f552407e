#include "ConsoleTestTypes.hpp"

#include "console/ConsoleTypes.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "platform/BuiltinFiles.hpp"
#include "platform/Input.hpp"

namespace tarvex::testing {

const Type& SpawnCommand::staticType() {
    static const Type& type = TypeBuilder<SpawnCommand>("SpawnCommand").build();
    return type;
}

const Type& HelpCommand::staticType() {
    static const Type& type =
        TypeBuilder<HelpCommand>("HelpCommand")
            .field("_kernelInfo", &HelpCommand::_kernelInfo, {{"injectable", "1"}})
            .build();
    return type;
}

void HelpCommand::Execute(const ConsoleArgs& args) {
    WriteLine("help for " + std::to_string(args.size() - 1) + " topics");
}

void registerConsoleTestTypes() {
    registerConsoleTypes();
    platform::registerBuiltinFiles();
    TypeRegistry::instance().add<SpawnCommand, HelpCommand>();
}

ScriptedFrames::ScriptedFrames(IConsole& console) : _console(console) {
    platform::keyboard().flush();
}

ScriptedFrames::~ScriptedFrames() {
    platform::keyboard().flush();
}

void ScriptedFrames::tap(int key) {
    _platform.tapKey(_platform.milliseconds() + 1, key);
}

void ScriptedFrames::type(const std::string& text) {
    _platform.typeText(_platform.milliseconds() + 1, text);
}

void ScriptedFrames::run(int frames) {
    for (int i = 0; i < frames; ++i) {
        _platform.advance(17);
        _console.update();
    }
}

} // namespace tarvex::testing

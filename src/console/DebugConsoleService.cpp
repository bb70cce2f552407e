#include "console/DebugConsoleService.hpp"

#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"

namespace tarvex {

const Type& DebugConsoleService::staticType() {
    static const Type& type =
        TypeBuilder<DebugConsoleService>("DebugConsoleService")
            .meta("implements", "update, render")
            .field("_console", &DebugConsoleService::_console)
            .field("_kernelInfo", &DebugConsoleService::_kernelInfo, {{"injectable", "1"}})
            .build();
    return type;
}

DebugConsoleService::DebugConsoleService() {
    init();
}

Ref<DebugConsoleService> DebugConsoleService::Create(const Ref<platform::Image>& background,
                                                     const std::string& fontName,
                                                     std::int32_t fontSize) {
    auto service = std::make_shared<DebugConsoleService>();
    service->_console = DebugConsole::Create(background, fontName, fontSize);
    service->_setPriority(5);
    service->_setUpdatePriority(1);
    service->_setRenderPriority(255);
    return service;
}

void DebugConsoleService::start() {
    GameService::start();
    // Once only: a service stopped and started again would otherwise add every command a
    // second time, which raises.
    if (!_autoloaded) {
        _autoloaded = true;
        _autoloadConsole();
    }
}

void DebugConsoleService::_autoloadConsole() {
    for (const Type* type : TypeRegistry::instance().derivedFrom(ConsoleCommand::staticType())) {
        if (auto command = std::dynamic_pointer_cast<ConsoleCommand>(type->create())) {
            addCommand(command);
        }
    }
}

bool DebugConsoleService::addCommand(const Ref<ConsoleCommand>& command) {
    if (!_kernelInfo) {
        throw Error("Console has not been added to kernel");
    }
    if (!command) {
        return false;
    }
    command->_addInjectableFields();
    for (const Type* dependency : command->getDependencies()) {
        command->inject(*dependency, _kernelInfo->getService(dependency));
    }
    return _console && _console->addCommand(command);
}

void DebugConsoleService::update(float /*delta*/) {
    if (_console) {
        _console->update();
    }
}

void DebugConsoleService::render(float /*delta*/) {
    if (_console) {
        _console->render();
    }
}

} // namespace tarvex

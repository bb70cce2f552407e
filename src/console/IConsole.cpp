#include "console/IConsole.hpp"

#include "console/ConsoleCommand.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"

#include <algorithm>

namespace tarvex {

const Type& IConsole::staticType() {
    static const Type& type = TypeBuilder<IConsole>("IConsole")
                                  .field("_lastInputLine", &IConsole::_lastInputLine)
                                  .field("_commandHandlers", &IConsole::_commandHandlers)
                                  .build();
    return type;
}

std::string toLowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

IConsole::~IConsole() {
    for (const auto& [hook, function] : _hookListeners) {
        hook->unsubscribe(function, this);
    }
    for (const auto& [name, command] : _commandHandlers) {
        command->_setParent(nullptr);
    }
}

bool IConsole::addCommand(const Ref<ConsoleCommand>& command) {
    if (!command || command->Name.empty()) {
        return false;
    }
    auto name = toLowerAscii(command->Name);
    if (_commandHandlers.contains(name)) {
        throw Error("Command \"" + command->Name + "\" already has a handler attached.");
    }
    _commandHandlers.emplace(std::move(name), command);
    command->_setParent(this);
    return true;
}

bool IConsole::hasCommand(std::string_view name) const {
    return _commandHandlers.contains(toLowerAscii(name));
}

Ref<ConsoleCommand> IConsole::getCommand(std::string_view name) const {
    const auto found = _commandHandlers.find(toLowerAscii(name));
    return found == _commandHandlers.end() ? nullptr : found->second;
}

void IConsole::executeCommand(std::string_view name, const ConsoleArgs& args) {
    const auto found = _commandHandlers.find(toLowerAscii(name));
    if (found != _commandHandlers.end()) {
        // Held by reference: the command may replace itself while it runs.
        const auto command = found->second;
        command->Execute(args);
    }
}

void IConsole::addHookListener(Hook& hook, Hook::Function function) {
    hook.subscribe(function, this, 0);
    _hookListeners.emplace_back(&hook, function);
}

} // namespace tarvex

// What a command console offers the commands it runs and the code that feeds it: commands
// registered by name (matched without regard to case), lines written into its output, and
// hook listeners that write into it.
//
//     console->addCommand(std::make_shared<SpawnCommand>());   // Name "spawn"
//     console->hasCommand("SPAWN");                             // true
//     console->executeCommand("spawn", {"spawn big 3", "big", "3"});
//
// DebugConsole is the console drawn on screen; DebugConsoleService hosts one in the kernel.
#pragma once

#include "core/Hook.hpp"
#include "core/Object.hpp"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvex {

class ConsoleCommand;
class IConsole;

// A command's arguments: the whole line as typed, then each argument in order.
using ConsoleArgs = std::vector<std::string>;
// A handler function: its parent object, the console and the arguments.
using ConsoleFunction =
    std::function<std::int32_t(Object* parent, IConsole& console, const ConsoleArgs& args)>;

class IConsole : public Object {
    TARVEX_OBJECT(IConsole, Object)
public:
    IConsole() = default;
    ~IConsole() override;
    IConsole(const IConsole&) = delete;
    IConsole& operator=(const IConsole&) = delete;

    virtual void update() = 0;
    virtual void render() = 0;
    // Registers a handler function under the lower-cased name (replacing an earlier one).
    virtual void addCommandHandler(const std::string& name, Object* parent,
                                   ConsoleFunction function) = 0;
    // Appends a line to the output and writes it to the debug log.
    virtual void writeLine(const std::string& text) = 0;
    // Appends a line to the output.
    virtual void write(const std::string& text) = 0;

    // Registers the command under its lower-cased Name and makes this console its parent.
    // False for null or a command without a name. A name already registered raises
    // "Command "<name>" already has a handler attached.".
    virtual bool addCommand(const Ref<ConsoleCommand>& command);
    [[nodiscard]] virtual bool hasCommand(std::string_view name) const;
    // The command registered under the name (any case), or null.
    [[nodiscard]] Ref<ConsoleCommand> getCommand(std::string_view name) const;
    // The command's Execute; nothing when no command has that name.
    virtual void executeCommand(std::string_view name, const ConsoleArgs& args);
    // Subscribes the function to the hook with this console as its context, until the
    // console goes (the hook must outlive the console).
    virtual void addHookListener(Hook& hook, Hook::Function function);

    [[nodiscard]] const std::string& getLastInputLine() const { return _lastInputLine; }

protected:
    std::string _lastInputLine;
    std::map<std::string, Ref<ConsoleCommand>, std::less<>> _commandHandlers;

private:
    std::vector<std::pair<Hook*, Hook::Function>> _hookListeners;
};

// ASCII lower case, as command names are matched.
[[nodiscard]] std::string toLowerAscii(std::string_view text);

} // namespace tarvex

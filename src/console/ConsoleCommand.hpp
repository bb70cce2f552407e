// A command of the console, found by its Name (case does not matter). Its service fields are
// injected when DebugConsoleService adds it, exactly as a service's are:
//
//     class SpawnCommand : public ConsoleCommand {
//         TARVEX_OBJECT(SpawnCommand, ConsoleCommand)
//     public:
//         SpawnCommand() { Name = "spawn"; Description = "Creates an enemy"; }
//         void Execute(const ConsoleArgs& args) override {
//             WriteLine("spawning " + (args.size() > 1 ? args[1] : "nothing"));
//         }
//     private:
//         Ref<GameEntityService> _entities; // {{"injectable", "1"}} in the type block
//     };
//
// DebugConsoleService finds every class derived from this one in the type registry, so a
// command class needs a default constructor and must be registered.
#pragma once

#include "console/IConsole.hpp"
#include "kernel/IInjectable.hpp"

#include <string>

namespace tarvex {

class ConsoleCommand : public IInjectable {
    TARVEX_OBJECT(ConsoleCommand, IInjectable)
public:
    ConsoleCommand() = default;

    virtual void writeHelpText() {}
    // Forward to the console the command was added to (nothing before it was added).
    virtual void Write(const std::string& text);
    virtual void WriteLine(const std::string& text);
    virtual void _setParent(IConsole* console) { m_ParentConsole = console; }
    // The command's work; `args` holds the whole line, then each argument.
    virtual void Execute(const ConsoleArgs& args) = 0;

    [[nodiscard]] IConsole* getParentConsole() const { return m_ParentConsole; }

    std::string Name;
    std::string Description;
    std::string HelpText;

protected:
    IConsole* m_ParentConsole = nullptr; // the console holds its commands
};

// A handler function registered by name, with the object it belongs to.
class ConsoleCommandHandler : public Object {
    TARVEX_OBJECT(ConsoleCommandHandler, Object)
public:
    ConsoleCommandHandler() = default;

    [[nodiscard]] static Ref<ConsoleCommandHandler> Create(Object* parent,
                                                           ConsoleFunction function);
    // Calls the function with the parent, the console and the arguments.
    std::int32_t Execute(IConsole& console, const ConsoleArgs& args) const;

private:
    Object* m_Parent = nullptr; // not owned: usually the owner of the console
    ConsoleFunction m_Function;
};

} // namespace tarvex

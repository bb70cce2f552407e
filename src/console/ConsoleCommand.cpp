#include "console/ConsoleCommand.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& ConsoleCommand::staticType() {
    static const Type& type = TypeBuilder<ConsoleCommand>("ConsoleCommand")
                                  .field("Name", &ConsoleCommand::Name)
                                  .field("Description", &ConsoleCommand::Description)
                                  .field("HelpText", &ConsoleCommand::HelpText)
                                  .field("m_ParentConsole", &ConsoleCommand::m_ParentConsole)
                                  .build();
    return type;
}

void ConsoleCommand::Write(const std::string& text) {
    if (m_ParentConsole != nullptr) {
        m_ParentConsole->write(text);
    }
}

void ConsoleCommand::WriteLine(const std::string& text) {
    if (m_ParentConsole != nullptr) {
        m_ParentConsole->writeLine(text);
    }
}

const Type& ConsoleCommandHandler::staticType() {
    static const Type& type = TypeBuilder<ConsoleCommandHandler>("ConsoleCommandHandler")
                                  .field("m_Parent", &ConsoleCommandHandler::m_Parent)
                                  .field("m_Function", &ConsoleCommandHandler::m_Function)
                                  .build();
    return type;
}

Ref<ConsoleCommandHandler> ConsoleCommandHandler::Create(Object* parent, ConsoleFunction function) {
    auto handler = std::make_shared<ConsoleCommandHandler>();
    handler->m_Parent = parent;
    handler->m_Function = std::move(function);
    return handler;
}

std::int32_t ConsoleCommandHandler::Execute(IConsole& console, const ConsoleArgs& args) const {
    return m_Function ? m_Function(m_Parent, console, args) : 0;
}

} // namespace tarvex

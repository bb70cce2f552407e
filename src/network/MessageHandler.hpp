// Handles the messages of the action identifiers it lists, for a ServerConnection. A subclass
// fills m_HandledMessages in its constructor and does its work in HandleMessage:
//
//     class ChatHandler : public MessageHandler {
//         TARVEX_OBJECT(ChatHandler, MessageHandler)
//     public:
//         ChatHandler() { m_HandledMessages = {3, 4}; }
//         void HandleMessage(const Ref<MessageIn>& message) override { ... }
//     };
//
// The class name is what the connection's messages name, so every handler class declares its
// own TARVEX_OBJECT.
#pragma once

#include "network/MessageIn.hpp"

#include <vector>

namespace tarvex {

class ServerConnection;

class MessageHandler : public Object {
    TARVEX_OBJECT(MessageHandler, Object)
public:
    MessageHandler() = default;

    virtual void HandleMessage(const Ref<MessageIn>& message) = 0;
    void _setConnection(ServerConnection* connection) { m_Connection = connection; }
    [[nodiscard]] ServerConnection* getConnection() const { return m_Connection; }
    [[nodiscard]] const std::vector<std::int32_t>& getHandledMessages() const {
        return m_HandledMessages;
    }

protected:
    std::vector<std::int32_t> m_HandledMessages;
    ServerConnection* m_Connection = nullptr; // the connection holds its handlers
};

} // namespace tarvex

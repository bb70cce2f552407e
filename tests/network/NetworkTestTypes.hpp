// Servers and handlers that record what reaches them, for the network tests.
#pragma once

#include "core/Hook.hpp"
#include "network/GameServer.hpp"
#include "network/MessageHandler.hpp"

#include <map>
#include <vector>

namespace tarvex::testing {

// Parses every message it receives and keeps it, per client.
class RecordingServer : public GameServer {
    TARVEX_OBJECT(RecordingServer, GameServer)
public:
    void processMessage(const Ref<BaseGameClient>& client,
                        const Ref<BaseGameMessage>& message) override;
    void onConnect(const Ref<BaseGameClient>& client) override { connected.push_back(client); }
    void onDisconnect(const Ref<BaseGameClient>& client) override {
        disconnected.push_back(client);
    }

    [[nodiscard]] std::size_t total() const;

    std::map<const BaseGameClient*, std::vector<Ref<MessageIn>>> received;
    std::vector<Ref<BaseGameClient>> connected;
    std::vector<Ref<BaseGameClient>> disconnected;
    int refused = 0; // raw messages that did not parse
};

class FirstHandler : public MessageHandler {
    TARVEX_OBJECT(FirstHandler, MessageHandler)
public:
    FirstHandler() { m_HandledMessages = {3, 5}; }
    void HandleMessage(const Ref<MessageIn>& message) override { handled.push_back(message); }
    std::vector<Ref<MessageIn>> handled;
};

class SecondHandler : public MessageHandler {
    TARVEX_OBJECT(SecondHandler, MessageHandler)
public:
    SecondHandler() { m_HandledMessages = {4, 3}; }
    void HandleMessage(const Ref<MessageIn>& /*message*/) override {}
};

class EmptyHandler : public MessageHandler {
    TARVEX_OBJECT(EmptyHandler, MessageHandler)
public:
    void HandleMessage(const Ref<MessageIn>& /*message*/) override {}
};

// Records the identifiers of the platform events emitted while it is alive.
class EventRecorder : public Object {
public:
    EventRecorder();
    ~EventRecorder() override;
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    struct Seen {
        std::int32_t id;
        const Object* source;
        std::int32_t data;
    };
    std::vector<Seen> events;

private:
    static Object* _record(std::int32_t hookId, Object* data, Object* context);
};

} // namespace tarvex::testing

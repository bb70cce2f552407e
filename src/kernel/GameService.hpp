// The base of every long-lived subsystem held by the kernel. A service class declares in its
// `implements` metadata which per-frame calls it wants ("update", "render"), and marks the
// fields through which it receives other services with `injectable` metadata:
//
//     class AudioService : public GameService {
//         TARVEX_OBJECT(AudioService, GameService)
//     public:
//         AudioService() { init(); } // registers this class's own injectable fields
//     private:
//         Ref<ResourceService> _resources; // {{"injectable", "1"}} in the type block
//     };
//
// A second init() resets the priorities to 127, so a class that wants others sets them after.
#pragma once

#include "core/Hook.hpp"
#include "kernel/IInjectable.hpp"

#include <cstdint>

namespace tarvex {

class GameKernel;

class GameService : public IInjectable {
    TARVEX_OBJECT(GameService, IInjectable)
public:
    GameService();
    GameService(const GameService&) = delete;
    GameService& operator=(const GameService&) = delete;

    [[nodiscard]] std::int32_t getId() const { return _id; }
    [[nodiscard]] std::uint8_t getPriority() const { return _priority; }
    [[nodiscard]] std::uint8_t getRenderPriority() const { return _renderPriority; }
    [[nodiscard]] std::uint8_t getUpdatePriority() const { return _updatePriority; }
    [[nodiscard]] bool isRunning() const { return _isRunning; }
    [[nodiscard]] bool canKill() const { return _canKill; }

    // Sets running, then onResume().
    virtual void start();
    // Clears running, then onSuspend().
    virtual void stop();
    virtual void onInit() {}
    virtual void onSuspend() {}
    virtual void onResume() {}
    virtual void free() {}
    // `delta` is the previous frame's time in milliseconds.
    virtual void update(float /*delta*/) {}
    virtual void render(float /*delta*/) {}

    // Each setter publishes the priority-change notification with this service as its data.
    virtual void _setPriority(std::uint8_t priority); // general, update and render alike
    virtual void _setUpdatePriority(std::uint8_t priority);
    virtual void _setRenderPriority(std::uint8_t priority);
    // Marks the service killable, resets all priorities to 127 and registers the injectable
    // fields of the concrete class.
    virtual void init();

    // Orders by general priority: 0 equal, 1 greater, -1 smaller.
    [[nodiscard]] int Compare(const Object& other) const override;

    // The process-wide priority-change notification.
    [[nodiscard]] static Hook& priorityChangeHook();

protected:
    // Written directly by set-up code that wants a general priority without a notification.
    std::uint8_t _priority = 0;

private:
    friend class GameKernel;

    std::int32_t _id = 0;
    bool _canKill = false;
    bool _isRunning = false;
    std::uint8_t _renderPriority = 0;
    std::uint8_t _updatePriority = 0;
};

} // namespace tarvex

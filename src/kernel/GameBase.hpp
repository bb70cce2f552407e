// The base of the application object: owns the kernel, runs the frame loop that drives it and
// receives every platform event through handleEvent(). The loop updates and renders the
// kernel, waits for the frame timer, presents, and hands each frame the measured time of the
// previous one in milliseconds (16.0 for the first frame at 60 per second).
#pragma once

#include "kernel/GameKernel.hpp"
#include "platform/PlatformEvent.hpp"

#include <string_view>

namespace tarvex {

class GameBase : public Object {
    TARVEX_OBJECT(GameBase, Object)
public:
    static constexpr std::int32_t EVENT_LOOP_TICK = -1001;

    GameBase();
    ~GameBase() override;
    GameBase(const GameBase&) = delete;
    GameBase& operator=(const GameBase&) = delete;

    // Takes effect at the next runLoop(). A rate of 0 or less raises "Frame rate must be
    // positive: " + the rate (the loop divides a second by it).
    virtual void setFrameRate(std::int32_t framesPerSecond);
    [[nodiscard]] virtual std::int32_t getFrameRate() const { return _frameRate; }
    // The loop ends after the frame in which the low byte of the finished flag is non-zero.
    [[nodiscard]] virtual bool isFinished() const { return (_finished & 0xFF) != 0; }

    // Event-hook subscriber: passes the event to the context's handleEvent and hands it on.
    static Object* handleEvents(std::int32_t id, Object* data, Object* context);
    virtual void handleEvent(platform::PlatformEvent& event);
    virtual void runLoop();
    // Closes the graphics device.
    virtual void shutdown();

    virtual void addServiceToKernel(const Ref<GameService>& service, const Type* type);
    virtual void _addKernelService(const Ref<GameService>& service, const Type* type);
    [[nodiscard]] virtual Ref<GameService> _getKernelService(const Type* type) const;
    // Null for an unknown class name (no error, unlike the kernel's lookup).
    [[nodiscard]] virtual Ref<GameService> _getKernelServiceByName(std::string_view name) const;

    [[nodiscard]] GameKernel& getKernel() const { return *_kernel; }

protected:
    std::int32_t _finished = 0;
    std::int32_t _frameRate = 60;
    Ref<GameKernel> _kernel;
};

} // namespace tarvex

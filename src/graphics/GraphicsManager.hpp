// The window settings of the process and the one open graphics context. Settings are stored
// with fluent setters, then startGraphics() opens (or reopens) the window with them:
//
//     GraphicsManager::getInstance()->setWidth(448).setHeight(576).setIsWindowed(true)
//         .setDriverType(GraphicsManager::DRIVER_TYPE_OPENGL);
//     GraphicsManager::getInstance()->startGraphics();   // "Could not make the graphics"
//
// A process has one manager; constructing a second one directly is an error.
#pragma once

#include "core/Object.hpp"
#include "graphics/VirtualScreenResolution.hpp"
#include "platform/GraphicsContext.hpp"

#include <cstdint>

namespace tarvex::graphics {

class GraphicsManager : public Object {
    TARVEX_OBJECT(GraphicsManager, Object)
public:
    static constexpr std::int32_t DRIVER_TYPE_DX7 = 1;
    static constexpr std::int32_t DRIVER_TYPE_DX9 = 2;
    static constexpr std::int32_t DRIVER_TYPE_OPENGL = 3;

    // Fails with "Cannot create more than one instance of GraphicsManager" the second time.
    GraphicsManager();
    ~GraphicsManager() override;
    GraphicsManager(const GraphicsManager&) = delete;
    GraphicsManager& operator=(const GraphicsManager&) = delete;

    [[nodiscard]] static Ref<GraphicsManager> getInstance();

    GraphicsManager& setWidth(std::int32_t width);
    GraphicsManager& setHeight(std::int32_t height);
    GraphicsManager& setDepth(std::int32_t depth);
    GraphicsManager& setRefreshRate(std::int32_t rate);
    GraphicsManager& setIsWindowed(bool windowed);
    GraphicsManager& setWaitVBlank(bool wait);
    GraphicsManager& setDriverType(std::int32_t type);

    [[nodiscard]] std::int32_t getWidth() const { return _width; }
    [[nodiscard]] std::int32_t getHeight() const { return _height; }
    [[nodiscard]] std::int32_t getDepth() const { return _depth; }
    [[nodiscard]] std::int32_t getRefreshRate() const { return _refreshRate; }
    [[nodiscard]] std::int32_t getFlags() const { return _flags; }
    [[nodiscard]] bool isWindowed() const { return _isWindowed; }
    [[nodiscard]] std::int32_t getDriverType() const { return _driverType; }
    // The open context; null when closed.
    [[nodiscard]] const Ref<platform::GraphicsContext>& getDriver() const { return _driver; }

    // Closes any open window and opens one with the stored settings.
    void startGraphics();
    // Closes the window, if one is open.
    void EndGraphics();
    void init() {}

private:
    Ref<platform::GraphicsContext> _driver;
    Ref<VirtualScreenResolution> _resolution;
    std::int32_t _depth = 0;
    std::int32_t _width = 0;
    std::int32_t _height = 0;
    std::int32_t _refreshRate = 0;
    std::int32_t _flags = platform::CONTEXT_BACKBUFFER | platform::CONTEXT_ALPHA;
    bool _waitVBlank = false;
    bool _isWindowed = false;
    std::int32_t _driverType = 0;
};

} // namespace tarvex::graphics

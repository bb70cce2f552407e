#include "graphics/GraphicsManager.hpp"

#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "platform/DrawingLayer.hpp"

#include <atomic>

namespace tarvex::graphics {
namespace {

std::atomic<bool>& constructed() {
    static std::atomic<bool> flag{false};
    return flag;
}

} // namespace

const Type& GraphicsManager::staticType() {
    static const Type& type = TypeBuilder<GraphicsManager>("GraphicsManager")
                                  .field("_driver", &GraphicsManager::_driver)
                                  .field("_resolution", &GraphicsManager::_resolution)
                                  .field("_depth", &GraphicsManager::_depth)
                                  .field("_width", &GraphicsManager::_width)
                                  .field("_height", &GraphicsManager::_height)
                                  .field("_refreshRate", &GraphicsManager::_refreshRate)
                                  .field("_flags", &GraphicsManager::_flags)
                                  .field("_waitVBlank", &GraphicsManager::_waitVBlank)
                                  .field("_isWindowed", &GraphicsManager::_isWindowed)
                                  .field("_driverType", &GraphicsManager::_driverType)
                                  .noFactory()
                                  .build();
    return type;
}

GraphicsManager::GraphicsManager() : _resolution(VirtualScreenResolution::getInstance()) {
    if (constructed().exchange(true)) {
        throw Error("Cannot create more than one instance of GraphicsManager");
    }
}

GraphicsManager::~GraphicsManager() {
    EndGraphics();
}

Ref<GraphicsManager> GraphicsManager::getInstance() {
    static const Ref<GraphicsManager> instance = std::make_shared<GraphicsManager>();
    return instance;
}

GraphicsManager& GraphicsManager::setWidth(std::int32_t width) {
    _width = width;
    return *this;
}

GraphicsManager& GraphicsManager::setHeight(std::int32_t height) {
    _height = height;
    return *this;
}

GraphicsManager& GraphicsManager::setDepth(std::int32_t depth) {
    _depth = depth;
    return *this;
}

GraphicsManager& GraphicsManager::setRefreshRate(std::int32_t rate) {
    _refreshRate = rate;
    return *this;
}

GraphicsManager& GraphicsManager::setIsWindowed(bool windowed) {
    _isWindowed = windowed;
    return *this;
}

GraphicsManager& GraphicsManager::setWaitVBlank(bool wait) {
    _waitVBlank = wait;
    return *this;
}

GraphicsManager& GraphicsManager::setDriverType(std::int32_t type) {
    _driverType = type;
    return *this;
}

void GraphicsManager::startGraphics() {
    EndGraphics();
    // Only the OpenGL back end exists; the Direct3D choices are served by it too.
    if (_driverType == DRIVER_TYPE_DX7 || _driverType == DRIVER_TYPE_DX9 ||
        _driverType == DRIVER_TYPE_OPENGL) {
        platform::setGraphicsDriver(platform::openGlDriver());
    }
    const platform::ContextSettings settings{_width, _height, _isWindowed ? 0 : _depth,
                                             _refreshRate, _flags};
    _driver = platform::graphicsDriver()->open(settings);
    if (!_driver) {
        throw Error("Could not make the graphics");
    }
    platform::drawingLayer().attach(_driver.get());
    if (_resolution->isEnabled()) {
        _resolution->start();
    }
    // Keyboard and mouse are polled from the window's events as soon as it exists.
}

void GraphicsManager::EndGraphics() {
    if (_driver) {
        _driver->close();
        _driver = nullptr;
    }
}

} // namespace tarvex::graphics

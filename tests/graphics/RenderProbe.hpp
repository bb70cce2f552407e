// A render request that writes what happens to it into a shared log ("<name>.update",
// "<name>.render", "<name>.removed") and remembers the camera arguments of its last render.
#pragma once

#include "graphics/AbstractRenderRequest.hpp"
#include "graphics/RenderCamera.hpp"

#include <string>
#include <vector>

namespace tarvex::graphics::testing {

class RenderProbe : public AbstractRenderRequest {
public:
    RenderProbe(std::vector<std::string>& log, std::string name)
        : _log(&log), _name(std::move(name)) {}

    [[nodiscard]] float getX() const override { return 0; }
    [[nodiscard]] float getY() const override { return 0; }
    void update(float /*delta*/) override { _log->push_back(_name + ".update"); }
    void render(double /*tween*/, const AbstractRenderCamera* camera,
                std::int32_t ignoreCamera) override {
        _log->push_back(_name + ".render");
        lastCamera = camera;
        lastIgnoreCamera = ignoreCamera;
    }
    void onRemoved() override { _log->push_back(_name + ".removed"); }

    const AbstractRenderCamera* lastCamera = nullptr;
    std::int32_t lastIgnoreCamera = -1;

private:
    std::vector<std::string>* _log;
    std::string _name;
};

} // namespace tarvex::graphics::testing

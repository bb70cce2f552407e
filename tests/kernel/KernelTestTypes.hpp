// Small services and objects shared by the kernel tests.
#pragma once

#include "kernel/GameService.hpp"

#include <string>
#include <vector>

namespace tarvex::testing {

// Every call of every recording service lands here, as "<name>.<call>".
std::vector<std::string>& calls();

class RecordingService : public GameService {
    TARVEX_OBJECT(RecordingService, GameService)
public:
    explicit RecordingService(std::string name = "service") : label(std::move(name)) { init(); }
    void update(float delta) override {
        calls().push_back(label + ".update");
        lastDelta = delta;
    }
    void render(float /*delta*/) override { calls().push_back(label + ".render"); }
    void onInit() override { calls().push_back(label + ".onInit"); }
    void onResume() override { calls().push_back(label + ".onResume"); }
    void onSuspend() override { calls().push_back(label + ".onSuspend"); }

    std::string label;
    float lastDelta = 0;
};

class UpdateOnlyService : public RecordingService {
    TARVEX_OBJECT(UpdateOnlyService, RecordingService)
public:
    explicit UpdateOnlyService(std::string name = "update-only")
        : RecordingService(std::move(name)) {}
};

class RenderUpdateService : public RecordingService {
    TARVEX_OBJECT(RenderUpdateService, RecordingService)
public:
    explicit RenderUpdateService(std::string name = "render-update")
        : RecordingService(std::move(name)) {}
};

class SilentService : public RecordingService {
    TARVEX_OBJECT(SilentService, RecordingService)
public:
    explicit SilentService(std::string name = "silent") : RecordingService(std::move(name)) {}
};

// Depends on the two services above through injectable fields.
class ConsumerService : public GameService {
    TARVEX_OBJECT(ConsumerService, GameService)
public:
    ConsumerService() { init(); }
    void onInit() override { sawUpdateOnlyAtInit = _updateOnly != nullptr; }

    Ref<UpdateOnlyService> _updateOnly;
    Ref<SilentService> _silent;
    Ref<SilentService> _silentAgain; // same type as _silent: only the later field is filled
    Ref<RenderUpdateService> _untagged;
    bool sawUpdateOnlyAtInit = false;
};

void registerKernelTestTypes();

} // namespace tarvex::testing

// The spine of the running game: owns every service, finds services by exact type, and each
// frame updates and renders the services whose class implements "update" / "render", in
// ascending priority with ties in order of addition.
//
//     auto kernel = std::make_shared<GameKernel>();
//     kernel->addService(nullptr, std::make_shared<ScreenManagerService>());
//     kernel->start();
//     kernel->update(16.0F);
//     kernel->render(16.0F);
#pragma once

#include "kernel/GameServiceCollection.hpp"

#include <string_view>

namespace tarvex {

class KernelInformationService;

class GameKernel : public Object {
    TARVEX_OBJECT(GameKernel, Object)
public:
    GameKernel();
    ~GameKernel() override;
    GameKernel(const GameKernel&) = delete;
    GameKernel& operator=(const GameKernel&) = delete;

    [[nodiscard]] bool hasServiceType(const Type* type) const;
    [[nodiscard]] const GameServiceCollection& getServices() const { return *_serviceList; }
    // The service registered under exactly this type (no base or derived search), or null.
    [[nodiscard]] Ref<GameService> getService(const Type* type) const;
    template <class T> [[nodiscard]] Ref<T> getService() const {
        return std::dynamic_pointer_cast<T>(getService(&T::staticType()));
    }
    // Raises "Could not get service for type '<name>' - type not defined" for an unknown class.
    [[nodiscard]] Ref<GameService> getServiceByName(std::string_view name) const;

    bool startService(const Type* type);
    bool stopService(const Type* type);
    // Registers the service under `type` (its own class when null), lists it, gives it an id,
    // injects its dependencies and calls its onInit(). False for a null service.
    bool addService(const Type* type, const Ref<GameService>& service);
    bool removeService(const Type* type);
    // Re-sorts the per-frame lists after a priority change.
    void updatePriorities();

    void start();
    void stop();
    void update(float delta);
    void render(float delta);

    // True when the `implements` metadata of the service's own class lists `name`.
    [[nodiscard]] static bool serviceImplements(const GameService& service, std::string_view name);
    static Object* _onPriorityChange(std::int32_t id, Object* data, Object* context);

private:
    static void _addIfImplements(const Ref<GameService>& service, std::string_view name,
                                 GameServiceCollection& list);

    Ref<GameServiceLocator> _serviceLookup;
    Ref<GameServiceCollection> _serviceList;
    Ref<GameServiceCollection> _updateServices;
    Ref<GameServiceCollection> _renderServices;
    std::int32_t _nextServiceId = 1;
};

// Lets services reach the kernel through injection: declare an injectable field of this type.
class KernelInformationService : public GameService {
    TARVEX_OBJECT(KernelInformationService, GameService)
public:
    KernelInformationService();
    [[nodiscard]] static Ref<KernelInformationService> Create(GameKernel* kernel);

    [[nodiscard]] GameKernel* getKernel() const { return _kernel; }
    [[nodiscard]] const GameServiceCollection& getServices() const {
        return _kernel->getServices();
    }
    [[nodiscard]] Ref<GameService> getService(const Type* type) const {
        return _kernel->getService(type);
    }
    template <class T> [[nodiscard]] Ref<T> getService() const { return _kernel->getService<T>(); }

private:
    GameKernel* _kernel = nullptr; // the kernel owns this service
};

} // namespace tarvex

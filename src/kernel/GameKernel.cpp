#include "kernel/GameKernel.hpp"

#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"

namespace tarvex {
namespace {

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace

const Type& GameKernel::staticType() {
    static const Type& type = TypeBuilder<GameKernel>("GameKernel")
                                  .field("_serviceLookup", &GameKernel::_serviceLookup)
                                  .field("_serviceList", &GameKernel::_serviceList)
                                  .field("_updateServices", &GameKernel::_updateServices)
                                  .field("_renderServices", &GameKernel::_renderServices)
                                  .field("_nextServiceId", &GameKernel::_nextServiceId)
                                  .build();
    return type;
}

const Type& KernelInformationService::staticType() {
    static const Type& type = TypeBuilder<KernelInformationService>("KernelInformationService")
                                  .field("_kernel", &KernelInformationService::_kernel)
                                  .build();
    return type;
}

KernelInformationService::KernelInformationService() {
    init();
}

Ref<KernelInformationService> KernelInformationService::Create(GameKernel* kernel) {
    auto service = std::make_shared<KernelInformationService>();
    service->_kernel = kernel;
    service->_priority = 0;
    return service;
}

GameKernel::GameKernel()
    : _serviceLookup(std::make_shared<GameServiceLocator>()),
      _serviceList(std::make_shared<GameServiceCollection>()),
      _updateServices(std::make_shared<GameServiceCollection>()),
      _renderServices(std::make_shared<GameServiceCollection>()) {
    _updateServices->setSortMethod(&GameServiceCollection::compareUpdatePriority);
    _renderServices->setSortMethod(&GameServiceCollection::compareRenderPriority);
    GameService::priorityChangeHook().subscribe(&GameKernel::_onPriorityChange, this, 0);
    addService(nullptr, KernelInformationService::Create(this));
}

GameKernel::~GameKernel() {
    GameService::priorityChangeHook().unsubscribe(&GameKernel::_onPriorityChange, this);
}

bool GameKernel::hasServiceType(const Type* type) const {
    return _serviceLookup->has(type);
}

Ref<GameService> GameKernel::getService(const Type* type) const {
    return _serviceLookup->get(type);
}

Ref<GameService> GameKernel::getServiceByName(std::string_view name) const {
    const Type* type = TypeRegistry::instance().findByName(name);
    if (type == nullptr) {
        throw Error("Could not get service for type '" + std::string(name) +
                    "' - type not defined");
    }
    return getService(type);
}

bool GameKernel::startService(const Type* type) {
    const auto service = getService(type);
    if (!service || service->isRunning()) {
        return false;
    }
    // A service taken out by stopService is not in the lists; guard against a second entry
    // for one that was never taken out.
    if (!_updateServices->contains(service)) {
        _addIfImplements(service, "update", *_updateServices);
    }
    if (!_renderServices->contains(service)) {
        _addIfImplements(service, "render", *_renderServices);
    }
    service->start();
    return true;
}

bool GameKernel::stopService(const Type* type) {
    const auto service = getService(type);
    if (!service || !service->isRunning()) {
        return false;
    }
    _updateServices->removeObject(service);
    _renderServices->removeObject(service);
    service->stop();
    return true;
}

bool GameKernel::addService(const Type* type, const Ref<GameService>& service) {
    if (!service) {
        return false;
    }
    if (type == nullptr) {
        type = &service->getType();
    }
    _serviceLookup->set(type, service);
    _serviceList->add(service);
    _addIfImplements(service, "update", *_updateServices);
    _addIfImplements(service, "render", *_renderServices);
    service->_id = _nextServiceId++;
    for (const Type* dependency : service->getDependencies()) {
        service->inject(*dependency, getService(dependency));
    }
    service->onInit();
    return true;
}

bool GameKernel::removeService(const Type* type) {
    const auto service = type == nullptr ? nullptr : getService(type);
    if (!service) {
        return false;
    }
    _serviceLookup->unset(type);
    _serviceList->removeObject(service);
    if (serviceImplements(*service, "update")) {
        _updateServices->removeObject(service);
    }
    if (serviceImplements(*service, "render")) {
        _renderServices->removeObject(service);
    }
    return true;
}

void GameKernel::updatePriorities() {
    // The list of all services stays in order of addition.
    _updateServices->sort(GameServiceCollection::SORT_ASC);
    _renderServices->sort(GameServiceCollection::SORT_ASC);
}

void GameKernel::start() {
    auto walk = _serviceList->ObjectEnumerator();
    while (walk.HasNext()) {
        // Held for the call: a service may remove itself (or another) in onResume.
        const Ref<GameService> service = walk.NextObject();
        service->start();
    }
}

void GameKernel::stop() {
    auto walk = _serviceList->ObjectEnumerator();
    while (walk.HasNext()) {
        const Ref<GameService> service = walk.NextObject();
        service->stop();
    }
}

void GameKernel::update(float delta) {
    auto walk = _updateServices->ObjectEnumerator();
    while (walk.HasNext()) {
        // Held for the call: a service may remove itself while it updates.
        const Ref<GameService> service = walk.NextObject();
        service->update(delta);
    }
}

void GameKernel::render(float delta) {
    auto walk = _renderServices->ObjectEnumerator();
    while (walk.HasNext()) {
        const Ref<GameService> service = walk.NextObject();
        service->render(delta);
    }
}

bool GameKernel::serviceImplements(const GameService& service, std::string_view name) {
    std::string_view list = service.getType().getMetadata("implements");
    while (!list.empty()) {
        const auto comma = list.find(',');
        if (trim(list.substr(0, comma)) == name) {
            return true;
        }
        if (comma == std::string_view::npos) {
            break;
        }
        list.remove_prefix(comma + 1);
    }
    return false;
}

Object* GameKernel::_onPriorityChange(std::int32_t /*id*/, Object* /*data*/, Object* context) {
    static_cast<GameKernel*>(context)->updatePriorities();
    return nullptr;
}

void GameKernel::_addIfImplements(const Ref<GameService>& service, std::string_view name,
                                  GameServiceCollection& list) {
    if (serviceImplements(*service, name)) {
        list.add(service);
        list.sort(GameServiceCollection::SORT_ASC);
    }
}

} // namespace tarvex

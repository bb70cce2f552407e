#include "resources/ResourceDbService.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& ResourceDbService::staticType() {
    static const Type& type = TypeBuilder<ResourceDbService>("ResourceDbService")
                                  .field("_resources", &ResourceDbService::_resources)
                                  .build();
    return type;
}

ResourceDbService::ResourceDbService() : _resources(std::make_shared<ResourceManager>()) {
    init();
}

Ref<BaseResource> ResourceDbService::get(const std::string& name, bool lazy) {
    return _resources->getResource(name, lazy);
}

ObjectRef ResourceDbService::getObject(const std::string& name, bool lazy) {
    const auto resource = get(name, lazy);
    return resource ? resource->get() : nullptr;
}

void ResourceDbService::loadAssets(const std::vector<std::string>& files, bool lazy) {
    for (const auto& file : files) {
        _resources->loadResources(file, lazy);
    }
}

void ResourceDbService::loadResourceFile(const std::string& file, bool lazy) {
    _resources->loadResources(file, lazy);
}

void ResourceDbService::reload() {
    _resources->reloadAll();
}

} // namespace tarvex

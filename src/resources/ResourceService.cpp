#include "resources/ResourceService.hpp"

#include "core/DebugLog.hpp"
#include "core/TypeBuilder.hpp"
#include "resources/ImageResource.hpp"
#include "resources/SoundResource.hpp"

#include <algorithm>

namespace tarvex {

const Type& ResourceService::staticType() {
    static const Type& type = TypeBuilder<ResourceService>("ResourceService")
                                  .field("_resources", &ResourceService::_resources)
                                  .field("_loadedFiles", &ResourceService::_loadedFiles)
                                  .build();
    return type;
}

ResourceService::ResourceService() : _resources(std::make_shared<ResourceManager>()) {
    init();
}

std::vector<std::string> ResourceService::getResourceNames() const {
    return _resources->getResourceList();
}

Ref<BaseResource> ResourceService::get(const std::string& name, bool lazy) {
    return _resources->getResource(name, lazy);
}

ObjectRef ResourceService::getObject(const std::string& name, bool lazy) {
    const auto resource = get(name, lazy);
    return resource ? resource->get() : nullptr;
}

Ref<platform::Image> ResourceService::getImage(const std::string& name) {
    const auto resource = std::dynamic_pointer_cast<ImageResource>(get(name, false));
    if (!resource) {
        debugLog("Could not find resource: " + name);
        return nullptr;
    }
    return resource->getImage();
}

Ref<platform::Sound> ResourceService::getSound(const std::string& name) {
    const auto resource = std::dynamic_pointer_cast<SoundResource>(get(name, false));
    if (!resource) {
        debugLog("Could not find sound resource: " + name);
        return nullptr;
    }
    return resource->getSound();
}

void ResourceService::loadAssets(const std::vector<std::string>& files, bool lazy) {
    for (const auto& file : files) {
        _resources->loadResources(file, lazy);
    }
}

void ResourceService::loadResourceFile(const std::string& file, bool lazy) {
    _resources->loadResources(file, lazy);
    _loadedFiles.push_back(file);
}

void ResourceService::reload() {
    _resources->reloadAll();
}

void ResourceService::_loadResources(const std::string& /*name*/) {}

bool ResourceService::hasLoadedFile(const std::string& file) const {
    return std::find(_loadedFiles.begin(), _loadedFiles.end(), file) != _loadedFiles.end();
}

} // namespace tarvex

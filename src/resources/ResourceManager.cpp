#include "resources/ResourceManager.hpp"

#include "core/DebugLog.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "resources/BrixFileUtil.hpp"

#include <utility>

namespace tarvex {
namespace {

// True when `type` is one of the comma-separated names of a `resource_type` list.
bool listsExactly(const std::string& list, const std::string& type) {
    for (const auto& name : BrixFile_Util::Split(list, ',')) {
        if (BrixFile_Util::Trim(name) == type) {
            return true;
        }
    }
    return false;
}

} // namespace

const Type& ResourceManager::staticType() {
    static const Type& type = TypeBuilder<ResourceManager>("ResourceManager")
                                  .field("_resources", &ResourceManager::_resources)
                                  .field("_callbackCaller", &ResourceManager::_callbackCaller)
                                  .field("_startCallback", &ResourceManager::_startCallback)
                                  .build();
    return type;
}

ResourceManager::ResourceManager()
    : _startCallback([](const ObjectRef&, const std::string&) { return ObjectRef(); }) {}

void ResourceManager::setStartCallback(ObjectRef caller, StartCallback callback) {
    _callbackCaller = std::move(caller);
    _startCallback = std::move(callback);
}

void ResourceManager::addCallback(const ResourceCallback& /*callback*/) {}
void ResourceManager::removeCallback(const ResourceCallback& /*callback*/) {}
void ResourceManager::clearCallbacks() {}

Ref<BaseResource> ResourceManager::getResource(const std::string& name, bool lazy) {
    auto resource = _getResource(name);
    if (!resource) {
        debugLog("ResourceManager->getResource() - Could not find: " + name);
        return nullptr;
    }
    resource->_increaseCount();
    if (!lazy && !resource->isLoaded()) {
        resource->reload();
    }
    return resource;
}

void ResourceManager::freeResource(const std::string& name) {
    if (const auto resource = _getResource(name)) {
        resource->free();
    }
}

std::vector<std::string> ResourceManager::getResourceList() const {
    std::vector<std::string> names;
    names.reserve(_resources.size());
    for (const auto& entry : _resources) {
        names.push_back(entry.first);
    }
    return names;
}

Ref<BaseResource> ResourceManager::_getResource(const std::string& name) const {
    const auto found = _resources.find(name);
    return found == _resources.end() ? nullptr : found->second;
}

void ResourceManager::loadResources(const std::string& file, bool lazy) {
    const auto serializer = _getSerializer(file);
    if (!serializer) {
        throw Error("No resource serializer found for type: " + _extensionOf(file));
    }
    if (_startCallback) {
        (void)_startCallback(_callbackCaller, file);
    }
    serializer->init(file);
    for (const auto& definition : serializer->getResources()) {
        auto resource = addResource(definition);
        _resources[definition->getFullName()] = resource;
        if (!lazy) {
            resource->reload();
            _onFileLoaded(*resource);
        }
    }
}

void ResourceManager::reloadAll() {
    for (const auto& [name, resource] : _resources) {
        resource->reload();
        _onFileLoaded(*resource);
    }
}

void ResourceManager::_onFileLoaded(BaseResource& /*resource*/) {}

Ref<BaseResource> ResourceManager::addResource(const Ref<ResourceDefinition>& definition) {
    const std::string& type = definition->getResourceType();
    const Type* chosen = nullptr;
    if (!type.empty()) {
        // The data names types exactly: a class that lists the name itself is chosen before
        // one whose list merely contains the text.
        const auto classes = TypeRegistry::instance().derivedFrom(BaseResource::staticType());
        for (const Type* candidate : classes) {
            if (candidate->canCreate() &&
                listsExactly(candidate->getMetadata("resource_type"), type)) {
                chosen = candidate;
                break;
            }
        }
        for (auto it = classes.begin(); chosen == nullptr && it != classes.end(); ++it) {
            if ((*it)->canCreate() &&
                (*it)->getMetadata("resource_type").find(type) != std::string::npos) {
                chosen = *it;
            }
        }
    }
    auto resource =
        chosen != nullptr ? std::dynamic_pointer_cast<BaseResource>(chosen->create()) : nullptr;
    if (!resource) {
        throw Error("Resource type \"" + type + "\" does not exist");
    }
    resource->init(definition);
    return resource;
}

std::string ResourceManager::_extensionOf(const std::string& file) {
    const std::string lower = BrixFile_Util::LowerCase(file);
    const auto dot = lower.rfind('.');
    if (dot == std::string::npos || lower.find('/', dot) != std::string::npos) {
        return {};
    }
    return lower.substr(dot + 1);
}

Ref<ResourceFileSerializer> ResourceManager::_getSerializer(const std::string& file) const {
    const std::string extension = _extensionOf(file);
    for (const Type* type :
         TypeRegistry::instance().derivedFrom(ResourceFileSerializer::staticType())) {
        const std::string& extensions = type->getMetadata("extensions");
        if (type->canCreate() && !extensions.empty() &&
            extensions.find(extension) != std::string::npos) {
            return std::dynamic_pointer_cast<ResourceFileSerializer>(type->create());
        }
    }
    return nullptr;
}

} // namespace tarvex

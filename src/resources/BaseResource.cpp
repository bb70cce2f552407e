#include "resources/BaseResource.hpp"

#include "core/TypeBuilder.hpp"

#include <cstdio>
#include <utility>

namespace tarvex {

const Type& BaseResource::staticType() {
    static const Type& type = TypeBuilder<BaseResource>("BaseResource")
                                  .field("_definition", &BaseResource::_definition)
                                  .field("_fileName", &BaseResource::_fileName)
                                  .field("_isLoaded", &BaseResource::_isLoaded)
                                  .field("_referenceCount", &BaseResource::_referenceCount)
                                  .build();
    return type;
}

std::string BaseResource::getName() const {
    return _definition ? _definition->getFullName() : std::string();
}

ObjectRef BaseResource::get() {
    if (_isLoaded == 0) {
        reload();
    }
    return _get();
}

void BaseResource::reload() {
    _isLoaded = 1;
    _load();
}

void BaseResource::free() {
    _decreaseCount();
    if (_referenceCount == 0) {
        _free();
    }
}

void BaseResource::init(Ref<ResourceDefinition> definition) {
    _definition = std::move(definition);
    _loadDefinition();
}

const std::string& BaseResource::_assetFile() const {
    static const std::string none;
    return _definition ? _definition->getFileName() : none;
}

std::string BaseResource::_setting(const std::string& key, const std::string& defaultValue) const {
    return _definition ? _definition->getField(key, defaultValue) : defaultValue;
}

void BaseResource::_reportUnreadable(const std::string& file) {
    if (_reported) {
        return;
    }
    _reported = true;
    // One call, so that lines from the loader's worker thread and the main thread stay whole.
    std::fprintf(stderr, "Could not load resource \"%s\" from file: %s\n", getName().c_str(),
                 file.c_str());
}

} // namespace tarvex

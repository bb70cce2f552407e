#include "resources/ResourceFileSerializer.hpp"

#include "core/TypeBuilder.hpp"

#include <utility>

namespace tarvex {

const Type& ResourceFileSerializer::staticType() {
    static const Type& type = TypeBuilder<ResourceFileSerializer>("ResourceFileSerializer")
                                  .field("_definitions", &ResourceFileSerializer::_definitions)
                                  .field("_fileName", &ResourceFileSerializer::_fileName)
                                  .field("_isLoaded", &ResourceFileSerializer::_isLoaded)
                                  .build();
    return type;
}

const ResourceFileSerializer::Definitions& ResourceFileSerializer::getResources() {
    if (_isLoaded == 0) {
        loadResources();
    }
    return _definitions;
}

void ResourceFileSerializer::loadResources() {
    _loadResources();
    _isLoaded = 1;
}

void ResourceFileSerializer::_add(Ref<ResourceDefinition> definition) {
    _definitions.push_back(std::move(definition));
}

} // namespace tarvex

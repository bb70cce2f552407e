#include "entities/ComponentTypeManager.hpp"

#include "core/DebugLog.hpp"
#include "core/Error.hpp"
#include "core/TypeRegistry.hpp"
#include "entities/EntityComponent.hpp"

#include <optional>

namespace tarvex {
namespace {

struct Entry {
    const Type* componentClass;
    Ref<ComponentType> type;
};

std::vector<Entry>& entries() {
    static std::vector<Entry> list = [] {
        std::vector<Entry> reserved;
        // Never reallocates, so references handed out stay valid for the whole run.
        reserved.reserve(ComponentType::MAX_TYPES);
        return reserved;
    }();
    return list;
}

std::optional<ComponentTypeManager::MetaNameMap>& metaNames() {
    static std::optional<ComponentTypeManager::MetaNameMap> map;
    return map;
}

} // namespace

const Ref<ComponentType>& ComponentTypeManager::getTypeFor(const Type* componentClass) {
    if (componentClass == nullptr) {
        throw Error("Cannot get ComponentType for Null TTypeId");
    }
    auto& list = entries();
    for (const Entry& entry : list) {
        if (entry.componentClass == componentClass) {
            return entry.type;
        }
    }
    auto type = std::make_shared<ComponentType>(); // raises past the last free bit
    list.push_back({componentClass, std::move(type)});
    return list.back().type;
}

const Ref<ComponentType>& ComponentTypeManager::getTypeForName(std::string_view className) {
    return getTypeFor(TypeRegistry::instance().findByName(className));
}

const Ref<ComponentType>& ComponentTypeManager::getTypeForMetaName(std::string_view name) {
    return getTypeFor(_getTypeForMeta(name));
}

std::int64_t ComponentTypeManager::getBit(const Type* componentClass) {
    return getTypeFor(componentClass)->getBit();
}

std::int32_t ComponentTypeManager::getId(const Type* componentClass) {
    return getTypeFor(componentClass)->getId();
}

const Type* ComponentTypeManager::_getTypeForMeta(std::string_view name) {
    auto& map = metaNames();
    if (!map) {
        std::vector<const Type*> classes =
            TypeRegistry::instance().derivedFrom(EntityComponent::staticType());
        std::erase(classes, &EntityComponent::staticType());
        map = _buildMetaNameMap(classes);
    }
    const auto found = map->find(name);
    if (found == map->end()) {
        debugLog("Could not find TTypeId for " + std::string(name));
        return nullptr;
    }
    return found->second;
}

ComponentTypeManager::MetaNameMap
ComponentTypeManager::_buildMetaNameMap(const std::vector<const Type*>& classes) {
    MetaNameMap map;
    for (const Type* componentClass : classes) {
        const std::string& name = componentClass->getMetadata("name");
        if (name.empty()) {
            throw Error("Type " + componentClass->getName() + " is missing \"name\" metadata");
        }
        map[name] = componentClass;
    }
    return map;
}

} // namespace tarvex

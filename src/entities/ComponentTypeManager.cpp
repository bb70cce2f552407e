#include "entities/ComponentTypeManager.hpp"

#include "core/DebugLog.hpp"
#include "core/Error.hpp"
#include "core/TypeRegistry.hpp"
#include "entities/EntityComponent.hpp"

#include <vector>

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

struct MetaNames {
    ComponentTypeManager::MetaNameMap map;
    std::size_t registryClassesSeen = 0; // how much of the registry the map has taken in
};

MetaNames& metaNames() {
    static MetaNames names;
    return names;
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
    auto& names = metaNames();
    const auto& registered = TypeRegistry::instance().all();
    if (names.registryClassesSeen < registered.size()) {
        // Classes registered since the last lookup join the map (registration only adds), so a
        // module registered late is found too.
        std::vector<const Type*> added;
        for (std::size_t i = names.registryClassesSeen; i < registered.size(); ++i) {
            const Type* type = registered[i];
            if (type != &EntityComponent::staticType() &&
                type->derivesFrom(EntityComponent::staticType())) {
                added.push_back(type);
            }
        }
        for (const auto& [meta, componentClass] : _buildMetaNameMap(added)) {
            names.map.insert_or_assign(meta, componentClass); // a later class replaces
        }
        names.registryClassesSeen = registered.size();
    }
    const auto found = names.map.find(name);
    if (found == names.map.end()) {
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

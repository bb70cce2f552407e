#include "entities/SystemBitManager.hpp"

#include "core/Error.hpp"
#include "core/Type.hpp"
#include "entities/EntitySystem.hpp"

#include <vector>

namespace tarvex {
namespace {

struct Entry {
    const Type* systemClass;
    std::int64_t bit;
};

std::vector<Entry>& entries() {
    static std::vector<Entry> list;
    return list;
}

} // namespace

std::int64_t SystemBitManager::getBitFor(const Type* systemClass) {
    if (systemClass == nullptr || !systemClass->derivesFrom(EntitySystem::staticType())) {
        throw Error("Must extend EntitySystem");
    }
    auto& list = entries();
    for (const Entry& entry : list) {
        if (entry.systemClass == systemClass) {
            return entry.bit;
        }
    }
    const auto position = static_cast<std::int32_t>(list.size());
    if (position >= MAX_SYSTEMS) {
        throw Error("Cannot give a bit to more than 63 entity system classes");
    }
    list.push_back({systemClass, std::int64_t{1} << position});
    return list.back().bit;
}

} // namespace tarvex

#include "core/Object.hpp"

#include "core/TypeBuilder.hpp"

#include <functional>
#include <mutex>
#include <vector>

namespace tarvex {

const Type& Object::staticType() {
    static const Type& type = TypeBuilder<Object>("Object").build();
    return type;
}

namespace {

struct AddressRegistries {
    std::mutex mutex;
    std::vector<Object::ForgetFunction> forget;
};

AddressRegistries& addressRegistries() {
    // Never destroyed: objects may die during static destruction.
    static auto* registries = new AddressRegistries;
    return *registries;
}

} // namespace

Object::~Object() {
    if (_keptByAddress) {
        auto& registries = addressRegistries();
        std::vector<ForgetFunction> forget;
        {
            const std::lock_guard lock(registries.mutex);
            forget = registries.forget;
        }
        for (const ForgetFunction function : forget) {
            function(this);
        }
    }
}

void Object::addAddressRegistry(ForgetFunction forget) {
    auto& registries = addressRegistries();
    const std::lock_guard lock(registries.mutex);
    registries.forget.push_back(forget);
}

bool Object::isInstanceOf(const Type& type) const {
    return getType().derivesFrom(type);
}

int Object::Compare(const Object& other) const {
    if (this == &other) {
        return 0;
    }
    return std::less<const Object*>()(this, &other) ? -1 : 1;
}

std::string Object::ToString() const {
    return "<" + getType().getName() + ">";
}

} // namespace tarvex

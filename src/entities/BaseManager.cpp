#include "entities/BaseManager.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& BaseManager::staticType() {
    static const Type& type = TypeBuilder<BaseManager>("BaseManager").build();
    return type;
}

} // namespace tarvex

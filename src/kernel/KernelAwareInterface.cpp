#include "kernel/KernelAwareInterface.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& KernelAwareInterface::staticType() {
    static const Type& type = TypeBuilder<KernelAwareInterface>("KernelAwareInterface")
                                  .field("__kernel", &KernelAwareInterface::_kernel)
                                  .build();
    return type;
}

void KernelAwareInterface::autoloadServices(bool onlyTagged) {
    if (_kernel == nullptr) {
        return;
    }
    for (const Field& field : getType().getOwnFields()) {
        if (onlyTagged && field.getMetadata("autoload_service").empty()) {
            continue;
        }
        const Type& declared = field.getDeclaredType();
        if (!_inherits(&declared, GameService::staticType())) {
            continue;
        }
        field.write(*this, _kernel->getService(&declared));
    }
}

bool KernelAwareInterface::_inherits(const Type* type, const Type& baseType) {
    return type != nullptr && type->derivesFrom(baseType);
}

} // namespace tarvex

// Base of objects that hold the kernel and fill their own service fields from it (entity
// systems, screen-effect actions). `autoloadServices(true)` fills only the fields tagged with
// `autoload_service` metadata; `autoloadServices(false)` fills every field of a service type.
// Only fields declared by the concrete class itself are considered.
#pragma once

#include "kernel/GameKernel.hpp"

namespace tarvex {

class KernelAwareInterface : public Object {
    TARVEX_OBJECT(KernelAwareInterface, Object)
public:
    KernelAwareInterface() = default;

    virtual void setKernel(GameKernel* kernel) { _kernel = kernel; }
    [[nodiscard]] virtual GameKernel* getKernel() const { return _kernel; }
    virtual void autoloadServices(bool onlyTagged);
    // True when `type` is `baseType` or derives from it.
    [[nodiscard]] static bool _inherits(const Type* type, const Type& baseType);

private:
    GameKernel* _kernel = nullptr; // the kernel outlives everything it hands out
};

} // namespace tarvex

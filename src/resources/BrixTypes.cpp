#include "resources/BrixTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "kernel/KernelTypes.hpp"
#include "resources/BrixField.hpp"
#include "resources/BrixFile.hpp"
#include "resources/BrixGroup.hpp"

namespace tarvex {

void registerBrixTypes() {
    registerKernelTypes();
    TypeRegistry::instance().add<BrixField, BrixGroup, BrixFile>();
}

} // namespace tarvex

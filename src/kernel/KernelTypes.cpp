#include "kernel/KernelTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "kernel/DebugLogger.hpp"
#include "kernel/EventService.hpp"
#include "kernel/GameBase.hpp"
#include "kernel/KernelAwareInterface.hpp"

namespace tarvex {

void registerKernelTypes() {
    registerCoreTypes();
    platform::registerPlatformTypes();
    // Creates the process-wide priority-change notification before any kernel exists.
    (void)GameService::priorityChangeHook();
    TypeRegistry::instance()
        .add<IInjectable, InjectableObject, GameService, KernelInformationService,
             GameServiceCollection, GameServiceLocator, GameKernel, KernelAwareInterface, GameBase,
             GameEvent, EventHandler, EventService, DebugLogEntry, DebugTimer, DebugLogger,
             AbstractDebugLogSerializer, XmlDebugLogSerializer>();
}

} // namespace tarvex

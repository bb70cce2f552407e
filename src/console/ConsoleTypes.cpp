#include "console/ConsoleTypes.hpp"

#include "console/DebugConsoleService.hpp"
#include "core/TypeRegistry.hpp"
#include "kernel/KernelTypes.hpp"

namespace tarvex {

void registerConsoleTypes() {
    registerKernelTypes();
    TypeRegistry::instance()
        .add<IConsole, DebugConsole, ConsoleCommand, ConsoleCommandHandler, DebugConsoleService>();
}

} // namespace tarvex

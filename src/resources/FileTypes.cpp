#include "resources/FileTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "kernel/KernelTypes.hpp"
#include "resources/FileInformation.hpp"
#include "resources/ZipArchive.hpp"
#include "resources/ZipStreams.hpp"

namespace tarvex {

void registerFileTypes() {
    registerKernelTypes();
    TypeRegistry::instance().add<FileInformation, ZipArchive, ZipEngineStream>();
    registerZipStreams();
}

} // namespace tarvex

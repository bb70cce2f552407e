// Feeds arbitrary bytes to the resource definition reader and the resource manager. The input
// is split at its first NUL byte into a definition file and a second file it may include (or
// name as an asset), both served from memory, so includes, `file` names and string tables all
// read fuzzed bytes and never the disk. Every input must give definitions (possibly none) or
// the manager's error for an unknown type, never a crash, an out-of-bounds read or an
// unbounded allocation.
#include "core/Error.hpp"
#include "platform/Stream.hpp"
#include "resources/AnimationResource.hpp"
#include "resources/FileResource.hpp"
#include "resources/ResourceManager.hpp"
#include "resources/ResourceTypes.hpp"
#include "resources/StringTableResource.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    tarvex::registerResourceTypes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvex;
    const std::uint8_t* end = data + size;
    const std::uint8_t* split = std::find(data, end, std::uint8_t{0});
    platform::registerMemoryFile("fuzz-res/resources.brix", std::vector<std::uint8_t>(data, split));
    platform::registerMemoryFile("fuzz-res/inc.brix",
                                 std::vector<std::uint8_t>(split == end ? end : split + 1, end));

    ResourceManager manager;
    try {
        manager.loadResources("memory::fuzz-res/resources.brix", true);
    } catch (const Error&) {
        // A definition of a type no class loads; the ones before it stay registered.
    }
    for (const auto& name : manager.getResourceList()) {
        const auto resource = manager.getResource(name, true);
        // Images, sounds and fonts have fuzz targets of their own decoders; these read their
        // definitions or plain text.
        if (std::dynamic_pointer_cast<AnimationResource>(resource) ||
            std::dynamic_pointer_cast<StringTableResource>(resource) ||
            std::dynamic_pointer_cast<FileResource>(resource)) {
            (void)resource->get();
        }
        const auto& definition = *resource->getDefinition();
        for (const auto& group : definition.getDataFields()) {
            (void)definition.getData(group);
        }
        resource->free();
    }
    return 0;
}

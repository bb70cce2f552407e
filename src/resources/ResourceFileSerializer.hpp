// The reader of one resource definition file: given the file name, it answers the definitions
// the file declares, in the order read. The ResourceManager picks the reader by the file's
// extension, through the `extensions` metadata of the serializer classes ("brix"):
//
//     auto serializer = std::make_shared<BrixResourceFileSerializer>();
//     serializer->init("resource_db/objects/resources.brix");
//     for (const auto& definition : serializer->getResources()) { ... }
//
// The file is read on the first getResources(); a file that cannot be read yields no
// definitions (the serializer says why on standard error).
#pragma once

#include "core/Object.hpp"
#include "resources/ResourceDefinition.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvex {

class ResourceFileSerializer : public Object {
    TARVEX_OBJECT(ResourceFileSerializer, Object)
public:
    using Definitions = std::vector<Ref<ResourceDefinition>>;

    [[nodiscard]] virtual const std::string& getFilename() const { return _fileName; }
    // The definitions, reading the file on the first call.
    [[nodiscard]] virtual const Definitions& getResources();
    // Reads the file and marks it read.
    virtual void loadResources();
    virtual void _add(Ref<ResourceDefinition> definition);
    virtual void init(const std::string& file) { _fileName = file; }

    [[nodiscard]] bool isLoaded() const { return _isLoaded != 0; }

protected:
    virtual void _loadResources() = 0;

private:
    Definitions _definitions;
    std::string _fileName;
    std::uint8_t _isLoaded = 0;
};

} // namespace tarvex

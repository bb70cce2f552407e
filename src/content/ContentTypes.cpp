#include "content/ContentTypes.hpp"

#include "content/ContentDb.hpp"
#include "content/ContentSerializers.hpp"
#include "core/TypeRegistry.hpp"
#include "entities/EntityTypes.hpp"
#include "resources/BrixTypes.hpp"
#include "resources/ZipStreams.hpp"

namespace tarvex {

void registerContentTypes() {
    registerEntityTypes();
    registerBrixTypes();
    // Schema and template files may be named by "zip::" paths.
    registerZipStreams();
    TypeRegistry::instance()
        .add<ComponentField, ComponentSchema, ComponentTemplate, EntityTemplate, ContentDb,
             ComponentSchemaSerializer, BrixComponentSchemaSerializer, ContentDbSerializer,
             BrixContentDbSerializer>();
}

} // namespace tarvex

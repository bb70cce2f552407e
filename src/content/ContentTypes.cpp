#include "content/ContentTypes.hpp"

#include "content/ContentDb.hpp"
#include "content/ContentSerializers.hpp"
#include "core/TypeRegistry.hpp"
#include "entities/EntityTypes.hpp"
#include "resources/ResourceTypes.hpp"

namespace tarvex {

void registerContentTypes() {
    registerEntityTypes();
    // Brix files, and the "zip::" paths schema and template files may be named by.
    registerResourceTypes();
    TypeRegistry::instance()
        .add<ComponentField, ComponentSchema, ComponentTemplate, EntityTemplate, ContentDb,
             ComponentSchemaSerializer, BrixComponentSchemaSerializer, ContentDbSerializer,
             BrixContentDbSerializer>();
}

} // namespace tarvex

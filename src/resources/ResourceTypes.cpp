#include "resources/ResourceTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "resources/AnimationResource.hpp"
#include "resources/BrixResourceFileSerializer.hpp"
#include "resources/BrixTypes.hpp"
#include "resources/FileResource.hpp"
#include "resources/FileTypes.hpp"
#include "resources/FontResource.hpp"
#include "resources/ImageResource.hpp"
#include "resources/ResourceDbService.hpp"
#include "resources/ResourceService.hpp"
#include "resources/SoundResource.hpp"
#include "resources/StringTableResource.hpp"
#include "resources/TileResources.hpp"

namespace tarvex {

void registerResourceTypes() {
    registerBrixTypes();
    registerFileTypes(); // file information, zip archives and the "zip::"/"zipe::" schemes
    TypeRegistry::instance()
        .add<ResourceDefinition, BaseResource, ImageResource, AnimationResource, SoundResource,
             FileResource, FontResource, TileMapResource, TileSetResource, StringTableResource,
             StringTable, ResourceFileSerializer, BrixResourceFileSerializer, ResourceManager,
             ResourceService, ResourceDbService>();
}

} // namespace tarvex

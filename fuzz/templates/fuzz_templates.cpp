// Feeds arbitrary bytes to the content loaders: as a schema file, as a template file (or a
// template archive when it starts like one) over a fixed set of schemas, and as an entity file;
// the built templates are then spawned into a world. Raised errors are the loaders' designed
// answers to bad files; anything else (a crash, a hang in the inheritance walk, unbounded
// recursion or allocation) is a fault.
#include "content/ContentDb.hpp"
#include "content/ContentDbLoader.hpp"
#include "content/ContentTypes.hpp"
#include "content/EntityFactory.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "entities/World.hpp"
#include "platform/Stream.hpp"
#include "resources/BrixGroup.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

class FuzzShipComponent : public tarvex::EntityComponent {
    TARVEX_OBJECT(FuzzShipComponent, tarvex::EntityComponent)
public:
    std::int32_t hull = 0;
    float speed = 0;
    std::string label;
    bool armed = false;
    tarvex::Ref<tarvex::BrixGroup> cargo;
};

const char* const SCHEMAS = R"(
[t:component, n:ship] { internal* = cargo;
    [hull] { type = int; default = 1; } [speed] { type = float; default = 0.5; }
    [label] { type = string; } [armed] { type = bool; default = true; } }
[t:component, n:sprite] { [image] { type = string; default = none; } }
)";

bool setUp() {
    tarvex::registerContentTypes();
    tarvex::TypeRegistry::instance().add<FuzzShipComponent>();
    tarvex::platform::registerMemoryFile(
        "fuzz-schemas.brix",
        std::vector<std::uint8_t>(SCHEMAS, SCHEMAS + std::char_traits<char>::length(SCHEMAS)));
    return true;
}

} // namespace

const tarvex::Type& FuzzShipComponent::staticType() {
    static const tarvex::Type& type = tarvex::TypeBuilder<FuzzShipComponent>("FuzzShipComponent")
                                          .meta("name", "ship")
                                          .field("hull", &FuzzShipComponent::hull)
                                          .field("speed", &FuzzShipComponent::speed)
                                          .field("label", &FuzzShipComponent::label)
                                          .field("armed", &FuzzShipComponent::armed)
                                          .field("cargo", &FuzzShipComponent::cargo)
                                          .build();
    return type;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = setUp();
    (void)ready;
    tarvex::platform::registerMemoryFile("fuzz-input.brix",
                                         std::vector<std::uint8_t>(data, data + size));

    // The bytes as a schema file.
    (void)tarvex::ContentDbLoader::loadComponentSchema("memory::fuzz-input.brix");

    auto db = tarvex::ContentDb::Create();
    db->addComponentsFile("memory::fuzz-schemas.brix");
    db->loadComponentsFiles();
    try {
        if (size >= 2 && data[0] == 'P' && data[1] == 'K') {
            db->_loadTemplateFromArchive("memory::fuzz-input.brix");
        } else {
            tarvex::ContentDbLoader::LoadTemplateFromFile(*db, "memory::fuzz-input.brix");
        }
    } catch (const tarvex::Error&) {
        return 0;
    }
    db->buildTemplates();
    for (const auto& name : db->getObjectTemplateList()) {
        try {
            (void)db->getTemplateString(name + ".ship.hull");
        } catch (const tarvex::Error&) {
        }
    }
    tarvex::World world;
    tarvex::EntityFactory::setWorld(&world);
    (void)tarvex::EntityFactory::spawnEntities(db->getObjectTemplates(), true);
    try {
        if (auto entities =
                tarvex::ContentDbLoader::loadEntityTemplates(*db, "memory::fuzz-input.brix")) {
            (void)tarvex::EntityFactory::spawnEntities(*entities, false);
        }
    } catch (const tarvex::Error&) {
    }
    world.execute(16.0F);
    tarvex::EntityFactory::setWorld(nullptr);
    return 0;
}

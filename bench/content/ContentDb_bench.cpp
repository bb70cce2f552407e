// Building entities from templates: the factory's path from a three-level template (a root, a
// child overriding some fields, a grandchild overriding others) to components set by name in a
// world, and the template build itself.
//
//     bench_content --benchmark_counters_tabular=true
#include "content/ContentDb.hpp"
#include "content/ContentTypes.hpp"
#include "content/EntityFactory.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "entities/World.hpp"
#include "support/AllocationCounter.hpp"

#include <benchmark/benchmark.h>

namespace tarvex {
namespace {

class BodyComponent : public EntityComponent {
    TARVEX_OBJECT(BodyComponent, EntityComponent)
public:
    float x = 0;
    float y = 0;
    float x_velocity = 0;
    float y_velocity = 0;
    float opacity = 1;
    std::string sprite;
};

class SubmarineComponent : public EntityComponent {
    TARVEX_OBJECT(SubmarineComponent, EntityComponent)
public:
    std::int32_t depth = 0;
    std::int32_t score = 0;
    bool can_fire = false;
};

const Type& BodyComponent::staticType() {
    static const Type& type = TypeBuilder<BodyComponent>("BodyComponent")
                                  .meta("name", "body")
                                  .field("x", &BodyComponent::x)
                                  .field("y", &BodyComponent::y)
                                  .field("x_velocity", &BodyComponent::x_velocity)
                                  .field("y_velocity", &BodyComponent::y_velocity)
                                  .field("opacity", &BodyComponent::opacity)
                                  .field("sprite", &BodyComponent::sprite)
                                  .build();
    return type;
}

const Type& SubmarineComponent::staticType() {
    static const Type& type = TypeBuilder<SubmarineComponent>("SubmarineComponent")
                                  .meta("name", "submarine")
                                  .field("depth", &SubmarineComponent::depth)
                                  .field("score", &SubmarineComponent::score)
                                  .field("can_fire", &SubmarineComponent::can_fire)
                                  .build();
    return type;
}

Ref<ComponentSchema> schema(const std::string& name,
                            const std::vector<std::pair<std::string, std::string>>& fields) {
    auto created = ComponentSchema::Create(name, "");
    for (const auto& [field, type] : fields) {
        auto entry = std::make_shared<ComponentField>();
        entry->setName(field).setDataType(type).setDefaultValue(type == "bool" ? "false" : "1");
        created->addField(entry);
    }
    return created;
}

Ref<EntityTemplate>
addTemplate(ContentDb& db, const std::string& name, const std::string& parent,
            const std::vector<std::tuple<Ref<ComponentSchema>, std::string, std::string>>& values) {
    auto entityTemplate = EntityTemplate::Create(name, "", parent);
    for (const auto& [componentSchema, field, value] : values) {
        auto component = entityTemplate->getComponentTemplate(componentSchema->getName());
        if (!component) {
            component = ComponentTemplate::Create(componentSchema);
            entityTemplate->addComponentTemplate(component);
        }
        component->_setFieldValue(field, value);
    }
    db.registerGameObjectTemplate(entityTemplate);
    return entityTemplate;
}

// Enemy <- Submarine <- Hunter: three levels, eight fields over two components.
Ref<ContentDb> threeLevels() {
    registerContentTypes();
    TypeRegistry::instance().add<BodyComponent, SubmarineComponent>();
    EntityFactory::_setup();
    auto db = ContentDb::Create();
    const auto body = schema("body", {{"x", "float"},
                                      {"y", "float"},
                                      {"x_velocity", "float"},
                                      {"y_velocity", "float"},
                                      {"opacity", "float"},
                                      {"sprite", "string"}});
    const auto submarine =
        schema("submarine", {{"depth", "int"}, {"score", "int"}, {"can_fire", "bool"}});
    db->registerComponentSchema(body);
    db->registerComponentSchema(submarine);
    addTemplate(*db, "Enemy", "", {{body, "sprite", "depthrun.objects.enemy"}});
    addTemplate(
        *db, "Submarine", "Enemy",
        {{body, "x_velocity", "12.5"}, {submarine, "depth", "120"}, {submarine, "score", "50"}});
    addTemplate(
        *db, "Hunter", "Submarine",
        {{submarine, "can_fire", "true"}, {body, "sprite", "depthrun.objects.submarine_left"}});
    db->buildTemplates();
    return db;
}

// Spawns 10000 entities from the grandchild template into a fresh world and refreshes them.
void SpawnFromThreeLevelTemplate(benchmark::State& state) {
    const auto db = threeLevels();
    const auto hunter = db->getObjectTemplate("Hunter");
    const auto count = state.range(0);
    std::int64_t allocations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto world = std::make_unique<World>();
        EntityFactory::setWorld(world.get());
        state.ResumeTiming();
        const auto before = bench::allocationCount();
        for (std::int64_t i = 0; i < count; ++i) {
            EntityFactory::spawnObject(hunter, "hunter")->refresh();
        }
        world->execute(16.0F);
        allocations += bench::allocationCount() - before;
        state.PauseTiming();
        EntityFactory::setWorld(nullptr);
        world.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["ns_per_entity"] =
        benchmark::Counter(static_cast<double>(state.iterations() * count),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocs_per_entity"] =
        static_cast<double>(allocations) / static_cast<double>(state.iterations() * count);
}
BENCHMARK(SpawnFromThreeLevelTemplate)->Arg(10000)->Unit(benchmark::kMillisecond);

// Completing 1000 three-level families from their parents and schemas.
void BuildTemplates(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto db = threeLevels();
        const auto body = db->getComponentSchema("body");
        for (int i = 0; i < 1000; ++i) {
            const std::string n = std::to_string(i);
            addTemplate(*db, "Root" + n, "", {{body, "x", n}});
            addTemplate(*db, "Child" + n, "Root" + n, {{body, "y", n}});
            addTemplate(*db, "Leaf" + n, "Child" + n, {{body, "opacity", "0.5"}});
        }
        state.ResumeTiming();
        db->buildTemplates();
    }
    state.SetItemsProcessed(state.iterations() * 3000);
}
BENCHMARK(BuildTemplates)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvex

BENCHMARK_MAIN();

// What the loading screen costs: registering the seven definition files of the game's
// resource_db (definitions read, resource objects made, settings read), and then reading every
// resource once (PNGs decoded, WAV and Ogg Vorbis decoded, levels read).
//
//     bench_resources --benchmark_filter=ResourceDb
#include "core/TextConversion.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "resources/ResourceService.hpp"
#include "resources/ResourceTypes.hpp"

#include <benchmark/benchmark.h>
#include <string>

namespace tarvex {
namespace {

// The level class belongs to the game; this stand-in reads the same settings so that the level
// file is registered and read as the game will.
class BenchLevelResource : public BaseResource {
    TARVEX_OBJECT(BenchLevelResource, BaseResource)
public:
    std::int32_t sum = 0;

protected:
    void _loadDefinition() override {
        for (const char* key :
             {"level_number", "stage_number", "enemies_to_destroy", "time_limit", "number_of_fish",
              "total_charges", "total_sonars", "mine_frequency"}) {
            sum += toInt(_setting(key, "0"));
        }
        sum += static_cast<std::int32_t>(toFloat(_setting("speed_multiplier", "1")) +
                                         toFloat(_setting("enemy_aggression", "0")));
        sum += static_cast<std::int32_t>(_setting("time_of_day", "sunny").size());
    }
    void _load() override {}
    void _free() override {}
    [[nodiscard]] ObjectRef _get() override { return nullptr; }
};

const Type& BenchLevelResource::staticType() {
    static const Type& type = TypeBuilder<BenchLevelResource>("BenchLevelResource")
                                  .meta("resource_type", "game_level")
                                  .build();
    return type;
}

void registerTypes() {
    registerResourceTypes();
    TypeRegistry::instance().add<BenchLevelResource>();
}

constexpr const char* AREAS[] = {"audio",   "backgrounds", "levels", "music",
                                 "objects", "particles",   "ui"};

std::string definitionFile(const char* area) {
    return std::string(TARVEX_RESOURCE_DB) + "/" + area + "/resources.brix";
}

void registerResourceDb(ResourceService& service) {
    for (const char* area : AREAS) {
        service.loadResourceFile(definitionFile(area), true);
    }
}

void RegisterResourceDb(benchmark::State& state) {
    registerTypes();
    std::size_t resources = 0;
    for (auto _ : state) {
        ResourceService service;
        registerResourceDb(service);
        resources = service.getResourceNames().size();
        benchmark::DoNotOptimize(resources);
    }
    state.counters["resources"] = static_cast<double>(resources);
}
BENCHMARK(RegisterResourceDb)->Unit(benchmark::kMicrosecond);

void LoadResourceDbOnce(benchmark::State& state) {
    registerTypes();
    std::size_t resources = 0;
    for (auto _ : state) {
        ResourceService service;
        registerResourceDb(service);
        const auto names = service.getResourceNames();
        for (const auto& name : names) {
            benchmark::DoNotOptimize(service.getObject(name, false));
        }
        resources = names.size();
    }
    state.counters["resources"] = static_cast<double>(resources);
}
BENCHMARK(LoadResourceDbOnce)->Unit(benchmark::kMillisecond);

// The same for one content area at a time, to show where the time goes.
void LoadResourceDbArea(benchmark::State& state) {
    registerTypes();
    const char* area = AREAS[state.range(0)];
    state.SetLabel(area);
    for (auto _ : state) {
        ResourceService service;
        service.loadResourceFile(definitionFile(area), false);
    }
}
BENCHMARK(LoadResourceDbArea)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace tarvex

// Reading tile maps: a 256 x 256 map of 4 layers (512 KiB of cells) through the loader, from
// memory, and the cost of a cell lookup.
//
//     bench_tilemaps --benchmark_counters_tabular=true
#include "platform/Stream.hpp"
#include "support/AllocationCounter.hpp"
#include "tilemaps/TileMapLoader.hpp"
#include "tilemaps/TileMapTypes.hpp"

#include <benchmark/benchmark.h>

namespace tarvex {
namespace {

constexpr int SIDE = 256;
constexpr int LAYERS = 4;

std::vector<std::uint8_t> mapFile() {
    auto map = TileMap::Create(SIDE, SIDE, LAYERS);
    for (int layer = 0; layer < LAYERS; ++layer) {
        for (int y = 0; y < SIDE; ++y) {
            for (int x = 0; x < SIDE; ++x) {
                map->setTile(layer, x, y, (x * 7 + y * 13 + layer) % 512);
            }
        }
    }
    map->setMeta("name", "benchmark");
    map->setMeta("tileset", "harbour.tileset");
    platform::MemoryStream out(std::vector<std::uint8_t>{}, true);
    (void)BinaryTileMapSerializer().Save(out, *map);
    return {out.bytes().begin(), out.bytes().end()};
}

void LoadTileMap256x256x4(benchmark::State& state) {
    registerTileMapTypes();
    platform::registerMemoryFile("bench.tilemap", mapFile());
    std::int64_t allocations = 0;
    for (auto _ : state) {
        const auto before = bench::allocationCount();
        auto map = TileMapLoader::LoadTileMap("memory::bench.tilemap");
        allocations += bench::allocationCount() - before;
        benchmark::DoNotOptimize(map);
    }
    state.SetBytesProcessed(state.iterations() * SIDE * SIDE * LAYERS * 2);
    state.counters["allocs_per_map"] =
        static_cast<double>(allocations) / static_cast<double>(state.iterations());
}
BENCHMARK(LoadTileMap256x256x4)->Unit(benchmark::kMicrosecond);

void GetTile(benchmark::State& state) {
    auto map = TileMap::Create(SIDE, SIDE, LAYERS);
    std::uint32_t sum = 0;
    for (auto _ : state) {
        for (int y = 0; y < SIDE; ++y) {
            for (int x = 0; x < SIDE; ++x) {
                sum += map->getTile(1, x, y);
            }
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * SIDE * SIDE);
}
BENCHMARK(GetTile)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvex

BENCHMARK_MAIN();

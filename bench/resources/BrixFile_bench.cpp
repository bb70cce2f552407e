// Parsing the game's seven resource definition files, held in memory so that only the reader is
// measured, and answering a dotted query from a parsed file (first time and cached).
//
//     bench_resources --benchmark_counters_tabular=true
#include "resources/BrixFile.hpp"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <vector>

namespace tarvex {
namespace {

const std::vector<std::string>& definitionFiles() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> texts;
        for (const char* folder :
             {"audio", "backgrounds", "levels", "music", "objects", "particles", "ui"}) {
            const auto bytes = platform::loadBytes(
                std::string(TARVEX_RESOURCE_DB) + "/" + folder + "/resources.brix", 1 << 20);
            if (!bytes) {
                std::fprintf(stderr, "cannot read %s/resources.brix\n", folder);
                continue;
            }
            texts.emplace_back(bytes->begin(), bytes->end());
        }
        return texts;
    }();
    return files;
}

void ParseResourceFiles(benchmark::State& state) {
    const auto& files = definitionFiles();
    std::size_t bytes = 0;
    for (const auto& text : files) {
        bytes += text.size();
    }
    for (auto _ : state) {
        for (const auto& text : files) {
            BrixFile file;
            benchmark::DoNotOptimize(file.loadFromString(text));
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
    state.counters["files"] = static_cast<double>(files.size());
}
BENCHMARK(ParseResourceFiles)->Unit(benchmark::kMicrosecond);

void QueryLevelField(benchmark::State& state) {
    BrixFile file;
    file.loadFromString(definitionFiles().at(2)); // levels
    const bool cached = state.range(0) != 0;
    for (auto _ : state) {
        if (!cached) {
            file.resetCache();
        }
        benchmark::DoNotOptimize(file.QueryFloat("resources.level_1_3.speed_multiplier"));
    }
}
BENCHMARK(QueryLevelField)->Arg(0)->Arg(1);

} // namespace
} // namespace tarvex

BENCHMARK_MAIN();

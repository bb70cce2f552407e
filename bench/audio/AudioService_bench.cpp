// How soon music sounds: the game's longest piece ("depthrun.music.title", 45.7 s of Ogg
// Vorbis) started with playMusic on a fresh resource service, as the title screen does on its
// first appearance, with the definition registered lazily as the loading screen leaves it.
// Measured: the main thread's playMusic (the file read and checked, a decoder opened) and
// then the device buffers (1024 frames at 44100 Hz) mixed until one holds an audible sample.
// For comparison, decoding the whole piece up front, and what the audio thread spends on the
// streamed piece per second of music, with the longest single buffer (the mixer's lock hold).
//
//     bench_audio --benchmark_counters_tabular=true
#include "audio/AudioService.hpp"
#include "audio/AudioTypes.hpp"
#include "kernel/GameKernel.hpp"
#include "platform/AudioDevice.hpp"
#include "resources/ResourceService.hpp"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <span>
#include <string>
#include <vector>

namespace {

using namespace tarvex;
using Clock = std::chrono::steady_clock;

constexpr std::size_t BUFFER_FRAMES = 1024;
const std::string TITLE = std::string(TARVEX_RESOURCE_DB) + "/music/title.ogg";

// An output the benchmark pulls from itself.
class PulledDevice : public platform::AudioDevice {
public:
    PulledDevice() : AudioDevice(44100) {}
    [[nodiscard]] bool isSilent() const override { return true; }
    [[nodiscard]] bool isOpen() const override { return true; }
    void close() override {}
};

class PulledDriver : public platform::AudioDriver {
public:
    explicit PulledDriver(Ref<PulledDevice> device) : _device(std::move(device)) {}
    [[nodiscard]] std::string name() const override { return "Pulled"; }
    [[nodiscard]] Ref<platform::AudioDevice> open() override { return _device; }

private:
    Ref<PulledDevice> _device;
};

bool audible(std::span<const std::int16_t> buffer) {
    return std::any_of(buffer.begin(), buffer.end(),
                       [](std::int16_t s) { return s > 64 || s < -64; });
}

double ms(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// CPU time of this thread, so that other processes on a busy machine do not count.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

void BM_PlayMusicToFirstAudibleSample(benchmark::State& state) {
    registerAudioTypes();
    std::vector<std::int16_t> buffer(BUFFER_FRAMES * 2);
    double playMs = 0;
    double playCpuMs = 0;
    double buffers = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto device = std::make_shared<PulledDevice>();
        platform::setAudioDriver(std::make_shared<PulledDriver>(device));
        GameKernel kernel;
        auto resources = std::make_shared<ResourceService>();
        auto audio = std::make_shared<AudioService>();
        kernel.addService(nullptr, resources);
        kernel.addService(nullptr, audio);
        resources->loadResourceFile(std::string(TARVEX_RESOURCE_DB) + "/music/resources.brix",
                                    true);
        state.ResumeTiming();

        const auto start = Clock::now();
        const double startCpu = threadCpuMs();
        audio->playMusic("depthrun.music.title");
        playCpuMs += threadCpuMs() - startCpu;
        playMs += ms(Clock::now() - start);
        int pulled = 0;
        do {
            device->mixer().mix(std::span(buffer));
            ++pulled;
        } while (!audible(buffer) && pulled < 1000);
        buffers += pulled;

        state.PauseTiming();
        platform::setAudioDriver(nullptr);
        state.ResumeTiming();
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["playMusic_ms"] = playMs / runs;
    state.counters["playMusic_cpu_ms"] = playCpuMs / runs;
    state.counters["buffers_to_audible"] = buffers / runs;
}

void BM_DecodeWholeLongestPiece(benchmark::State& state) {
    const auto bytes = platform::loadBytes(TITLE, platform::MAX_PCM_BYTES);
    for (auto _ : state) {
        auto pcm = platform::decodeOgg(*bytes);
        benchmark::DoNotOptimize(pcm);
    }
}

void BM_StreamedMusicOneSecondOnTheAudioThread(benchmark::State& state) {
    const auto sound = platform::Sound::load(TITLE, platform::SOUND_LOOP);
    platform::AudioMixer mixer(44100);
    const auto channel = mixer.play(sound);
    channel->setRate(0.9f); // as at night: the interpolating path
    std::vector<std::int16_t> buffer(BUFFER_FRAMES * 2);
    double longest = 0;
    double total = 0;
    double count = 0;
    for (auto _ : state) {
        for (std::size_t frames = 0; frames < 44100; frames += BUFFER_FRAMES) {
            const double start = threadCpuMs();
            mixer.mix(std::span(buffer));
            const double spent = threadCpuMs() - start;
            longest = std::max(longest, spent);
            total += spent;
            ++count;
        }
        benchmark::DoNotOptimize(buffer.data());
    }
    state.counters["buffer_cpu_ms"] = total / count;
    state.counters["longest_buffer_cpu_ms"] = longest;
}

} // namespace

BENCHMARK(BM_PlayMusicToFirstAudibleSample)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_DecodeWholeLongestPiece)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_StreamedMusicOneSecondOnTheAudioThread)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

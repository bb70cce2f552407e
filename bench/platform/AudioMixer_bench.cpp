// The audio mixer under load: 16 channels (mono 22050 Hz sounds, as the game's effects are)
// mixed into one second of 44100 Hz stereo output, in the 1024-frame buffers the SDL device
// asks for. Every heap allocation of the process is counted: mixing must make none.
//
//     bench_platform --benchmark_counters_tabular=true
#include "platform/AudioMixer.hpp"
#include "platform/Sound.hpp"
#include "support/AllocationCounter.hpp"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

using tarvex::platform::AudioMixer;
using tarvex::platform::PcmAudio;
using tarvex::platform::Sound;

tarvex::Ref<Sound> tone(int frames, double frequency) {
    PcmAudio pcm;
    pcm.channels = 1;
    pcm.sampleRate = 22050;
    for (int i = 0; i < frames; ++i) {
        pcm.samples.push_back(
            static_cast<std::int16_t>(3000.0 * std::sin(6.283185307 * frequency * i / 22050)));
    }
    return std::make_shared<Sound>(std::move(pcm), true);
}

template <class Sample> void mixSixteenChannels(benchmark::State& state) {
    AudioMixer mixer(44100);
    std::vector<tarvex::Ref<tarvex::platform::AudioChannel>> channels;
    for (int i = 0; i < 16; ++i) {
        auto channel = mixer.play(tone(20000 + i * 997, 220.0 + i * 30));
        // Mixed rates, so the interpolation path is the one measured.
        channel->setRate(0.8f + 0.03f * static_cast<float>(i));
        channel->setVolume(0.5f);
        channels.push_back(channel);
    }
    std::vector<Sample> buffer(2 * 1024);
    std::int64_t allocations = 0;
    for (auto _ : state) {
        const auto before = tarvex::bench::allocationCount();
        for (int frames = 0; frames < 44100; frames += 1024) {
            mixer.mix(std::span(buffer));
        }
        allocations += tarvex::bench::allocationCount() - before;
        benchmark::DoNotOptimize(buffer.data());
    }
    state.counters["allocations"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

void BM_MixOneSecondSixteenChannelsInt16(benchmark::State& state) {
    mixSixteenChannels<std::int16_t>(state);
}
void BM_MixOneSecondSixteenChannelsFloat(benchmark::State& state) {
    mixSixteenChannels<float>(state);
}

BENCHMARK(BM_MixOneSecondSixteenChannelsInt16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MixOneSecondSixteenChannelsFloat)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

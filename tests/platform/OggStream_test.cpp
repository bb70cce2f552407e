#include "platform/AudioMixer.hpp"
#include "platform/OggStream.hpp"
#include "platform/Sound.hpp"
#include "support/AudioTestData.hpp"

#include <atomic>
#include <cmath>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace tarvex::platform {
namespace {

using testing::sourceFileBytes;
using testing::sourcePath;

// The same file decoded whole, as the reference the streamed sound must sound like.
Ref<Sound> decodedWhole(const std::vector<std::uint8_t>& bytes, bool loop) {
    auto pcm = decodeOgg(bytes);
    return pcm ? std::make_shared<Sound>(std::move(*pcm), loop) : nullptr;
}

// Float stereo frames of one sound played alone at the given rate.
std::vector<float> mixAlone(const Ref<Sound>& sound, float rate, std::size_t frames) {
    AudioMixer mixer(44100);
    const auto channel = mixer.play(sound);
    if (!channel) {
        return {};
    }
    channel->setRate(rate);
    std::vector<float> out(frames * 2);
    // Device-sized buffers, so the decoder is asked again and again as it would be.
    for (std::size_t done = 0; done < out.size(); done += 2048) {
        const std::size_t count = std::min<std::size_t>(2048, out.size() - done);
        mixer.mix(std::span(out.data() + done, count));
    }
    return out;
}

void expectSameMix(const std::vector<float>& streamed, const std::vector<float>& reference,
                   float tolerance) {
    ASSERT_EQ(streamed.size(), reference.size());
    std::size_t differing = 0;
    std::size_t first = 0;
    for (std::size_t i = 0; i < streamed.size(); ++i) {
        if (std::fabs(streamed[i] - reference[i]) > tolerance) {
            first = differing == 0 ? i : first;
            ++differing;
        }
    }
    EXPECT_EQ(differing, 0u) << "of " << streamed.size() << " samples, first at " << first;
}

TEST(OggStream, LongMusicIsStreamedAndShortSoundsAreDecodedOnLoading) {
    const auto music = Sound::load(sourcePath("resource_db/music/title.ogg"), SOUND_LOOP);
    ASSERT_TRUE(music);
    EXPECT_TRUE(music->isStreamed());
    EXPECT_TRUE(music->samples().empty());
    EXPECT_GT(music->durationMs(), Sound::STREAM_LONGER_THAN_MS);

    const auto effect = Sound::load(sourcePath("fuzz/corpus/ogg/mono-8k.ogg"));
    ASSERT_TRUE(effect);
    EXPECT_FALSE(effect->isStreamed());
    EXPECT_EQ(effect->samples().size(), effect->frameCount());

    const auto forced = Sound::load(sourcePath("fuzz/corpus/ogg/mono-8k.ogg"), SOUND_STREAM);
    ASSERT_TRUE(forced);
    EXPECT_TRUE(forced->isStreamed());
    EXPECT_EQ(forced->frameCount(), effect->frameCount());
}

TEST(OggStream, StreamedMusicMixesLikeTheWholeDecodedPiece) {
    const auto bytes = sourceFileBytes("resource_db/music/title.ogg");
    const auto streamed = Sound::decode(bytes, SOUND_LOOP);
    const auto reference = decodedWhole(bytes, true);
    ASSERT_TRUE(streamed && reference);
    ASSERT_TRUE(streamed->isStreamed());
    constexpr std::size_t threeSeconds = std::size_t{3} * 44100;
    // 22050 Hz into 44100 Hz is an exact half step: the very same samples.
    expectSameMix(mixAlone(streamed, 1.0f, threeSeconds), mixAlone(reference, 1.0f, threeSeconds),
                  0.0f);
    // Other rates accumulate the position differently, so only rounding may differ.
    expectSameMix(mixAlone(streamed, 0.9f, threeSeconds), mixAlone(reference, 0.9f, threeSeconds),
                  1e-4f);
}

TEST(OggStream, StreamedLoopsWrapSeamlesslyAndUnloopedSoundsEnd) {
    for (const char* name : {"fuzz/corpus/ogg/mono-8k.ogg", "fuzz/corpus/ogg/stereo-11k.ogg"}) {
        const auto bytes = sourceFileBytes(name);
        const auto looped = Sound::decode(bytes, SOUND_STREAM | SOUND_LOOP);
        const auto reference = decodedWhole(bytes, true);
        ASSERT_TRUE(looped && reference) << name;
        // Three times round the loop. 8000 Hz steps are inexact in binary, so the positions
        // may differ by rounding between the two ways of keeping them.
        const auto frames = static_cast<std::size_t>(3 * reference->durationMs() * 44.1);
        expectSameMix(mixAlone(looped, 1.0f, frames), mixAlone(reference, 1.0f, frames), 1e-4f);

        AudioMixer mixer(44100);
        const auto once = mixer.play(Sound::decode(bytes, SOUND_STREAM));
        ASSERT_TRUE(once) << name;
        std::vector<float> out(frames * 2);
        mixer.mix(std::span(out));
        EXPECT_FALSE(once->isPlaying()) << name;
        EXPECT_EQ(out.back(), 0.0f) << name << ": silent after its end";
    }
}

TEST(OggStream, EachChannelDecodesOnItsOwn) {
    const auto sound = Sound::decode(sourceFileBytes("fuzz/corpus/ogg/mono-8k.ogg"), SOUND_STREAM);
    ASSERT_TRUE(sound);
    AudioMixer mixer(44100);
    const auto first = mixer.play(sound);
    const auto second = mixer.play(sound);
    ASSERT_TRUE(first && second);
    std::vector<float> out(std::size_t{512} * 2);
    mixer.mix(std::span(out));
    const auto alone = mixAlone(sound, 1.0f, 512);
    for (std::size_t i = 0; i < out.size(); ++i) {
        ASSERT_NEAR(out[i], std::clamp(2.0f * alone[i], -1.0f, 1.0f), 1e-6f) << "sample " << i;
    }
}

TEST(OggStream, MainThreadSteersStreamedMusicWhileTheAudioThreadDecodesIt) {
    const auto music = Sound::load(sourcePath("resource_db/music/daytime.ogg"), SOUND_LOOP);
    ASSERT_TRUE(music && music->isStreamed());
    AudioMixer mixer(44100);
    std::atomic<int> pulls{0};
    std::atomic<bool> done{false};
    std::thread audio([&] {
        std::vector<std::int16_t> out(2 * 1024);
        while (!done) {
            mixer.mix(std::span(out));
            ++pulls;
        }
    });
    // Tracks started, bent and stopped as the game does, while every pull decodes.
    for (int i = 0; i < 50; ++i) {
        const auto channel = mixer.play(music);
        ASSERT_TRUE(channel);
        const int seen = pulls;
        while (pulls < seen + 2) {
            std::this_thread::yield();
        }
        channel->setVolume(0.5f);
        channel->setRate(0.9f);
        channel->stop();
    }
    done = true;
    audio.join();
    EXPECT_EQ(mixer.playingCount(), 0u);
}

TEST(OggStream, DamagedFilesGiveNoSound) {
    const auto bytes = sourceFileBytes("resource_db/music/daytime.ogg");
    ASSERT_FALSE(bytes.empty());
    for (const std::size_t size : {std::size_t{4}, std::size_t{58}, std::size_t{3000}}) {
        const std::span<const std::uint8_t> cut(bytes.data(), size);
        EXPECT_FALSE(OggStream::open(cut)) << "cut at " << size;
        EXPECT_FALSE(Sound::decode(cut)) << "cut at " << size;
    }
    auto scrambled = bytes;
    for (std::size_t i = 40; i < 400; ++i) {
        scrambled[i] ^= 0x5A;
    }
    EXPECT_FALSE(Sound::decode(scrambled));
    EXPECT_FALSE(OggStream::open(sourceFileBytes("fuzz/corpus/wav/mono16.wav")));

    // A piece cut short plays what is there and then ends.
    const std::span<const std::uint8_t> half(bytes.data(), bytes.size() / 2);
    const auto shortened = Sound::decode(half);
    ASSERT_TRUE(shortened);
    AudioMixer mixer(44100);
    const auto channel = mixer.play(shortened);
    ASSERT_TRUE(channel);
    std::vector<float> out(static_cast<std::size_t>(shortened->durationMs() * 44.1 + 4096) * 2);
    mixer.mix(std::span(out));
    EXPECT_FALSE(channel->isPlaying());
}

} // namespace
} // namespace tarvex::platform

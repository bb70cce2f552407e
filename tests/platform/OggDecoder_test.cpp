#include "platform/AudioDecoders.hpp"
#include "support/AudioTestData.hpp"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace tarvex::platform {
namespace {

using testing::sourceFileBytes;

// Loudest sample, to tell real audio from decoded silence.
int peak(const PcmAudio& pcm) {
    int loudest = 0;
    for (const std::int16_t sample : pcm.samples) {
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    return loudest;
}

TEST(OggDecoder, DecodesTheGamesMusic) {
    for (const char* name : {"resource_db/music/title.ogg", "resource_db/music/daytime.ogg"}) {
        const auto bytes = sourceFileBytes(name);
        ASSERT_FALSE(bytes.empty()) << name;
        const auto pcm = decodeOgg(bytes);
        ASSERT_TRUE(pcm) << name;
        EXPECT_EQ(pcm->channels, 1) << name;
        EXPECT_EQ(pcm->sampleRate, 22050) << name;
        EXPECT_GT(pcm->frameCount(), 10u * 22050) << name << " lasts more than ten seconds";
        EXPECT_GT(peak(*pcm), 1000) << name;
    }
}

TEST(OggDecoder, DecodesStereoAndOtherRates) {
    const auto pcm = decodeOgg(sourceFileBytes("fuzz/corpus/ogg/stereo-11k.ogg"));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->channels, 2);
    EXPECT_EQ(pcm->sampleRate, 11025);
    EXPECT_NEAR(static_cast<double>(pcm->frameCount()), 0.25 * 11025, 2.0);
    EXPECT_GT(peak(*pcm), 10000);
}

TEST(OggDecoder, RefusesDamagedOrForeignData) {
    const auto bytes = sourceFileBytes("fuzz/corpus/ogg/mono-8k.ogg");
    ASSERT_TRUE(decodeOgg(bytes));
    EXPECT_FALSE(decodeOgg(std::vector<std::uint8_t>{}));
    EXPECT_FALSE(decodeOgg(std::vector<std::uint8_t>{'O', 'g', 'g', 'S'}));
    EXPECT_FALSE(decodeOgg(sourceFileBytes("fuzz/corpus/wav/mono16.wav")));
    // Cut inside the stream headers.
    for (const std::size_t size : {std::size_t{27}, std::size_t{100}, std::size_t{600}}) {
        EXPECT_FALSE(decodeOgg(std::span(bytes.data(), size))) << "cut at " << size;
    }
    // Headers scrambled.
    auto scrambled = bytes;
    for (std::size_t i = 40; i < 200; ++i) {
        scrambled[i] ^= 0x5A;
    }
    EXPECT_FALSE(decodeOgg(scrambled));
}

TEST(OggDecoder, PcmBeyondTheLimitIsRefused) {
    const auto bytes = sourceFileBytes("fuzz/corpus/ogg/mono-8k.ogg");
    const auto pcm = decodeOgg(bytes);
    ASSERT_TRUE(pcm);
    const std::size_t needed = pcm->samples.size() * sizeof(std::int16_t);
    EXPECT_TRUE(decodeOgg(bytes, needed));
    EXPECT_FALSE(decodeOgg(bytes, needed - 2));
}

} // namespace
} // namespace tarvex::platform

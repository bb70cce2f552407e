#include "platform/AudioDecoders.hpp"
#include "support/AudioTestData.hpp"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace tarvex::platform {
namespace {

using testing::sourcePath;
using testing::WavBuilder;

using Samples = std::vector<std::int16_t>;

TEST(WavDecoder, DecodesSixteenBitMonoAndStereo) {
    const auto mono =
        decodeWav(WavBuilder().format(1, 16, 22050).data16({0, 1, -1, 32767, -32768}).bytes());
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->channels, 1);
    EXPECT_EQ(mono->sampleRate, 22050);
    EXPECT_EQ(mono->samples, (Samples{0, 1, -1, 32767, -32768}));

    const auto stereo =
        decodeWav(WavBuilder().format(2, 16, 44100).data16({100, -100, 200, -200}).bytes());
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->channels, 2);
    EXPECT_EQ(stereo->frameCount(), 2u);
    EXPECT_EQ(stereo->samples, (Samples{100, -100, 200, -200}));
}

TEST(WavDecoder, DecodesEightBitUnsignedAroundTheMiddle) {
    const auto mono = decodeWav(WavBuilder().format(1, 8, 8000).data8({0, 128, 255, 64}).bytes());
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->samples, (Samples{-32768, 0, 32512, -16384}));

    const auto stereo =
        decodeWav(WavBuilder().format(2, 8, 11025).data8({128, 0, 255, 128}).bytes());
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->channels, 2);
    EXPECT_EQ(stereo->sampleRate, 11025);
    EXPECT_EQ(stereo->samples, (Samples{0, -32768, 32512, 0}));
}

TEST(WavDecoder, SkipsUnknownAndOddSizedChunks) {
    const auto bytes = WavBuilder()
                           .chunk("LIST", {1, 2, 3})
                           .format(1, 16, 8000)
                           .chunk("fact", {9})
                           .data16({42, -42})
                           .chunk("junk", {7, 7, 7, 7, 7})
                           .bytes();
    const auto pcm = decodeWav(bytes);
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->samples, (Samples{42, -42}));
}

TEST(WavDecoder, ToleratesAMissingPadByteAtTheEnd) {
    const auto bytes = WavBuilder().format(1, 8, 8000).data8({128, 255, 0}, false).bytes();
    const auto pcm = decodeWav(bytes);
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->samples, (Samples{0, 32512, -32768}));
}

TEST(WavDecoder, DropsAPartialLastFrame) {
    const auto pcm = decodeWav(WavBuilder().format(2, 16, 8000).data8({1, 0, 2, 0, 3, 0}).bytes());
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->samples, (Samples{1, 2}));
}

TEST(WavDecoder, RefusesWhatItCannotPlay) {
    const std::vector<std::uint8_t> pcm16{1, 0, 2, 0};
    EXPECT_FALSE(decodeWav(WavBuilder().format(1, 32, 8000, 3).data8(pcm16).bytes()))
        << "float samples";
    EXPECT_FALSE(decodeWav(WavBuilder().format(1, 24, 8000).data8({1, 2, 3}).bytes()));
    EXPECT_FALSE(decodeWav(WavBuilder().format(3, 16, 8000).data8({1, 0, 2, 0, 3, 0}).bytes()));
    EXPECT_FALSE(decodeWav(WavBuilder().format(0, 16, 8000).data8(pcm16).bytes()));
    EXPECT_FALSE(decodeWav(WavBuilder().format(1, 16, 0).data8(pcm16).bytes()));
    EXPECT_FALSE(decodeWav(WavBuilder().format(1, 16, 8000).data8({}).bytes())) << "no samples";
    EXPECT_FALSE(decodeWav(WavBuilder().data8(pcm16).bytes())) << "no format";
    EXPECT_FALSE(decodeWav(WavBuilder().format(1, 16, 8000).bytes())) << "no data";
    EXPECT_FALSE(
        decodeWav(WavBuilder().format(1, 16, 8000).format(1, 16, 8000).data8(pcm16).bytes()));
    EXPECT_FALSE(decodeWav(std::vector<std::uint8_t>{'R', 'I', 'F', 'F'}));
    EXPECT_FALSE(decodeWav(std::vector<std::uint8_t>{}));

    auto notWave = WavBuilder().format(1, 16, 8000).data8(pcm16).bytes();
    notWave[8] = 'A';
    EXPECT_FALSE(decodeWav(notWave));
    auto badBlockAlign = WavBuilder().format(2, 16, 8000).data8(pcm16).bytes();
    badBlockAlign[12 + 8 + 12] = 1;
    EXPECT_FALSE(decodeWav(badBlockAlign));
}

TEST(WavDecoder, EveryTruncationIsRefused) {
    const auto bytes = WavBuilder().format(2, 16, 8000).data16({1, 2, 3, 4, 5, 6}).bytes();
    ASSERT_TRUE(decodeWav(bytes));
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        EXPECT_FALSE(decodeWav(std::span(bytes.data(), size))) << "cut at " << size;
    }
}

TEST(WavDecoder, PcmBeyondTheLimitIsRefused) {
    const auto bytes =
        WavBuilder().format(1, 8, 8000).data8(std::vector<std::uint8_t>(100, 128)).bytes();
    EXPECT_TRUE(decodeWav(bytes, 200));
    EXPECT_FALSE(decodeWav(bytes, 199)) << "8-bit samples count twice once decoded";
}

TEST(WavDecoder, DecodesTheGamesSoundEffects) {
    int decoded = 0;
    for (const auto& entry : std::filesystem::directory_iterator(sourcePath("resource_db/audio"))) {
        if (entry.path().extension() != ".wav") {
            continue;
        }
        const auto bytes = loadBytes(entry.path().string(), MAX_PCM_BYTES);
        ASSERT_TRUE(bytes) << entry.path();
        const auto pcm = decodeWav(*bytes);
        ASSERT_TRUE(pcm) << entry.path();
        EXPECT_EQ(pcm->sampleRate, 22050) << entry.path();
        EXPECT_GT(pcm->frameCount(), 1000u) << entry.path();
        ++decoded;
    }
    EXPECT_GE(decoded, 10);
}

} // namespace
} // namespace tarvex::platform

#include "platform/Sound.hpp"
#include "support/AudioTestData.hpp"

#include <gtest/gtest.h>

namespace tarvex::platform {
namespace {

using testing::sourcePath;
using testing::WavBuilder;

TEST(Sound, LoadsWavAndOggFilesWithTheLoopFlag) {
    const auto effect = Sound::load(sourcePath("resource_db/audio/sonar.wav"));
    ASSERT_TRUE(effect);
    EXPECT_FALSE(effect->isLooped());
    EXPECT_EQ(effect->channels(), 1);
    EXPECT_NEAR(effect->durationMs(), 2000.0, 1.0);

    const auto music = Sound::load(sourcePath("resource_db/music/daytime.ogg"), SOUND_LOOP);
    ASSERT_TRUE(music);
    EXPECT_TRUE(music->isLooped());
    EXPECT_EQ(music->sampleRate(), 22050);
}

TEST(Sound, FormatIsToldByContentNotByName) {
    registerMemoryFile("sound-test-wav.ogg",
                       WavBuilder().format(1, 16, 8000).data16({5, 6, 7}).bytes());
    const auto wav = Sound::load("memory::sound-test-wav.ogg");
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->frameCount(), 3u);
    EXPECT_EQ(wav->samples()[2], 7);

    const auto ogg = loadBytes(sourcePath("fuzz/corpus/ogg/mono-8k.ogg"), 1 << 20);
    ASSERT_TRUE(ogg);
    registerMemoryFile("sound-test-ogg.wav", *ogg);
    const auto vorbis = Sound::load("memory::sound-test-ogg.wav");
    ASSERT_TRUE(vorbis);
    EXPECT_EQ(vorbis->sampleRate(), 8000);
}

// A stream that cannot seek, as archive members may be.
class ForwardOnlyStream : public MemoryStream {
public:
    explicit ForwardOnlyStream(std::vector<std::uint8_t> bytes) : MemoryStream(std::move(bytes)) {}
    bool seek(std::int64_t /*position*/) override { return false; }
    [[nodiscard]] std::int64_t size() const override { return -1; }
};

TEST(Sound, LoadsFromStreamsThatCannotSeek) {
    const auto ogg = loadBytes(sourcePath("fuzz/corpus/ogg/stereo-11k.ogg"), 1 << 20);
    ASSERT_TRUE(ogg);
    registerStreamScheme("forward", [&](const std::string&, int) -> Ref<Stream> {
        return std::make_shared<ForwardOnlyStream>(*ogg);
    });
    const auto sound = Sound::load("forward::music.ogg");
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->channels(), 2);
}

TEST(Sound, UnreadableSourcesGiveNull) {
    EXPECT_FALSE(Sound::load(sourcePath("resource_db/audio/no-such-sound.wav")));
    EXPECT_FALSE(Sound::load(sourcePath("resource_db/audio/resources.brix")));
    EXPECT_FALSE(Sound::load("nosuchscheme::x.wav"));
    registerMemoryFile("sound-test-short", {'R', 'I'});
    EXPECT_FALSE(Sound::load("memory::sound-test-short"));
    auto truncated = WavBuilder().format(1, 16, 8000).data16({1, 2, 3, 4}).bytes();
    truncated.resize(truncated.size() - 3);
    EXPECT_FALSE(Sound::decode(truncated));
}

} // namespace
} // namespace tarvex::platform

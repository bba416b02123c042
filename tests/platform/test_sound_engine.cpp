// The sound layer on OpenAL Soft's null backend (a working device without
// output), limited to eight sources, and its decoder.

#include "platform/sound/createsoundengine.h"
#include "platform/sound/isound.h"
#include "platform/sound/isoundengine.h"
#include "platform/sound/sounddecoder.h"
#include "platform/sound/soundref.h"
#include "tests/support/soundfiles.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

using namespace platform::sound;

namespace
{
const testsupport::OpenAlTestConfig g_openAl("null", "sources = 8\n");
constexpr int kSources = 8;

class SoundEngineTest : public ::testing::Test
{
protected:
    SoundEngineTest()
    {
        testsupport::writeTone("short.wav", 0.05, 1);
        testsupport::writeTone("tone.wav", 0.5, 2);
        testsupport::writeTone("music/Long.ogg", 1.0, 2, testsupport::ToneFormat::kOggVorbis);
    }

    ISound* playTracked(const char* file, bool paused, StreamMode mode = StreamMode::kAutoDetect)
    {
        return m_engine->play2D(file, false, paused, true, mode);
    }

    //! Starts paused tracked tones into held until it has count of them; the
    //! engine frees sources on its own thread, so this retries for a while.
    bool holdUntil(std::vector<SoundRef<ISound>>& held, std::size_t count)
    {
        return testsupport::waitUntil([&] {
            while (held.size() < count)
            {
                SoundRef<ISound> sound(playTracked("tone.wav", true));
                if (!sound)
                    return false;
                held.push_back(std::move(sound));
            }
            return true;
        });
    }

    testsupport::TempWorkDir m_dir;
    SoundRef<ISoundEngine> m_engine{createIrrKlangDevice()};
};

TEST_F(SoundEngineTest, OnlyTheLayersVersionOpensAnEngine)
{
    ASSERT_TRUE(m_engine);
    SoundRef<ISoundEngine> other(
        createIrrKlangDevice(OutputDriver::kAutoDetect, kDefaultEngineOptions, nullptr, "1.3.0"));
    EXPECT_FALSE(other);
    SoundRef<ISoundEngine> none(
        createIrrKlangDevice(OutputDriver::kAutoDetect, kDefaultEngineOptions, nullptr, nullptr));
    EXPECT_FALSE(none);
}

TEST_F(SoundEngineTest, FilesThatCannotBePlayedGiveNoSound)
{
    testsupport::writeFile("garbage.wav", "RIFF but not really a sound file");
    EXPECT_EQ(m_engine->play2D("missing.wav", false, false, true), nullptr);
    EXPECT_EQ(m_engine->play2D("garbage.wav", false, false, true), nullptr);
    EXPECT_EQ(m_engine->play3D("", SoundVector(), false, false, true), nullptr);
    EXPECT_EQ(m_engine->play2D(nullptr, false, false, true), nullptr);
}

TEST_F(SoundEngineTest, PathsAreResolvedLikeTheGameSpellsThem)
{
    SoundRef<ISound> sound(m_engine->play2D("MUSIC\\long.ogg", false, true, true));
    EXPECT_TRUE(sound);
}

TEST_F(SoundEngineTest, FinishedAndAbandonedSoundsFreeTheirSources)
{
    // Untracked sounds end by themselves; untracked paused ones are never started.
    for (int i = 0; i < kSources; ++i)
    {
        EXPECT_EQ(m_engine->play2D("short.wav"), nullptr);
        EXPECT_EQ(m_engine->play2D("tone.wav", true, true, false), nullptr);
    }

    std::vector<SoundRef<ISound>> held;
    ASSERT_TRUE(holdUntil(held, kSources)) << "every source must be free again once the short sounds end";
    EXPECT_EQ(playTracked("tone.wav", true), nullptr) << "no source left: no sound, no crash";

    // A paused sound nobody holds can never resume: the engine lets it go.
    held.clear();
    std::vector<SoundRef<ISound>> again;
    EXPECT_TRUE(holdUntil(again, kSources));
}

TEST_F(SoundEngineTest, StopAllSoundsFinishesEveryHandle)
{
    SoundRef<ISound> first(m_engine->play2D("tone.wav", true, false, true));
    SoundRef<ISound> second(m_engine->play3D("tone.wav", SoundVector(1, 2, 3), true, true, true));
    ASSERT_TRUE(first && second);
    m_engine->stopAllSounds();
    EXPECT_TRUE(first->isFinished());
    EXPECT_TRUE(second->isFinished());
    second->setIsPaused(false);
    EXPECT_TRUE(second->isFinished()) << "a finished sound cannot be resumed";
    EXPECT_FALSE(second->setPlayPosition(0));
}

TEST_F(SoundEngineTest, HandlesStayUsableAfterTheEngineIsGone)
{
    SoundRef<ISound> sound(m_engine->play3D("tone.wav", SoundVector(), true, false, true));
    ASSERT_TRUE(sound);
    m_engine.reset();
    EXPECT_TRUE(sound->isFinished());
    sound->setVolume(0.3f);
    sound->setPosition(SoundVector(1, 1, 1));
    sound->setIsPaused(true);
    EXPECT_FLOAT_EQ(sound->getVolume(), 0.3f);
}

TEST_F(SoundEngineTest, VolumesAndDistancesRefuseNegativeValues)
{
    SoundRef<ISound> sound(playTracked("tone.wav", true));
    ASSERT_TRUE(sound);
    EXPECT_FLOAT_EQ(sound->getVolume(), 1.0f);
    sound->setVolume(-0.5f);
    EXPECT_FLOAT_EQ(sound->getVolume(), 0.0f);
    sound->setVolume(0.25f);
    EXPECT_FLOAT_EQ(sound->getVolume(), 0.25f);
    sound->setMinDistance(-3.0f);
    m_engine->setSoundVolume(-1.0f);
    EXPECT_FLOAT_EQ(m_engine->getSoundVolume(), 0.0f);
    m_engine->setListenerPosition(SoundVector(1, 2, 3), SoundVector(0, 0, 0));
}

TEST_F(SoundEngineTest, EffectControlExistsOnlyWithEffectsEnabled)
{
    SoundRef<ISound> plain(m_engine->play2D("tone.wav", false, true, true, StreamMode::kAutoDetect, false));
    SoundRef<ISound> withEffects(m_engine->play2D("tone.wav", false, true, true, StreamMode::kAutoDetect, true));
    ASSERT_TRUE(plain && withEffects);
    EXPECT_EQ(plain->getSoundEffectControl(), nullptr);
    EXPECT_NE(withEffects->getSoundEffectControl(), nullptr);
}

TEST_F(SoundEngineTest, PlayPositionMustLieInsideTheFile)
{
    for (const StreamMode mode : {StreamMode::kNoStream, StreamMode::kStream})
    {
        SoundRef<ISound> sound(playTracked("music/Long.ogg", true, mode));
        ASSERT_TRUE(sound);
        EXPECT_TRUE(sound->setPlayPosition(0));
        EXPECT_TRUE(sound->setPlayPosition(900));
        EXPECT_FALSE(sound->setPlayPosition(1500));
        sound->setIsPaused(false);
        EXPECT_TRUE(sound->setPlayPosition(500));
        EXPECT_FALSE(sound->isFinished());
    }
}

TEST_F(SoundEngineTest, StreamsPlayToTheirEnd)
{
    const auto start = std::chrono::steady_clock::now();
    SoundRef<ISound> stream(playTracked("music/Long.ogg", false, StreamMode::kStream));
    ASSERT_TRUE(stream);
    EXPECT_FALSE(stream->isFinished());
    ASSERT_TRUE(testsupport::waitUntil([&] { return stream->isFinished(); })) << "the stream never ended";
    // The device plays in real time: a one-second stream cannot end much sooner.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
}

TEST(SoundDecoderTest, MixesToOneChannelWhenAskedOrWhenThereAreMoreThanTwo)
{
    testsupport::TempWorkDir dir;
    testsupport::writeTone("stereo.wav", 0.1, 2);
    testsupport::writeTone("surround.wav", 0.1, 6);

    SoundDecoder stereo("stereo.wav", false);
    ASSERT_TRUE(stereo.isOpen());
    EXPECT_EQ(stereo.getChannels(), 2);
    EXPECT_EQ(stereo.getSampleRate(), 44100);
    EXPECT_EQ(stereo.getFrameCount(), 4410);

    SoundDecoder mono("stereo.wav", true);
    EXPECT_EQ(mono.getChannels(), 1);
    SoundDecoder surround("surround.wav", false);
    EXPECT_EQ(surround.getChannels(), 1);

    std::vector<std::int16_t> stereoSamples;
    std::vector<std::int16_t> monoSamples;
    EXPECT_EQ(stereo.read(stereoSamples, 10000), 4410u);
    EXPECT_EQ(mono.read(monoSamples, 10000), 4410u);
    ASSERT_EQ(stereoSamples.size(), 2 * monoSamples.size());
    // Frame 25 is the sine's peak: 0.5 of full scale in both layouts.
    EXPECT_NEAR(monoSamples[25], 16384, 2);
    EXPECT_NEAR(stereoSamples[50], monoSamples[25], 1);
    EXPECT_EQ(stereo.read(stereoSamples, 10), 0u) << "nothing after the end";

    EXPECT_TRUE(stereo.seek(25));
    std::vector<std::int16_t> again;
    EXPECT_EQ(stereo.read(again, 1), 1u);
    EXPECT_NEAR(again[0], 16384, 2);
    EXPECT_FALSE(stereo.seek(4411));
}

TEST(SoundDecoderTest, UnreadableFilesDoNotOpen)
{
    testsupport::TempWorkDir dir;
    testsupport::writeFile("empty.wav", "");
    EXPECT_FALSE(SoundDecoder("empty.wav", false).isOpen());
    EXPECT_FALSE(SoundDecoder("missing.ogg", true).isOpen());
    std::vector<std::int16_t> samples;
    SoundDecoder missing("missing.ogg", false);
    EXPECT_EQ(missing.read(samples, 100), 0u);
}
} // namespace

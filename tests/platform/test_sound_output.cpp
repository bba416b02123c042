// The sound layer against OpenAL Soft's wave backend: what it plays is
// recorded into a WAV file and measured.

#include "platform/sound/createsoundengine.h"
#include "platform/sound/isound.h"
#include "platform/sound/isoundengine.h"
#include "platform/sound/soundref.h"
#include "tests/support/soundfiles.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

using namespace platform::sound;
using testsupport::Recording;

namespace
{
const testsupport::OpenAlTestConfig g_openAl("wave");

//! Each recording opens the device, plays, waits and closes it again; the
//! wave backend rewrites its file at every opening. Waits count recorded
//! output, not wall time, so a slow machine only makes them longer.
class SoundOutputTest : public ::testing::Test
{
protected:
    SoundOutputTest()
    {
        testsupport::writeTone("tone.wav", 0.15, 1);
        testsupport::writeTone("stereo.ogg", 0.3, 2, testsupport::ToneFormat::kOggVorbis);
    }

    void openEngine()
    {
        m_engine = SoundRef<ISoundEngine>(createIrrKlangDevice());
        ASSERT_TRUE(m_engine) << "the wave backend must open";
    }

    Recording closeAndRead()
    {
        m_engine.reset();
        return testsupport::readRecording(g_openAl.outputPath());
    }

    //! Level of a channel while the sound plays steadily (start and end ramps left out).
    static double steadyLevel(const Recording& recording, int channel)
    {
        const long first = recording.firstAudibleFrame();
        const long last = recording.lastAudibleFrame();
        if (first < 0)
            return 0.0;
        const long margin = recording.framesOf(0.05);
        return recording.rms(channel, first + margin, last - margin);
    }

    //! Plays a looped tone at that volume for a while and returns the recording.
    Recording recordLoopedTone(float volume)
    {
        openEngine();
        SoundRef<ISound> sound(m_engine->play2D("tone.wav", true, true, true));
        EXPECT_TRUE(sound);
        if (sound)
        {
            sound->setVolume(volume);
            sound->setIsPaused(false);
        }
        EXPECT_TRUE(g_openAl.waitForOutput(400));
        return closeAndRead();
    }

    //! A looped 3D tone ten units to the side of the listener, inside its full-volume distance.
    Recording recordToneBeside(float x, const SoundVector& lookDirection)
    {
        openEngine();
        m_engine->setListenerPosition(SoundVector(0, 0, 0), lookDirection);
        SoundRef<ISound> sound(m_engine->play3D("tone.wav", SoundVector(x, 0, 0), true, true, true));
        EXPECT_TRUE(sound);
        if (sound)
        {
            sound->setMinDistance(20.0f);
            sound->setIsPaused(false);
        }
        EXPECT_TRUE(g_openAl.waitForOutput(400));
        return closeAndRead();
    }

    testsupport::TempWorkDir m_dir;
    SoundRef<ISoundEngine> m_engine;
};

TEST_F(SoundOutputTest, TwoDimensionalVolumeScalesTheLevel)
{
    const Recording full = recordLoopedTone(1.0f);
    ASSERT_EQ(full.channels, 2);
    const double fullLeft = steadyLevel(full, 0);
    const double fullRight = steadyLevel(full, 1);
    EXPECT_GT(fullLeft, 0.1);
    EXPECT_NEAR(fullLeft, fullRight, 0.02 * fullLeft) << "a 2D sound sits in the middle";

    const Recording half = recordLoopedTone(0.5f);
    EXPECT_NEAR(steadyLevel(half, 0) / fullLeft, 0.5, 0.03) << "volume 0.5 is 6 dB down";
    EXPECT_NEAR(steadyLevel(half, 1) / fullRight, 0.5, 0.03);

    const Recording negative = recordLoopedTone(-1.0f);
    EXPECT_EQ(negative.firstAudibleFrame(), -1) << "a negative volume counts as 0";
}

TEST_F(SoundOutputTest, PauseSilencesAndResumeContinues)
{
    openEngine();
    SoundRef<ISound> sound(m_engine->play2D("tone.wav", true, false, true));
    ASSERT_TRUE(sound);
    EXPECT_TRUE(g_openAl.waitForOutput(250));
    sound->setIsPaused(true);
    EXPECT_TRUE(sound->getIsPaused());
    EXPECT_TRUE(g_openAl.waitForOutput(400));
    EXPECT_FALSE(sound->isFinished()) << "a paused sound is not finished";
    const Recording paused = closeAndRead();
    EXPECT_TRUE(sound->isFinished()) << "closing the engine ends every sound";
    ASSERT_GE(paused.firstAudibleFrame(), 0);
    const long end = paused.frames();
    EXPECT_LT(paused.rms(0, end - paused.framesOf(0.2), end), 1e-4);

    openEngine();
    SoundRef<ISound> resumed(m_engine->play2D("tone.wav", true, true, true));
    ASSERT_TRUE(resumed);
    EXPECT_TRUE(g_openAl.waitForOutput(400));
    resumed->setIsPaused(false);
    EXPECT_TRUE(g_openAl.waitForOutput(300));
    const Recording later = closeAndRead();
    const long first = later.firstAudibleFrame();
    EXPECT_GT(first, later.framesOf(0.2)) << "nothing sounds while it starts paused";
    EXPECT_GT(later.lastAudibleFrame(), later.frames() - later.framesOf(0.1));
}

TEST_F(SoundOutputTest, ThreeDimensionalSoundFollowsTheListenersSides)
{
    const SoundVector ahead(0, 0, 1);
    const Recording right = recordToneBeside(10.0f, ahead);
    EXPECT_GT(steadyLevel(right, 1), 2.0 * steadyLevel(right, 0)) << "+x is to the right of a listener facing +z";

    const Recording left = recordToneBeside(-10.0f, ahead);
    EXPECT_GT(steadyLevel(left, 0), 2.0 * steadyLevel(left, 1));

    const Recording turned = recordToneBeside(10.0f, SoundVector(0, 0, -1));
    EXPECT_GT(steadyLevel(turned, 0), 2.0 * steadyLevel(turned, 1)) << "facing -z, +x is on the left";
}

TEST_F(SoundOutputTest, LoopedSoundOutlastsItsLengthAndPlainOneEnds)
{
    openEngine();
    SoundRef<ISound> looped(m_engine->play2D("tone.wav", true, false, true));
    SoundRef<ISound> once(m_engine->play2D("tone.wav", false, false, true));
    ASSERT_TRUE(looped && once);
    EXPECT_TRUE(g_openAl.waitForOutput(450));
    EXPECT_FALSE(looped->isFinished());
    EXPECT_TRUE(once->isFinished());
    looped->stop();
    EXPECT_TRUE(looped->isFinished());
    EXPECT_TRUE(g_openAl.waitForOutput(100));
    const Recording recording = closeAndRead();
    const long first = recording.firstAudibleFrame();
    ASSERT_GE(first, 0);
    const long length = recording.framesOf(0.15);
    EXPECT_GT(recording.rms(0, first + 2 * length, first + 3 * length - recording.framesOf(0.02)), 0.05)
        << "the loop still sounds after twice the tone's length";
    EXPECT_LT(recording.rms(0, recording.frames() - recording.framesOf(0.05), recording.frames()), 1e-4)
        << "stop silences it";
}

TEST_F(SoundOutputTest, DroppedHandleKeepsPlaying)
{
    openEngine();
    ISound* sound = m_engine->play2D("tone.wav", true, false, true);
    ASSERT_NE(sound, nullptr);
    sound->drop();
    EXPECT_EQ(m_engine->play2D("tone.wav", true, false, false), nullptr) << "untracked plays hand out no handle";
    EXPECT_TRUE(g_openAl.waitForOutput(400));
    const Recording recording = closeAndRead();
    ASSERT_GE(recording.firstAudibleFrame(), 0);
    EXPECT_GT(recording.lastAudibleFrame(), recording.frames() - recording.framesOf(0.1));
}

TEST_F(SoundOutputTest, StreamedOggLoopsAndMasterVolumeScales)
{
    openEngine();
    SoundRef<ISound> stream(m_engine->play2D("stereo.ogg", true, false, true, StreamMode::kStream));
    ASSERT_TRUE(stream);
    EXPECT_TRUE(g_openAl.waitForOutput(500));
    m_engine->setSoundVolume(0.5f);
    EXPECT_FLOAT_EQ(m_engine->getSoundVolume(), 0.5f);
    EXPECT_TRUE(g_openAl.waitForOutput(600));
    EXPECT_FALSE(stream->isFinished());
    const Recording recording = closeAndRead();
    const long first = recording.firstAudibleFrame();
    ASSERT_GE(first, 0);
    // Before the change: 0.05 to 0.3 s; after it: the last 0.4 s (the loop has turned three times).
    const double before = recording.rms(0, first + recording.framesOf(0.05), first + recording.framesOf(0.3));
    const long end = recording.lastAudibleFrame();
    const double after = recording.rms(0, end - recording.framesOf(0.4), end - recording.framesOf(0.05));
    EXPECT_GT(before, 0.1);
    EXPECT_NEAR(after / before, 0.5, 0.05);
    EXPECT_GT(end, recording.frames() - recording.framesOf(0.1));
}
} // namespace

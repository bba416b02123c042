// A tone of the musical component through the real sound layer, recorded by
// OpenAL Soft's wave backend.

#include "code/src/logic/standardphysicscomponent.h"
#include "code/src/songs/playermusicalcomponent.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/inputcomponent.h"
#include "code/src/world/visualcomponent.h"
#include "platform/sound/createsoundengine.h"
#include "platform/sound/isoundengine.h"
#include "tests/code/logic/manualclock.h"
#include "tests/support/soundfiles.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Belgarune;

namespace
{
const testsupport::OpenAlTestConfig g_openAl("wave");
} // namespace

TEST(ToneSoundOutput, PressedToneSoundsAndReleasedOneFadesToSilenceInHalfASecond)
{
    testsupport::TempWorkDir dir;
    testsupport::writeTone("sounds/D.wav", 1.0, 1);
    platform::sound::SoundRef<platform::sound::ISoundEngine> engine(platform::sound::createIrrKlangDevice());
    ASSERT_TRUE(engine) << "the wave backend must open";
    logictest::ManualClock clock;
    GameActor actor(1, nullptr, std::make_unique<StandardPhysicsComponent>(5), nullptr, nullptr);
    auto component = std::make_unique<PlayerMusicalComponent>(1, 1.0f, engine.get(), clock);

    component->setTone(0, true);
    component->update(&actor, nullptr);
    ASSERT_TRUE(g_openAl.waitForOutput(300));
    component->setTone(0, false);
    for (clock.timer = 0; clock.timer <= 600; clock.timer += 50)
    {
        component->update(&actor, nullptr);
        ASSERT_TRUE(g_openAl.waitForOutput(50));
    }
    ASSERT_TRUE(g_openAl.waitForOutput(300));
    component.reset();
    engine.reset();

    const testsupport::Recording recording = testsupport::readRecording(g_openAl.outputPath());
    const long first = recording.firstAudibleFrame();
    const long last = recording.lastAudibleFrame();
    ASSERT_GE(first, 0) << "the pressed tone must sound";
    const double steady = recording.rms(0, first, first + recording.framesOf(0.25));
    EXPECT_GT(steady, 0.1);
    // Held for 300 ms, then 500 ms of fade. The mix runs in real time, so a busy
    // machine may lengthen it; only the lower bound is firm.
    EXPECT_GT(last - first, recording.framesOf(0.55));
    EXPECT_LT(recording.rms(0, last - recording.framesOf(0.1), last), steady / 2);
    EXPECT_LT(last, recording.frames() - recording.framesOf(0.2)) << "silent after the fade";
}

// Without an audio device the program goes on: the device logs language text
// 3, and the sound manager ignores every request.

#include "platform/textfile.h"
#include "talvoren/eventmanager.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/processmanager/processmanager.h"
#include "talvoren/soundsystem/fadesoundevent.h"
#include "talvoren/soundsystem/playsoundevent.h"
#include "talvoren/soundsystem/soundengine.h"
#include "talvoren/soundsystem/soundmanager.h"
#include "tests/support/nulldevice.h"
#include "tests/support/soundfiles.h"

#include <gtest/gtest.h>

using Talvoren::SoundManager;

namespace
{
const testsupport::OpenAlTestConfig g_openAl("no-such-backend");

class SoundWithoutDeviceTest : public testsupport::NullDeviceTest
{
};

TEST_F(SoundWithoutDeviceTest, StartUpLogsTheFailureAndGoesOn)
{
    const std::string failure = platform::narrow(m_device->getText(3).c_str());
    EXPECT_NE(m_startMessages.find("Talvoren: " + failure), std::string::npos) << m_startMessages;
    ASSERT_NE(m_device->getSoundManager(), nullptr);
    EXPECT_FALSE(m_device->getSoundManager()->hasEngine());
    EXPECT_EQ(Talvoren::getSoundEngine(), nullptr);
    EXPECT_EQ(m_device->getSoundManager()->init(), SoundManager::kInitEngineFailed);
}

TEST_F(SoundWithoutDeviceTest, RequestsAndVolumesAreIgnored)
{
    testsupport::writeTone("tone.wav", 0.2, 1);
    SoundManager& manager = *m_device->getSoundManager();
    std::shared_ptr<EventManager> events = m_device->getEventManager();

    auto play = std::make_shared<PlaySoundEvent>(L"tone.wav");
    play->id = 1;
    EXPECT_FALSE(events->trigger(*play));
    play->id = PlaySoundEvent::kUntracked;
    EXPECT_TRUE(events->queueEvent(play));
    auto fade = std::make_shared<FadeSoundEvent>();
    fade->soundId = 1;
    fade->durationMs = 100.0f;
    EXPECT_TRUE(events->queueEvent(fade));
    events->tick(IEventManager::kInfinite);
    m_device->getProcessManager()->update(200);

    EXPECT_TRUE(manager.getTrackedSounds().empty());
    EXPECT_FALSE(m_device->getProcessManager()->hasProcesses());
    EXPECT_FALSE(manager.stopSound(1));
    manager.setMasterVolume(0.5f);
    manager.setTrackedVolume(0.5f);
    manager.setUntrackedVolume(0.5f);
    manager.setSoundEnabled(false);
    EXPECT_FALSE(manager.hasEngine());
}
} // namespace

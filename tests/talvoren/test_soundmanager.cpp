// The sound manager: its requests and fades against a recording engine, and
// its wiring in the device against OpenAL Soft's null backend (a working
// device without output).

#include "platform/sound/isound.h"
#include "platform/sound/isoundengine.h"
#include "platform/textfile.h"
#include "talvoren/eventmanager.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/processmanager/processmanager.h"
#include "talvoren/soundsystem/fadesoundevent.h"
#include "talvoren/soundsystem/fadesoundprocess.h"
#include "talvoren/soundsystem/playsoundevent.h"
#include "talvoren/soundsystem/soundengine.h"
#include "talvoren/soundsystem/soundmanager.h"
#include "talvoren/soundsystem/soundobject.h"
#include "tests/support/fakesoundengine.h"
#include "tests/support/nulldevice.h"
#include "tests/support/soundfiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace platform::sound;
using Talvoren::SoundManager;
using testsupport::FakeSound;
using testsupport::FakeSoundEngine;
using testsupport::Journal;

namespace
{
const testsupport::OpenAlTestConfig g_openAl("null");


std::shared_ptr<PlaySoundEvent> playRequest(const wchar_t* file, std::int32_t id, float volume = 1.0f,
                                            bool loop = false)
{
    auto request = std::make_shared<PlaySoundEvent>(file);
    request->id = id;
    request->volume = volume;
    request->loop = loop;
    return request;
}

std::shared_ptr<FadeSoundEvent> fadeRequest(std::int32_t id, float target, float durationMs, bool stopAtEnd)
{
    auto request = std::make_shared<FadeSoundEvent>();
    request->soundId = id;
    request->targetVolume = target;
    request->durationMs = durationMs;
    request->stopAtEnd = stopAtEnd;
    return request;
}

//! A device on the null video driver whose sound manager plays into a FakeSoundEngine.
class SoundManagerTest : public testsupport::NullDeviceTest
{
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        m_manager = m_device->getSoundManager();
        ASSERT_NE(m_manager, nullptr);
        m_engine = new FakeSoundEngine(m_journal);
        m_manager->m_engine = SoundRef<ISoundEngine>(m_engine);
    }

    void play(const wchar_t* file, std::int32_t id, float volume = 1.0f, bool loop = false)
    {
        EXPECT_FALSE(m_manager->handleEvent(playRequest(file, id, volume, loop))) << "sound events are never consumed";
    }
    void updateRealTime(std::uint32_t ms) { m_device->getProcessManager()->update(ms); }

    Journal m_journal;
    SoundManager* m_manager = nullptr;
    FakeSoundEngine* m_engine = nullptr;
};

TEST_F(SoundManagerTest, PlayRequestStartsPausedTrackedWithEffectsThenUnpauses)
{
    play(L"sounds/T\u00e4t.wav", 5, 1.0f, true);
    ASSERT_EQ(m_engine->plays.size(), 1u);
    const FakeSoundEngine::Play& call = m_engine->plays[0];
    EXPECT_EQ(call.fileName, "sounds/T\xe4t.wav") << "the wide name is narrowed character by character";
    EXPECT_TRUE(call.looped);
    EXPECT_TRUE(call.startPaused);
    EXPECT_TRUE(call.track);
    EXPECT_TRUE(call.effects);
    EXPECT_FALSE(m_engine->sounds[0]->paused);
    ASSERT_NE(m_manager->findSound(5), nullptr);
    EXPECT_EQ(m_manager->findSound(5)->sound.get(), m_engine->sounds[0].get());
    EXPECT_EQ(m_manager->findSound(6), nullptr);
}

TEST_F(SoundManagerTest, SecondPlayWithTheSameIdStopsAndReleasesTheFirst)
{
    play(L"a.wav", 1);
    play(L"b.wav", 1);
    ASSERT_EQ(m_manager->getTrackedSounds().size(), 1u);
    EXPECT_TRUE(m_engine->sounds[0]->stopped);
    EXPECT_TRUE(m_engine->onlyEngineHolds(0)) << "the manager released the first handle";
    EXPECT_FALSE(m_engine->sounds[1]->stopped);
    EXPECT_EQ(m_manager->findSound(1)->sound.get(), m_engine->sounds[1].get());
}

TEST_F(SoundManagerTest, FileThatCannotPlayKeepsTheEarlierSoundOfItsId)
{
    play(L"a.wav", 1);
    play(L"missing.wav", 1);
    ASSERT_EQ(m_manager->getTrackedSounds().size(), 1u);
    EXPECT_FALSE(m_engine->sounds[0]->stopped);
}

TEST_F(SoundManagerTest, TrackedVolumesScaleTheRequestedVolume)
{
    m_manager->setTrackedVolume(0.8f);
    play(L"a.wav", 1, 0.5f);
    play(L"b.wav", 2, 2.0f);
    play(L"c.wav", 3, 1.0f);
    EXPECT_FLOAT_EQ(m_engine->sounds[0]->volume, 0.4f);
    EXPECT_FLOAT_EQ(m_engine->sounds[1]->volume, 0.8f);
    EXPECT_FLOAT_EQ(m_engine->sounds[2]->volume, 0.8f);

    m_manager->setTrackedVolume(0.5f);
    for (const SoundRef<FakeSound>& sound : m_engine->sounds)
        EXPECT_FLOAT_EQ(sound->volume, 0.5f);
}

TEST_F(SoundManagerTest, UntrackedPlaysUseTheUntrackedVolumeAndReleaseTheirHandleAtOnce)
{
    m_manager->setUntrackedVolume(0.3f);
    play(L"a.wav", PlaySoundEvent::kUntracked, 0.5f);
    ASSERT_EQ(m_engine->sounds.size(), 1u);
    EXPECT_FLOAT_EQ(m_engine->sounds[0]->volume, 0.3f);
    EXPECT_FALSE(m_engine->sounds[0]->paused);
    EXPECT_FALSE(m_engine->sounds[0]->stopped) << "it plays on";
    EXPECT_TRUE(m_engine->onlyEngineHolds(0));
    EXPECT_TRUE(m_manager->getTrackedSounds().empty());
}

TEST_F(SoundManagerTest, StopSoundFindsOnlyTrackedIds)
{
    play(L"a.wav", 7);
    EXPECT_FALSE(m_manager->stopSound(8));
    EXPECT_TRUE(m_manager->stopSound(7));
    EXPECT_TRUE(m_engine->sounds[0]->stopped);
    EXPECT_TRUE(m_engine->onlyEngineHolds(0));
    EXPECT_FALSE(m_manager->stopSound(7));
}

TEST_F(SoundManagerTest, FadeFollowsALinearCurveAndStopsAtTheEnd)
{
    play(L"a.wav", 2);
    EXPECT_FALSE(m_manager->handleEvent(fadeRequest(2, 0.0f, 1000.9f, true)));
    EXPECT_TRUE(m_device->getProcessManager()->hasProcess(Talvoren::FadeSoundProcess::kProcessType));
    FakeSound& sound = *m_engine->sounds[0];

    updateRealTime(250);
    EXPECT_FLOAT_EQ(sound.volume, 0.75f);
    updateRealTime(500);
    EXPECT_FLOAT_EQ(sound.volume, 0.25f);
    EXPECT_FALSE(sound.stopped);
    updateRealTime(250);
    EXPECT_FLOAT_EQ(sound.volume, 0.0f) << "the duration is cut to 1000 ms";
    EXPECT_TRUE(sound.stopped);
    updateRealTime(10);
    EXPECT_FALSE(m_device->getProcessManager()->hasProcesses());
    EXPECT_NE(m_manager->findSound(2), nullptr) << "the object stays listed until replaced";
}

TEST_F(SoundManagerTest, FadeUpStartsFromTheCurrentVolumeAndKeepsPlaying)
{
    play(L"a.wav", 3, 0.2f);
    m_manager->handleEvent(fadeRequest(3, 1.0f, 400.0f, false));
    updateRealTime(100);
    EXPECT_FLOAT_EQ(m_engine->sounds[0]->volume, 0.4f);
    updateRealTime(300);
    EXPECT_FLOAT_EQ(m_engine->sounds[0]->volume, 1.0f);
    EXPECT_FALSE(m_engine->sounds[0]->stopped);
}

TEST_F(SoundManagerTest, FadeOfAStoppedSoundOnlyLetsItsTimeRunOut)
{
    play(L"a.wav", 4);
    m_manager->handleEvent(fadeRequest(4, 0.0f, 500.0f, true));
    updateRealTime(100);
    EXPECT_FLOAT_EQ(m_engine->sounds[0]->volume, 0.8f);
    ASSERT_TRUE(m_manager->stopSound(4));
    EXPECT_TRUE(m_engine->onlyEngineHolds(0)) << "the running fade no longer holds the handle";
    updateRealTime(200);
    updateRealTime(300);
    EXPECT_FLOAT_EQ(m_engine->sounds[0]->volume, 0.8f);
    updateRealTime(10);
    EXPECT_FALSE(m_device->getProcessManager()->hasProcesses());
}

TEST_F(SoundManagerTest, FadeForAnUnknownIdDoesNothing)
{
    play(L"a.wav", PlaySoundEvent::kUntracked);
    m_manager->handleEvent(fadeRequest(PlaySoundEvent::kUntracked, 0.0f, 100.0f, true));
    m_manager->handleEvent(fadeRequest(9, 0.0f, 100.0f, true));
    EXPECT_FALSE(m_device->getProcessManager()->hasProcesses());
}

//! Another class whose type name has the same hash as "PlaySoundEvent".
class LookAlikeEvent : public BaseEventData
{
public:
    const HashedString& getEventType() const override { return kEventType; }
    static const HashedString kEventType;
};
const HashedString LookAlikeEvent::kEventType("qjbySoundEvent");

TEST_F(SoundManagerTest, EventOfAnotherClassWithALookAlikeTypeIsIgnored)
{
    ASSERT_EQ(LookAlikeEvent::kEventType, PlaySoundEvent::kEventType);
    EXPECT_FALSE(m_manager->handleEvent(std::make_shared<LookAlikeEvent>()));
    EXPECT_TRUE(m_engine->plays.empty());
}

TEST_F(SoundManagerTest, MasterVolumeAndSoundEnabledSetTheEnginesVolume)
{
    m_manager->setMasterVolume(0.35f);
    EXPECT_FLOAT_EQ(m_engine->volume, 0.35f);
    m_manager->setSoundEnabled(false);
    EXPECT_FLOAT_EQ(m_engine->volume, 0.0f);
    m_manager->setSoundEnabled(true);
    EXPECT_FLOAT_EQ(m_engine->volume, 1.0f);
}

TEST_F(SoundManagerTest, ReleasingTheManagerReleasesTrackedHandlesBeforeTheEngine)
{
    play(L"a.wav", 1);
    m_manager->handleEvent(fadeRequest(1, 0.0f, 1000.0f, false));
    updateRealTime(10);
    m_engine->sounds.clear();
    m_device.reset();
    g_device = nullptr;
    EXPECT_EQ(m_journal, (Journal{"sound released", "engine released"}));
}

TEST(SoundEngineAccessTest, NoDeviceMeansNoEngine)
{
    ASSERT_EQ(g_device, nullptr);
    EXPECT_EQ(Talvoren::getSoundEngine(), nullptr);
    SoundManager manager;
    EXPECT_FALSE(manager.hasEngine());
}

//! The device's own sound manager with a real engine on the null backend.
class SoundManagerDeviceTest : public testsupport::NullDeviceTest
{
protected:
    std::shared_ptr<EventManager> events() const { return m_device->getEventManager(); }
};

TEST_F(SoundManagerDeviceTest, DeviceStartsSoundAndRoutesSoundEvents)
{
    SoundManager* manager = m_device->getSoundManager();
    ASSERT_NE(manager, nullptr);
    ASSERT_TRUE(manager->hasEngine());
    EXPECT_EQ(Talvoren::getSoundEngine(), manager->m_engine.get());
    EXPECT_EQ(m_startMessages.find(platform::narrow(m_device->getText(3).c_str())), std::string::npos);
    EXPECT_EQ(manager->init(), SoundManager::kInitEngineExists);
    EXPECT_TRUE(events()->validateType(PlaySoundEvent::kEventType));
    EXPECT_TRUE(events()->validateType(FadeSoundEvent::kEventType));

    testsupport::writeTone("gamedata/music/tone.wav", 0.5, 2);
    EXPECT_FALSE(events()->trigger(*playRequest(L"gamedata\\music\\tone.wav", 1, 1.0f, true)));
    const std::shared_ptr<Talvoren::SoundObject> object = manager->findSound(1);
    ASSERT_TRUE(object && object->sound);
    EXPECT_FALSE(object->sound->getIsPaused());

    EXPECT_TRUE(events()->queueEvent(fadeRequest(1, 0.0f, 200.0f, true)));
    events()->tick(IEventManager::kInfinite);
    m_device->getProcessManager()->update(100);
    EXPECT_FLOAT_EQ(object->sound->getVolume(), 0.5f);
    m_device->getProcessManager()->update(100);
    EXPECT_TRUE(object->sound->isFinished());

    manager->setMasterVolume(0.25f);
    EXPECT_FLOAT_EQ(manager->m_engine->getSoundVolume(), 0.25f);
}
} // namespace

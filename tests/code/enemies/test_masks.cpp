// The enemies' masks on the null driver with the game's meshes: where they
// float, how they turn, when the first one drips and how the sister's rises.

#include "code/src/enemies/maskvisualcomponents.h"
#include "code/src/events/viewevents.h"
#include "code/src/logic/standardphysicscomponent.h"
#include "code/src/state/gamebase.h"
#include "code/src/view/mask4visualcomponent.h"
#include "code/src/view/maskmotion.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/inputcomponent.h"
#include "code/src/world/musicalcomponent.h"
#include "code/src/world/visualcomponent.h"
#include "talvoren/clock.h"
#include "talvoren/eventmanager.h"
#include "tests/support/nulldevice.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

#include <cmath>
#include <filesystem>
#include <vector>

using irr::core::vector3df;

namespace
{
class BloodCounter : public IEventListener
{
public:
    const char* getName() override { return "blood counter"; }
    bool handleEvent(const std::shared_ptr<IEventData>& event) override
    {
        splashes.push_back(static_cast<const Belgarune::CreateVisualEffectEvent&>(*event).m_position);
        return false;
    }
    std::vector<vector3df> splashes;
};

class MaskTest : public testsupport::NullDeviceTest
{
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        std::filesystem::create_directory_symlink(std::filesystem::path(BELGARUNE_GAME_DIR) / "gamedata", "gamedata");
        m_actor.setPosition(vector3df(100.0f, 5.0f, 200.0f));
        m_actor.setRotation(vector3df(0.0f, 0.0f, 1.0f));
        m_device->getEventManager()->registerEventType(Belgarune::CreateVisualEffectEvent::kEventType);
    }

    void setDeviceTime(irr::u32 ms) { m_device->getIrrlichtDevice()->getTimer()->setTime(ms); }
    //! One frame of game time.
    void gameFrame(irr::u32 ms) { m_device->getGameClock()->update(ms); }

    Belgarune::GameActor m_actor{1, nullptr, std::make_unique<Belgarune::StandardPhysicsComponent>(5), nullptr,
                                 nullptr};
};
} // namespace

TEST_F(MaskTest, MasksFloatAtTheirActorAndBobWithDeviceTime)
{
    setDeviceTime(500);
    gameFrame(0);
    Belgarune::MaskVisualComponent first;
    Belgarune::Mask2VisualComponent second;
    Belgarune::Mask3VisualComponent third;
    first.update(&m_actor, nullptr);
    second.update(&m_actor, nullptr);
    third.update(&m_actor, nullptr);
    const irr::f32 wave = std::sin(0.003f * 500.0f);
    EXPECT_NEAR(first.getNode()->getPosition().Y, 5.0f + 1.5f * wave, 1e-4f);
    EXPECT_NEAR(second.getNode()->getPosition().Y, 5.0f + 1.25f * wave + 2.0f, 1e-4f);
    EXPECT_NEAR(third.getNode()->getPosition().Y, 5.0f + 1.25f * wave + 2.0f, 1e-4f);
    EXPECT_EQ(first.getNode()->getPosition().X, 100.0f);
    EXPECT_EQ(third.getNode()->getPosition().Z, 200.0f);
    EXPECT_NEAR(second.getSecondNode()->getRotation().X, 30.0f * wave - 30.0f, 1e-4f);
    EXPECT_EQ(second.getSecondNode()->getParent(), second.getNode());
    EXPECT_NEAR(first.getNode()->getRotation().X, 90.0f, 1e-4f) << "the first mask faces up its heading";
}

TEST_F(MaskTest, YawFollowsTheTargetAtATenthOfADegreePerGameMillisecondTheLongWay)
{
    const struct
    {
        irr::f32 current;
        irr::f32 target;
        irr::f32 deltaMs;
        irr::f32 turned;
    } kCases[] = {{0.0f, 90.0f, 20.0f, 2.0f}, {1.0f, 359.0f, 10.0f, 2.0f}, {359.0f, 1.0f, 10.0f, 358.0f},
                  {50.0f, 50.9f, 20.0f, 50.0f}, {50.0f, 90.0f, 0.0f, 50.0f}};
    for (const auto& c : kCases)
        EXPECT_FLOAT_EQ(Belgarune::turnTowards(c.current, c.target, c.deltaMs), c.turned) << c.current;
}

TEST_F(MaskTest, WobbleIsNewEachSecondAndDecaysOnlyWithGameTime)
{
    Belgarune::MaskWobble wobble;
    const irr::f32 picked = wobble.update(1001, 0.0f);
    EXPECT_LE(std::fabs(picked), 45.0f);
    EXPECT_FLOAT_EQ(wobble.update(1500, 0.0f), picked) << "the game clock stands still";
    if (std::fabs(picked) > 1.0f)
    {
        const irr::f32 decayed = wobble.update(1600, 10.0f);
        EXPECT_NEAR(std::fabs(decayed), std::fabs(picked) - 0.5f, 1e-4f);
    }
}

TEST_F(MaskTest, FirstMaskDripsBloodOnceItsTimeHasCome)
{
    auto counter = std::make_shared<BloodCounter>();
    m_device->getEventManager()->addListener(counter, Belgarune::CreateVisualEffectEvent::kEventType);
    setDeviceTime(0);
    Belgarune::MaskVisualComponent mask;
    setDeviceTime(999);
    mask.update(&m_actor, nullptr);
    EXPECT_TRUE(counter->splashes.empty()) << "not within the first second";
    setDeviceTime(3001);
    mask.update(&m_actor, nullptr);
    mask.update(&m_actor, nullptr);
    ASSERT_EQ(counter->splashes.size(), 1u) << "one splash per update at most";
    EXPECT_LT(counter->splashes[0].getDistanceFrom(mask.getNode()->getPosition()), 3.0f)
        << "under one of the mask's eyes";
    setDeviceTime(3001 + 1501);
    mask.update(&m_actor, nullptr);
    EXPECT_EQ(counter->splashes.size(), 2u);
}

TEST_F(MaskTest, SistersMaskRisesOnceTheHeroComesCloserThanSixty)
{
    setDeviceTime(0);
    Belgarune::Mask4VisualComponent sister;
    g_gameBase->m_playerPosition = m_actor.getPosition() + vector3df(60.0f, 0.0f, 0.0f);
    sister.update(&m_actor, nullptr);
    EXPECT_FALSE(sister.getNode()->isVisible()) << "exactly 60 away";

    gameFrame(1000);
    g_gameBase->m_playerPosition = m_actor.getPosition() + vector3df(59.9f, 0.0f, 0.0f);
    sister.update(&m_actor, nullptr);
    EXPECT_TRUE(sister.getNode()->isVisible());
    EXPECT_NEAR(sister.getNode()->getPosition().Y, -70.0f, 1e-4f);

    g_gameBase->m_playerPosition = vector3df(0.0f, 0.0f, 0.0f);
    const struct
    {
        irr::u32 frameMs;
        irr::f32 height;
    } kRise[] = {{1500, -35.0f}, {1500, 0.0f}, {1000, 0.0f}};
    for (const auto& step : kRise)
    {
        gameFrame(step.frameMs);
        sister.update(&m_actor, nullptr);
        EXPECT_NEAR(sister.getNode()->getPosition().Y, step.height, 1e-3f);
        EXPECT_EQ(sister.getNode()->getRotation(), vector3df(90.0f, 90.0f, 0.0f));
    }
    Belgarune::Mask4VisualComponent another;
    another.update(&m_actor, nullptr);
    EXPECT_TRUE(another.getNode()->isVisible()) << "one trigger for every sister mask";
}

TEST_F(MaskTest, MasksWithoutTheirMeshesHaveNoNodeAndDoNothing)
{
    std::filesystem::remove("gamedata");
    auto counter = std::make_shared<BloodCounter>();
    m_device->getEventManager()->addListener(counter, Belgarune::CreateVisualEffectEvent::kEventType);
    testing::internal::CaptureStderr();
    Belgarune::MaskVisualComponent first;
    Belgarune::Mask2VisualComponent second;
    Belgarune::Mask4VisualComponent sister;
    testing::internal::GetCapturedStderr();
    setDeviceTime(10000);
    first.update(&m_actor, nullptr);
    second.update(&m_actor, nullptr);
    sister.update(&m_actor, nullptr);
    EXPECT_EQ(first.getNode(), nullptr);
    EXPECT_EQ(second.getNode(), nullptr);
    EXPECT_EQ(sister.getNode(), nullptr);
    EXPECT_TRUE(counter->splashes.empty());
}

TEST_F(MaskTest, SistersMaskWithoutItsMeshStillWakesHerScene)
{
    const std::filesystem::path gamedata = std::filesystem::read_symlink("gamedata");
    std::filesystem::remove("gamedata");
    testing::internal::CaptureStderr();
    Belgarune::Mask4VisualComponent meshless;
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(meshless.getNode(), nullptr);
    g_gameBase->m_playerPosition = m_actor.getPosition() + vector3df(10.0f, 0.0f, 0.0f);
    meshless.update(&m_actor, nullptr);

    std::filesystem::create_directory_symlink(gamedata, "gamedata");
    Belgarune::Mask4VisualComponent shown;
    g_gameBase->m_playerPosition = vector3df(0.0f, 0.0f, 0.0f);
    shown.update(&m_actor, nullptr);
    EXPECT_TRUE(shown.getNode()->isVisible()) << "the meshless mask set the run-wide trigger";
}

// The dungeon view on the null driver with the game's own data: its cameras,
// the events it handles, the light it hands the shaders, its effects and its
// small operations.

#include "code/src/dungeonvisual.h"
#include "code/src/events/playerevents.h"
#include "code/src/events/viewevents.h"
#include "code/src/level/visualspace.h"
#include "code/src/shaders/shaderenvcallback.h"
#include "code/src/shaders/shaderenvdarkcallback.h"
#include "code/src/shaders/shaderlettercallback.h"
#include "code/src/songs/score.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameitem.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/mapcoord.h"
#include "talvoren/clock.h"
#include "talvoren/picturescenenode.h"
#include "talvoren/soundsystem/soundmanager.h"
#include "tests/support/fakesoundengine.h"
#include "tests/support/nulldevice.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

#include <filesystem>
#include <memory>
#include <string>

using Belgarune::DungeonVisual;
using irr::core::vector3df;

namespace
{
class DungeonVisualTest : public testsupport::NullDeviceTest
{
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        std::filesystem::create_directory_symlink(std::filesystem::path(BELGARUNE_GAME_DIR) / "gamedata", "gamedata");
        testing::internal::CaptureStderr();
        m_view = std::make_unique<DungeonVisual>();
        m_view->init();
        testing::internal::GetCapturedStderr();
    }
    void TearDown() override
    {
        m_view.reset();
        *g_gameBase->m_hasItem = false;
        g_gameBase->m_hasItem[1] = false;
        g_gameBase->m_editorMode = 0;
        g_gameBase->m_camera = nullptr;
        g_gameBase->m_world = std::make_unique<Belgarune::GameWorld>();
        NullDeviceTest::TearDown();
    }

    template <typename Event, typename... Args>
    bool send(Args... args)
    {
        return m_view->handleEvent(std::make_shared<Event>(args...));
    }

    bool sendItem(irr::u32 number)
    {
        auto event = std::make_shared<Belgarune::AddItemEvent>(Belgarune::Item::ViolinKey);
        event->m_item = number;
        return m_view->handleEvent(event);
    }

    void setDeviceTime(irr::u32 ms) { m_device->getIrrlichtDevice()->getTimer()->setTime(ms); }
    irr::u32 deviceTime() const { return m_device->getTimeMs(); }
    std::string drawCapturingOutput()
    {
        testing::internal::CaptureStdout();
        m_view->draw();
        return testing::internal::GetCapturedStdout();
    }

    const Belgarune::ShaderMaterials& materials() const { return m_view->getMaterials(); }

    std::unique_ptr<DungeonVisual> m_view;
};

std::string textureFile(irr::scene::ISceneNode* node, irr::u32 layer)
{
    irr::video::ITexture* texture = node->getMaterial(0).getTexture(layer);
    const std::string path = texture ? texture->getName().getPath().c_str() : "";
    return path.substr(path.find_last_of('/') + 1);
}
} // namespace

TEST_F(DungeonVisualTest, PlayerCameraIsTheActiveOneAndCarriesTheDust)
{
    irr::scene::ICameraSceneNode* player = m_view->getPlayerCamera();
    EXPECT_EQ(m_device->getSceneManager()->getActiveCamera(), player);
    EXPECT_EQ(g_gameBase->m_camera, player);
    EXPECT_NE(m_view->getSequenceCamera(), player);
    EXPECT_NEAR(player->getFOV(), g_gameBase->m_fov * irr::core::DEGTORAD, 1e-5f);
    EXPECT_EQ(m_view->getDust()->getParent(), player);
    EXPECT_FALSE(m_view->getTimeBubbleNode()->isVisible());
    EXPECT_EQ(m_view->getOverlay()->getMaterial(0).DiffuseColor.getAlpha(), 0u);
}

TEST_F(DungeonVisualTest, KeyItemLightsItsKeystoneAndOtherItemsChangeNothing)
{
    m_view->placeObject(Belgarune::PieceKind::Keystone, Belgarune::MapCoord(200, 0, 200), 1,
                        Belgarune::WallSide::PlusZ, 12);
    irr::scene::ISceneNode* keystone = m_view->getObject(12);
    ASSERT_NE(keystone, nullptr);
    ASSERT_EQ(textureFile(keystone, 0), "QVKeystone1A.png");

    EXPECT_TRUE(sendItem(4));
    EXPECT_TRUE(sendItem(2)) << "the bass keystone was never placed";
    EXPECT_EQ(textureFile(keystone, 0), "QVKeystone1A.png");
    EXPECT_TRUE(sendItem(1));
    EXPECT_EQ(textureFile(keystone, 0), "QVKeystone1B.png");
}

TEST_F(DungeonVisualTest, EffectsRunUntilTheyFinishAndAreThenRemoved)
{
    irr::scene::ISceneNode* root = m_device->getSceneManager()->getRootSceneNode();
    const size_t before = root->getChildren().size();
    setDeviceTime(1000);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(send<Belgarune::CreateVisualEffectEvent>(0, vector3df(10, 8, 10)));
    EXPECT_TRUE(send<Belgarune::CreateVisualEffectEvent>(1, vector3df(10, 8, 10)));
    EXPECT_TRUE(send<Belgarune::CreateVisualEffectEvent>(2, vector3df(10, 0, 10)));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "crearte effect: 2\n");
    EXPECT_EQ(m_view->getSpace()->getEffects().size(), 2u);
    EXPECT_EQ(root->getChildren().size(), before + 2);

    setDeviceTime(1300);
    drawCapturingOutput();
    EXPECT_EQ(m_view->getSpace()->getEffects().size(), 2u);
    setDeviceTime(1600);
    drawCapturingOutput();
    EXPECT_EQ(m_view->getSpace()->getEffects().size(), 1u) << "the splash reached the ground";
    setDeviceTime(8001);
    EXPECT_EQ(drawCapturingOutput(), "DESTROY DUST\n");
    EXPECT_TRUE(m_view->getSpace()->getEffects().empty());
    EXPECT_EQ(root->getChildren().size(), before);
}

TEST_F(DungeonVisualTest, BloodSplashFallsToTheGround)
{
    setDeviceTime(0);
    send<Belgarune::CreateVisualEffectEvent>(1, vector3df(10, 8, 10));
    irr::scene::ISceneNode* splash = *m_device->getSceneManager()->getRootSceneNode()->getChildren().getLast();
    setDeviceTime(300);
    drawCapturingOutput();
    EXPECT_EQ(splash->getPosition(), vector3df(10, 4, 10));
}

TEST_F(DungeonVisualTest, DrawingFeedsThePlayersLightToTheShaders)
{
    g_gameBase->m_hasItem[1] = true;
    m_view->addLightShift(1.0f);
    m_view->addDarkness(0.9f);
    m_view->draw();
    for (const irr::video::SColorf& light :
         {materials().getEnvCallBack()->m_playerLight, materials().getEnvDarkCallBack()->m_playerLight,
          materials().getLetterCallBack()->m_playerLight})
    {
        EXPECT_FLOAT_EQ(light.r, 2.0f);
        EXPECT_FLOAT_EQ(light.g, 2.0f);
        EXPECT_FLOAT_EQ(light.b, 0.0f);
    }
    EXPECT_NEAR(materials().getEnvCallBack()->m_lightRadius, 3.0f - 0.3f, 1e-4f);
    EXPECT_NEAR(materials().getLetterCallBack()->m_lightRadius, 2.7f, 1e-4f);
    EXPECT_FLOAT_EQ(materials().getEnvDarkCallBack()->m_darkMix, 0.9f);

    g_gameBase->m_editorMode = 1;
    m_view->draw();
    EXPECT_FLOAT_EQ(materials().getEnvDarkCallBack()->m_lightRadius, 0.1f);
}

TEST_F(DungeonVisualTest, DarknessAndLightShiftStayWithinZeroToOne)
{
    const struct
    {
        irr::f32 delta;
        irr::f32 darkness;
    } kSteps[] = {{0.3f, 0.3f}, {5.0f, 1.0f}, {-0.25f, 0.75f}, {-7.0f, 0.0f}};
    for (const auto& step : kSteps)
    {
        m_view->addDarkness(step.delta);
        m_view->addLightShift(step.delta);
        EXPECT_FLOAT_EQ(m_view->getDarkness(), step.darkness);
    }
    m_view->addLightShift(5.0f);
    m_view->draw();
    EXPECT_FLOAT_EQ(materials().getEnvCallBack()->m_playerLight.b, 0.0f) << "a shift of exactly 1";
}

TEST_F(DungeonVisualTest, OverlayAlphaKeepsTheLowEightBits)
{
    const struct
    {
        irr::f32 alpha;
        irr::u32 stored;
    } kCases[] = {{0.5f, 127}, {1.0f, 255}, {1.5f, 126}, {0.0f, 0}};
    for (const auto& c : kCases)
    {
        m_view->setOverlayAlpha(c.alpha);
        EXPECT_EQ(m_view->getOverlay()->getMaterial(0).DiffuseColor.getAlpha(), c.stored) << c.alpha;
    }
}

TEST_F(DungeonVisualTest, TimeBubbleFeedsBothLightingShadersUntilItEnds)
{
    m_view->animateTimeBubble(0.95f);
    EXPECT_TRUE(m_view->getTimeBubbleNode()->isVisible());
    EXPECT_FLOAT_EQ(materials().getEnvCallBack()->m_timeBubble, 0.375f);
    EXPECT_FLOAT_EQ(materials().getEnvDarkCallBack()->m_timeBubble, 0.375f);
    m_view->animateTimeBubble(1.0f);
    EXPECT_FALSE(m_view->getTimeBubbleNode()->isVisible());
    EXPECT_FLOAT_EQ(materials().getEnvCallBack()->m_timeBubble, 0.375f);
}

TEST_F(DungeonVisualTest, SequenceCameraTakesOverThePlayerCamerasView)
{
    m_view->setCameraPose(vector3df(100, 5, 200), vector3df(110, 5, 200));
    m_view->setGameState(Belgarune::GameState::Sequence);
    irr::scene::ICameraSceneNode* sequence = m_view->getSequenceCamera();
    EXPECT_EQ(g_gameBase->m_camera, sequence);
    EXPECT_EQ(m_device->getSceneManager()->getActiveCamera(), sequence);
    EXPECT_EQ(sequence->getPosition(), vector3df(100, 5, 200));
    EXPECT_EQ(sequence->getTarget(), vector3df(110, 5, 200));
    EXPECT_FLOAT_EQ(sequence->getFOV(), m_view->getPlayerCamera()->getFOV());

    m_view->setGameState(Belgarune::GameState::Gameplay);
    EXPECT_EQ(g_gameBase->m_camera, m_view->getPlayerCamera());
    EXPECT_EQ(m_device->getSceneManager()->getActiveCamera(), m_view->getPlayerCamera());
}

TEST_F(DungeonVisualTest, ShakenFrameLeavesTheCameraWhereItWas)
{
    m_view->setCameraPose(vector3df(100, 5, 200), vector3df(110, 5, 200));
    m_device->getGameClock()->update(1000);
    send<Belgarune::ShakeScreenEvent>(1.0f, 500);
    m_device->getGameClock()->update(100);
    m_view->draw();
    EXPECT_EQ(m_view->getPlayerCamera()->getPosition(), vector3df(100, 5, 200));
    EXPECT_EQ(m_view->getPlayerCamera()->getTarget(), vector3df(110, 5, 200));
}

TEST_F(DungeonVisualTest, ItemInReachFollowsTheCamera)
{
    g_gameBase->m_world->addItem(vector3df(100, 0, 205), 7, Belgarune::PieceKind::Map);
    m_view->setCameraPose(vector3df(100, 5, 200), vector3df(110, 5, 200));
    m_view->draw();
    ASSERT_NE(m_view->getItemInReach(), nullptr);
    EXPECT_EQ(m_view->getItemInReach()->id, 7u);
    m_view->setCameraPose(vector3df(300, 5, 200), vector3df(310, 5, 200));
    m_view->draw();
    EXPECT_EQ(m_view->getItemInReach(), nullptr);
}

TEST_F(DungeonVisualTest, KeyInputCountsAsHandledAndOtherInputDoesNot)
{
    irr::SEvent key{};
    key.EventType = irr::EET_KEY_INPUT_EVENT;
    irr::SEvent mouse{};
    mouse.EventType = irr::EET_MOUSE_INPUT_EVENT;
    EXPECT_TRUE(m_view->OnEvent(key));
    EXPECT_FALSE(m_view->OnEvent(mouse));
}

TEST_F(DungeonVisualTest, GlowOfAToneOutsideTheTableIsIgnored)
{
    m_view->raiseToneGlow(6);
    m_view->lowerToneGlow(1000);
    EXPECT_FLOAT_EQ(m_view->getToneGlow(6), 0.0f);
}

TEST_F(DungeonVisualTest, EveryTonePlayedGoesOnTheNoteSheetWithOrWithoutTheViolinKey)
{
    for (const bool key : {false, true})
    {
        g_gameBase->m_hasItem[1] = key;
        const irr::u32 before = m_view->getScore()->getNotes().size();
        m_view->notifyTonePlayed(3);
        ASSERT_EQ(m_view->getScore()->getNotes().size(), before + 1) << key;
        EXPECT_EQ(m_view->getScore()->getNotes().getLast().tone, 3) << key;
    }
}

TEST_F(DungeonVisualTest, TheLevelMusicWaitsPausedUntilTheGameBegins)
{
    auto* engine = new testsupport::FakeSoundEngine();
    m_device->getSoundManager()->m_engine = testsupport::SoundRef<testsupport::ISoundEngine>(engine);
    m_view.reset();
    m_view = std::make_unique<DungeonVisual>();
    m_view->init();
    ASSERT_NE(m_view->getMusic(), nullptr);
    ASSERT_EQ(engine->sounds.size(), 1u);
    const testsupport::FakeSound& music = *engine->sounds.front();
    EXPECT_EQ(music.file, "gamedata/music/flute.ogg");
    EXPECT_TRUE(music.looped);
    EXPECT_TRUE(music.paused);
    m_view->pauseMusic(false);
    EXPECT_FALSE(music.paused);
}

// The timed commands: their processes from a script line to the scene and the
// game state, on the game clock.

#include "code/src/level/visualspace.h"
#include "tests/code/commands/commandtestsupport.h"

#include <irrlicht.h>

namespace
{
using namespace commandtest;
using irr::core::vector3df;

//! Removes objects from a level's scene content, as the dungeon logic does.
class ObjectRemover : public IEventListener
{
public:
    explicit ObjectRemover(VisualSpace& space) : m_space(space) {}
    const char* getName() override { return "ObjectRemover"; }
    bool handleEvent(const std::shared_ptr<IEventData>& event) override
    {
        m_space.destroyObject(static_cast<irr::s32>(static_cast<const RemoveObjectEvent&>(*event).m_objectId));
        return false;
    }

private:
    VisualSpace& m_space;
};

class CommandProcessTest : public ScriptCommandTest
{
protected:
    void SetUp() override
    {
        ScriptCommandTest::SetUp();
        m_scene = m_device->getSceneManager();
        m_camera = m_scene->addCameraSceneNode(nullptr, vector3df(0, 0, 0), vector3df(0, 0, 100));
    }

    //! An object of the view at the origin; the scene owns it.
    irr::scene::ISceneNode* addObject(irr::s32 id)
    {
        irr::scene::ISceneNode* node = m_scene->addEmptySceneNode(nullptr, id);
        m_view.objects[id] = node;
        return node;
    }

    irr::scene::ISceneManager* m_scene = nullptr;
    irr::scene::ICameraSceneNode* m_camera = nullptr;
};

void expectNear(const vector3df& actual, const vector3df& expected)
{
    EXPECT_NEAR(actual.X, expected.X, 1e-3f);
    EXPECT_NEAR(actual.Y, expected.Y, 1e-3f);
    EXPECT_NEAR(actual.Z, expected.Z, 1e-3f);
}

TEST_F(CommandProcessTest, MoveNodeTakesItsObjectToTheFlippedPointAlongItsCurve)
{
    irr::scene::ISceneNode* node = addObject(121);
    m_manager.inject(L"moveNode(121, (10, 2, 4990), 500, \"SLOW_DOWN\"); heal();");
    frame(0);
    frame(250);
    expectNear(node->getPosition(), {7.5f, 1.5f, 7.5f});
    EXPECT_EQ(events(), Lines{});
    frame(250);
    EXPECT_EQ(node->getPosition(), vector3df(10, 2, 10));
    EXPECT_EQ(events(), Lines{"HealEvent 1"});
}

TEST_F(CommandProcessTest, CameraCommandsMoveTheCameraInUseSideBySide)
{
    g_gameBase->m_camera = m_camera;
    m_manager.inject(L"setCamera((1.9, 2, 3), (4, 5, 6.9)); mergeNext(2); moveCamera((101.7, 2, 3), 1000, \"LINEAR\");"
                     L"moveCameraTarget((4, 5, 406), 1000, \"SPEED_UP\"); heal();");
    EXPECT_EQ(m_camera->getPosition(), vector3df(1, 2, 3));
    EXPECT_EQ(m_camera->getTarget(), vector3df(4, 5, 6));
    frame(0);
    frame(500);
    expectNear(m_camera->getPosition(), {51, 2, 3});
    expectNear(m_camera->getTarget(), {4, 5, 106});
    frame(500);
    EXPECT_EQ(m_camera->getPosition(), vector3df(101, 2, 3));
    EXPECT_EQ(m_camera->getTarget(), vector3df(4, 5, 406));
    // The group finds its members dead at its next update.
    frame(0);
    EXPECT_EQ(events(), Lines{"HealEvent 1"});
}

TEST_F(CommandProcessTest, MovesWithoutTheirNodeAreDeadAndTheScriptGoesOnAtTheNextUpdate)
{
    const wchar_t* lines[] = {
        L"setCamera((1, 2, 3), (4, 5, 6)); moveCamera((1, 2, 3), 1000, \"LINEAR\"); heal();",
        L"moveCameraTarget((1, 2, 3), 1000, \"LINEAR\"); heal();",
        L"moveNode(7, (1, 2, 3), 1000, \"LINEAR\"); heal();",
    };
    for (const wchar_t* line : lines)
    {
        events().clear();
        m_manager.inject(line);
        EXPECT_EQ(events(), Lines{}) << narrow(line);
        frame(0);
        EXPECT_EQ(events(), Lines{"HealEvent 1"}) << narrow(line);
    }
}

TEST_F(CommandProcessTest, AMovedObjectRemovedFromTheSceneEndsItsMoveUntouched)
{
    VisualSpace space(m_scene, nullptr);
    auto remover = std::make_shared<ObjectRemover>(space);
    m_engine.getEventManager()->addListener(remover, RemoveObjectEvent::kEventType);
    irr::scene::ISceneNode* kept = addObject(121);
    space.registerObject(kept);
    space.registerObject(addObject(122));
    kept->grab();

    m_manager.inject(L"mergeNext(2); moveNode(121, (10, 0, 5000), 1000, \"LINEAR\");"
                     L"moveNode(122, (10, 0, 5000), 1000, \"LINEAR\"); heal();");
    frame(0);
    frame(250);
    m_manager.inject(L"removeObject(121); removeObject(122);");
    frame(250);
    frame(0);
    // Object 122 is freed once its move has died: a write after that is caught by ASan.
    EXPECT_EQ(kept->getPosition(), vector3df(2.5f, 0, 0));
    EXPECT_EQ(events(), (Lines{"RemoveObjectEvent 121", "RemoveObjectEvent 122", "HealEvent 1"}));
    kept->drop();
}

TEST_F(CommandProcessTest, SetScreenFadesTheOverlayItNamesFromItsValueAtTheFirstUpdate)
{
    const std::pair<const wchar_t*, irr::f32 GameBase::*> cases[] = {
        {L"WHITE", &GameBase::m_whiteScreen},
        {L"DAMAGE", &GameBase::m_damageScreen},
        {L"BLACK", &GameBase::m_blackScreen},
        {L"white", &GameBase::m_blackScreen},
    };
    for (const auto& [word, overlay] : cases)
    {
        resetGameBase();
        m_manager.inject(L"setScreen(\"" + std::wstring(word) + L"\", 1.0, 500, \"SPEED_UP\");");
        g_gameBase.get()->*overlay = 0.2f;
        frame(0);
        frame(250);
        // 0.2 + 0.8 x 0.5^2
        EXPECT_NEAR(g_gameBase.get()->*overlay, 0.4f, 1e-6f) << narrow(word);
        frame(250);
        EXPECT_EQ(g_gameBase.get()->*overlay, 1.0f) << narrow(word);
        EXPECT_EQ(g_gameBase->m_whiteScreen + g_gameBase->m_damageScreen + g_gameBase->m_blackScreen, 1.0f);
    }
}

TEST_F(CommandProcessTest, PlayToneHoldsTheToneForItsDurationOfGameTime)
{
    m_manager.inject(L"playTone(2, 2000); heal();");
    frame(0);
    m_engine.getGameClock()->setSpeed(0.5f);
    frame(3998);
    EXPECT_TRUE(g_gameBase->m_forcedTones[2]);
    frame(2);
    EXPECT_FALSE(g_gameBase->m_forcedTones[2]);
    EXPECT_EQ(events(), Lines{"HealEvent 1"});
}

TEST_F(CommandProcessTest, PlayToneOutsideTheSixTonesIsDead)
{
    m_manager.inject(L"playTone(6, 1000); playTone(-1, 1000); heal();");
    frame(0);
    frame(0);
    EXPECT_EQ(events(), Lines{"HealEvent 1"});
}
} // namespace

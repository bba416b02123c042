// The world editor on the null driver: how the keys move its focus and its
// camera's height, and how switching it on and off hands the game camera back.

#include "code/src/dungeonvisual.h"
#include "code/src/editor/editorcontrols.h"
#include "code/src/editor/visualeditor.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameworld.h"
#include "tests/support/nulldevice.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

#include <filesystem>
#include <memory>

using Belgarune::EditorKeys;
using irr::core::vector3df;

namespace
{
EditorKeys keysHeld(bool w, bool a, bool s, bool d)
{
    EditorKeys keys;
    keys.w = w;
    keys.a = a;
    keys.s = s;
    keys.d = d;
    return keys;
}

class VisualEditorTest : public testsupport::NullDeviceTest
{
protected:
    void TearDown() override
    {
        g_gameBase->m_camera = nullptr;
        NullDeviceTest::TearDown();
    }

    void setKey(irr::EKEY_CODE key, bool down)
    {
        irr::SEvent event{};
        event.EventType = irr::EET_KEY_INPUT_EVENT;
        event.KeyInput.Key = key;
        event.KeyInput.PressedDown = down;
        m_device->OnEvent(event);
    }

    //! Height of the editor's camera above its focus after the frames.
    irr::f32 heightAfterFrames(Belgarune::VisualEditor& editor, int frames)
    {
        for (int i = 0; i < frames; ++i)
            editor.draw();
        return editor.getCamera()->getPosition().Y - editor.getFocus().Y;
    }
};
} // namespace

TEST(EditorControlsTest, KeysSlideTheFocusOverTheGround)
{
    const struct
    {
        EditorKeys keys;
        irr::u32 frameMs;
        vector3df moved;
    } kCases[] = {{keysHeld(true, false, false, false), 20, vector3df(1.8f, 0, 0)},
                  {keysHeld(false, false, true, false), 20, vector3df(-1.8f, 0, 0)},
                  {keysHeld(false, true, false, false), 10, vector3df(0, 0, 0.9f)},
                  {keysHeld(false, false, false, true), 20, vector3df(0, 0, -1.8f)},
                  {keysHeld(true, true, true, false), 20, vector3df(0, 0, 1.8f)},
                  {keysHeld(true, false, false, true), 0, vector3df(0, 0, 0)}};
    const vector3df focus(100.0f, 3.0f, 200.0f);
    for (const auto& c : kCases)
    {
        const vector3df moved = Belgarune::movedFocus(focus, c.keys, c.frameMs) - focus;
        EXPECT_NEAR(moved.X, c.moved.X, 1e-4f);
        EXPECT_FLOAT_EQ(moved.Y, 0.0f);
        EXPECT_NEAR(moved.Z, c.moved.Z, 1e-4f);
    }
}

TEST_F(VisualEditorTest, PlusLowersAndMinusRaisesTheCameraWithoutLimits)
{
    Belgarune::VisualEditor editor;
    const irr::f32 start = heightAfterFrames(editor, 1);
    setKey(irr::KEY_PLUS, true);
    EXPECT_NEAR(heightAfterFrames(editor, 10), start + 50.0f, 1e-3f);
    setKey(irr::KEY_PLUS, false);
    setKey(irr::KEY_MINUS, true);
    EXPECT_NEAR(heightAfterFrames(editor, 17), start - 35.0f, 1e-3f) << "below the focus, looking up";
    setKey(irr::KEY_MINUS, false);
    EXPECT_NEAR(heightAfterFrames(editor, 3), start - 35.0f, 1e-3f);
    EXPECT_EQ(editor.getCamera()->getTarget(), editor.getFocus());
}

TEST_F(VisualEditorTest, SwitchingTheEditorOffHandsTheGameCameraBack)
{
    std::filesystem::create_directory_symlink(std::filesystem::path(BELGARUNE_GAME_DIR) / "gamedata", "gamedata");
    testing::internal::CaptureStderr();
    Belgarune::DungeonVisual view;
    view.init();
    testing::internal::GetCapturedStderr();
    irr::scene::ISceneManager* scene = m_device->getSceneManager();
    irr::scene::ICameraSceneNode* game = view.getPlayerCamera();
    view.setCameraPose(vector3df(300, 10, 400), vector3df(310, 10, 400));

    view.setEditorMode(false);
    EXPECT_EQ(scene->getActiveCamera(), game) << "off before ever on changes no camera";
    EXPECT_EQ(g_gameBase->m_camera, game);

    view.setEditorMode(true);
    view.setEditorMode(true);
    EXPECT_NE(scene->getActiveCamera(), game);
    EXPECT_EQ(g_gameBase->m_camera, scene->getActiveCamera());
    EXPECT_FALSE(view.getDust()->isVisible());
    const auto& windows = g_device->getGUIEnvironment()->getRootGUIElement()->getChildren();
    ASSERT_EQ(windows.size(), 1u) << "one window";
    EXPECT_STREQ((*windows.begin())->getText(), L"World-Editor");

    view.setEditorMode(false);
    EXPECT_EQ(scene->getActiveCamera(), game) << "enabled twice, still the game camera comes back";
    EXPECT_EQ(g_gameBase->m_camera, game);
    EXPECT_TRUE(view.getDust()->isVisible());
    EXPECT_FALSE(g_device->getGUIEnvironment()->getRootGUIElement()->isVisible());
}

TEST_F(VisualEditorTest, SwitchingTheEditorSetsTheGameStateFlagWithIt)
{
    std::filesystem::create_directory_symlink(std::filesystem::path(BELGARUNE_GAME_DIR) / "gamedata", "gamedata");
    testing::internal::CaptureStderr();
    Belgarune::DungeonVisual view;
    view.init();
    testing::internal::GetCapturedStderr();

    irr::scene::ICameraSceneNode* game = view.getPlayerCamera();

    view.setEditorMode(true);
    EXPECT_EQ(g_gameBase->m_editorMode, 1);
    EXPECT_NE(m_device->getSceneManager()->getActiveCamera(), game);
    view.setEditorMode(false);
    EXPECT_EQ(g_gameBase->m_editorMode, 0);
    EXPECT_EQ(m_device->getSceneManager()->getActiveCamera(), game);
}

TEST_F(VisualEditorTest, EnablingFocusesOnTheGameCamera)
{
    irr::scene::ICameraSceneNode* game =
        m_device->getSceneManager()->addCameraSceneNode(nullptr, vector3df(120, 10, 80), vector3df(0, 0, 0));
    g_gameBase->m_camera = game;
    Belgarune::VisualEditor editor;
    editor.setEnabled(true);
    EXPECT_EQ(editor.getFocus(), vector3df(120, 10, 80));
    editor.draw();
    EXPECT_EQ(editor.getCamera()->getTarget(), vector3df(120, 10, 80));
    EXPECT_FALSE(editor.OnEvent(irr::SEvent{}));
}

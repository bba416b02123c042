// The patrol graph drawn by the editor with OpenGL: green lines between the
// points of a nodes.txt, read back from the frame.

#include "code/src/editor/visualeditor.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/nodegraph.h"
#include "talvoren/ombeldevice.h"
#include "tests/support/framecapture.h"
#include "tests/support/gldevice.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

#include <fstream>
#include <string>

namespace
{
const irr::u32 kWidth = 320;
const irr::u32 kHeight = 240;
const irr::core::rect<irr::s32> kWhole(0, 0, kWidth, kHeight);
const irr::video::SColor kGreen(255, 0, 255, 0);

class VisualEditorRenderTest : public testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::installLanguageFiles();
        g_gameBase->m_world = std::make_unique<Belgarune::GameWorld>();
        g_device = new Talvoren::OmbelDevice();
        ASSERT_TRUE(testsupport::initOpenGlDevice(*g_device, irr::core::dimension2du(kWidth, kHeight)))
            << "no OpenGL display (run under xvfb-run)";
    }

    void TearDown() override
    {
        delete g_device;
        g_device = nullptr;
        g_gameBase->m_camera = nullptr;
        g_gameBase->m_world = std::make_unique<Belgarune::GameWorld>();
    }

    //! The editor switched on where the game camera stands, one frame drawn, kept as a picture named name.
    testsupport::Frame drawEditorAt(const irr::core::vector3df& gameCamera, const std::string& name)
    {
        irr::scene::ISceneManager* scene = g_device->getSceneManager();
        g_gameBase->m_camera = scene->addCameraSceneNode(nullptr, gameCamera);
        testsupport::Frame frame;
        Belgarune::VisualEditor editor;
        editor.setEnabled(true);
        irr::video::IVideoDriver* driver = g_device->getVideoDriver();
        for (int pass = 0; pass < 2; ++pass)
        {
            driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
            scene->drawAll();
            editor.draw();
            frame = testsupport::readFrame(kWidth, kHeight);
            driver->endScene();
        }
        EXPECT_TRUE(testsupport::saveFrame(driver, frame, name));
        return frame;
    }

    testsupport::TempWorkDir m_dir;
};
} // namespace

TEST_F(VisualEditorRenderTest, PatrolGraphShowsAsGreenLines)
{
    std::ofstream("nodes.txt") << "[points]\r\n1,100,400\r\n2,102,400\r\n3,100,402\r\n[connections]\r\n1,2\r\n";
    ASSERT_TRUE(g_gameBase->m_world->getNodeGraph().load("nodes.txt"));

    const testsupport::Frame frame =
        drawEditorAt(irr::core::vector3df(1005.0f, 0.0f, 1000.0f), "editor_patrol_graph.png");
    const irr::u32 green = frame.countNear(kWhole, kGreen, 40);
    EXPECT_GT(green, 20u) << "the link between points 1 and 2";
    EXPECT_LT(green, kWidth * kHeight / 10) << "a line, not an area";
}

TEST_F(VisualEditorRenderTest, TheShippedGalleryLoopShowsBothLinksOfItsCorner)
{
    ASSERT_TRUE(g_gameBase->m_world->getNodeGraph().load(std::string(BELGARUNE_GAME_DIR) + "/gamedata/nodes.txt"));

    // The gallery mask's corner at map 245,250, where its loop turns south.
    const testsupport::Frame frame =
        drawEditorAt(irr::core::vector3df(2450.0f, 0.0f, 2500.0f), "editor_shipped_gallery.png");
    const irr::s32 midX = static_cast<irr::s32>(kWidth / 2);
    const irr::s32 midY = static_cast<irr::s32>(kHeight / 2);
    const irr::u32 left = frame.countNear(irr::core::rect<irr::s32>(0, 0, midX - 10, kHeight), kGreen, 40);
    const irr::u32 right = frame.countNear(irr::core::rect<irr::s32>(midX + 10, 0, kWidth, kHeight), kGreen, 40);
    const irr::u32 top = frame.countNear(irr::core::rect<irr::s32>(0, 0, kWidth, midY - 10), kGreen, 40);
    const irr::u32 bottom = frame.countNear(irr::core::rect<irr::s32>(0, midY + 10, kWidth, kHeight), kGreen, 40);
    // Seen from above, one link runs from the middle to the left, the other down; nothing else is near.
    EXPECT_GT(left, 20u);
    EXPECT_GT(bottom, 20u);
    EXPECT_EQ(right, 0u);
    EXPECT_EQ(top, 0u);
}

// The patrol graph drawn by the editor with OpenGL: green lines between the
// points of a small nodes.txt, read back from the frame.

#include "code/src/editor/visualeditor.h"
#include "code/src/logic/enemies/nodegraph.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameworld.h"
#include "talvoren/ombeldevice.h"
#include "tests/support/framecapture.h"
#include "tests/support/gldevice.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

#include <fstream>

namespace
{
const irr::u32 kWidth = 320;
const irr::u32 kHeight = 240;
} // namespace

TEST(VisualEditorRenderTest, PatrolGraphShowsAsGreenLines)
{
    testsupport::TempWorkDir dir;
    testsupport::installLanguageFiles();
    std::ofstream("nodes.txt") << "[points]\r\n1,100,400\r\n2,102,400\r\n3,100,402\r\n[connections]\r\n1,2\r\n";
    g_gameBase->m_world = std::make_unique<Belgarune::GameWorld>();
    ASSERT_TRUE(g_gameBase->m_world->getNodeGraph().load("nodes.txt"));
    g_device = new Talvoren::OmbelDevice();
    ASSERT_TRUE(testsupport::initOpenGlDevice(*g_device, irr::core::dimension2du(kWidth, kHeight)))
        << "no OpenGL display (run under xvfb-run)";
    irr::scene::ISceneManager* scene = g_device->getSceneManager();
    g_gameBase->m_camera = scene->addCameraSceneNode(nullptr, irr::core::vector3df(1005.0f, 0.0f, 1000.0f));

    testsupport::Frame frame;
    {
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
        EXPECT_TRUE(testsupport::saveFrame(driver, frame, "editor_patrol_graph.png"));
    }
    const irr::core::rect<irr::s32> whole(0, 0, kWidth, kHeight);
    const irr::u32 green = frame.countNear(whole, irr::video::SColor(255, 0, 255, 0), 40);
    EXPECT_GT(green, 20u) << "the link between points 1 and 2";
    EXPECT_LT(green, kWidth * kHeight / 10) << "a line, not an area";

    delete g_device;
    g_device = nullptr;
    g_gameBase->m_camera = nullptr;
    g_gameBase->m_world = std::make_unique<Belgarune::GameWorld>();
}

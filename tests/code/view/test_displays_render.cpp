// The story letters, the note sheet, the hearts and the map drawn by OpenGL with
// the game's generated pictures and shaders; each frame is kept under
// <build dir>/test-artifacts/ and checked for the colours it must show.

#include "code/src/shaders/shadermaterials.h"
#include "code/src/songs/score.h"
#include "code/src/state/gamebase.h"
#include "code/src/view/hpdisplay.h"
#include "code/src/view/mapview.h"
#include "code/src/view/textfieldnode.h"
#include "code/src/view/tonecolors.h"
#include "code/src/world/gameworld.h"
#include "talvoren/clock.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/picturescenenode.h"
#include "talvoren/shadermanager.h"
#include "tests/support/framecapture.h"
#include "tests/support/gldevice.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

using irr::core::rect;
using irr::core::vector3df;
using irr::video::SColor;
using testsupport::Frame;
using testsupport::isNear;

namespace
{
const irr::u32 kWidth = 960;
const irr::u32 kHeight = 600;
const SColor kBackground(255, 20, 20, 30);

//! The letter shader adds the halo to the letter's shape, which lifts the tone
//! colour by about 1.7 (clamped).
SColor litLetterColor(irr::u32 tone)
{
    const SColor color = Belgarune::toneColor(tone);
    const auto lift = [](irr::u32 channel) { return std::min(255u, channel * 17 / 10); };
    return SColor(255, lift(color.getRed()), lift(color.getGreen()), lift(color.getBlue()));
}

class DisplaysRenderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::installLanguageFiles();
        std::filesystem::create_directory_symlink(std::filesystem::path(BELGARUNE_GAME_DIR) / "gamedata", "gamedata");
        g_device = new Talvoren::OmbelDevice();
        ASSERT_TRUE(testsupport::initOpenGlDevice(*g_device, irr::core::dimension2du(kWidth, kHeight)))
            << "no OpenGL display (run under xvfb-run)";
        m_driver = g_device->getVideoDriver();
        m_scene = g_device->getSceneManager();
        m_materials.registerMaterials(*g_device->getShaderManager());
        m_camera = m_scene->addCameraSceneNode();
    }
    void TearDown() override
    {
        delete g_device;
        g_device = nullptr;
        g_gameBase->m_hp = 3;
        g_gameBase->m_world = std::make_unique<Belgarune::GameWorld>();
    }

    void advanceGameClock(irr::u32 ms) { g_device->getGameClock()->update(ms); }

    //! One frame: the main scene, then the extra drawing; read before it ends.
    template <typename Draw>
    Frame drawFrame(Draw draw)
    {
        m_driver->beginScene(true, true, kBackground);
        m_scene->drawAll();
        draw();
        Frame frame = testsupport::readFrame(kWidth, kHeight);
        m_driver->endScene();
        return frame;
    }
    Frame drawFrame() { return drawFrame([] {}); }

    void keep(const Frame& frame, const char* name) { EXPECT_TRUE(testsupport::saveFrame(m_driver, frame, name)); }

    testsupport::TempWorkDir m_dir;
    Belgarune::ShaderMaterials m_materials;
    irr::video::IVideoDriver* m_driver = nullptr;
    irr::scene::ISceneManager* m_scene = nullptr;
    irr::scene::ICameraSceneNode* m_camera = nullptr;
};
} // namespace

TEST_F(DisplaysRenderTest, LitLettersShowTheirTonesColours)
{
    std::srand(5);
    Belgarune::TextFieldNode* text = new Belgarune::TextFieldNode(m_scene->getRootSceneNode(), m_scene, -1);
    text->buildLetters(L"the mothers song\ngives time where\nit is needed", vector3df(0.0f, 7.5f, 0.0f),
                       vector3df(10.0f, 7.5f, 0.0f));
    text->drop();
    m_camera->setPosition(vector3df(3.2f, 6.9f, -5.0f));
    m_camera->setTarget(vector3df(3.2f, 6.9f, 0.0f));
    const rect<irr::s32> whole(0, 0, kWidth, kHeight);

    const Frame dark = drawFrame();
    keep(dark, "story_text_unlit.png");
    for (irr::u32 tone = 0; tone < Belgarune::kToneCount; ++tone)
        text->lightTone(tone);
    advanceGameClock(2000);
    text->updateLetters();
    const Frame lit = drawFrame();
    keep(lit, "story_text_lit.png");

    EXPECT_GT(dark.count(whole, [](const SColor& c) { return !isNear(c, kBackground, 8); }), kWidth * kHeight / 100)
        << "the unlit letters are carved into view";
    for (irr::u32 tone = 0; tone < Belgarune::kToneCount; ++tone)
    {
        EXPECT_EQ(dark.countNear(whole, litLetterColor(tone), 40), 0u) << "tone " << tone;
        EXPECT_GT(lit.countNear(whole, litLetterColor(tone), 40), 200u) << "tone " << tone;
    }
}

TEST_F(DisplaysRenderTest, NotesTravelTheStaffInTheirColours)
{
    Belgarune::Score score;
    score.init();
    for (irr::u32 tone = 0; tone < Belgarune::kToneCount; ++tone)
    {
        score.addNote(tone);
        advanceGameClock(1000);
    }
    const Frame frame = drawFrame([&] { score.renderNotes(), score.draw(); });
    keep(frame, "note_sheet.png");

    const rect<irr::s32> whole(0, 0, kWidth, kHeight);
    for (irr::u32 tone = 0; tone < Belgarune::kToneCount; ++tone)
        EXPECT_GT(frame.countNear(whole, Belgarune::toneColor(tone), 60), 40u) << "tone " << tone;
}

TEST_F(DisplaysRenderTest, WithoutARenderTargetTheSheetLeavesTheFrameAlone)
{
    Belgarune::Score score;
    score.init();
    m_driver->OnResize(irr::core::dimension2du(0, 0));
    score.onResize();
    m_driver->OnResize(irr::core::dimension2du(kWidth, kHeight));
    EXPECT_EQ(score.getRenderTarget(), nullptr);
    score.addNote(2);
    const Frame frame = drawFrame([&] { score.renderNotes(), score.draw(); });
    EXPECT_EQ(frame.countNear(rect<irr::s32>(0, 0, kWidth, kHeight), kBackground, 1), kWidth * kHeight);
}

TEST_F(DisplaysRenderTest, HeartsShowFullAndEmptyHalvesOfTheirPicture)
{
    g_gameBase->m_hp = 2;
    Belgarune::HpDisplay hearts(m_scene, g_device->getShaderManager());
    hearts.build();
    hearts.layout();
    EXPECT_EQ(hearts.getFullHeart(0)->getSourceRect(), rect<irr::s32>(0, 0, 64, 64));
    EXPECT_EQ(hearts.getEmptyHeart(0)->getSourceRect(), rect<irr::s32>(64, 0, 128, 64));
    const Frame frame = drawFrame([&] { hearts.render(); });
    keep(frame, "hearts.png");

    // s = 24: heart i covers (24 (2 + i), 24) to (24 (3 + i), 48).
    const auto red = [](const SColor& c) { return c.getRed() > 120 && c.getRed() > c.getGreen() + 60; };
    // The empty heart is a dark, half see-through shape.
    const auto dim = [](const SColor& c) {
        return c.getRed() > kBackground.getRed() + 8 && c.getRed() < 80 && !isNear(c, kBackground, 8);
    };
    EXPECT_GT(frame.count(rect<irr::s32>(48, 24, 72, 48), red), 150u);
    EXPECT_GT(frame.count(rect<irr::s32>(72, 24, 96, 48), red), 150u);
    EXPECT_GT(frame.count(rect<irr::s32>(96, 24, 120, 48), dim), 150u);
    EXPECT_EQ(frame.count(rect<irr::s32>(96, 24, 120, 48), red), 0u);
}

TEST_F(DisplaysRenderTest, MapShowsTheDiscoveredCellsAroundTheViewer)
{
    Belgarune::GameWorld& world = *g_gameBase->m_world;
    for (irr::s32 x = 245; x <= 255; ++x)
        for (irr::s32 z = 248; z <= 252; ++z)
            world.setWalkable(Belgarune::MapCoord(x, 0, z), true);
    Belgarune::MapView map(m_scene);
    map.refresh();
    map.update(250, 250);
    map.update(251, 250);
    const Frame frame = drawFrame([&] { map.render(); });
    keep(frame, "map_view.png");

    // 15 % of the width, 3:4, one and a half sizes from the lower-right corner.
    const rect<irr::s32> area(744, 438, 888, 546);
    EXPECT_GT(frame.countNear(area, SColor(255, 50, 25, 100), 12), 400u) << "free cells";
    EXPECT_GT(frame.countNear(area, SColor(255, 255, 255, 255), 12), 100u) << "blocked cells";
    EXPECT_GT(frame.countNear(area, SColor(255, 0, 0, 255), 12), 20u) << "the viewer";
    EXPECT_EQ(frame.countNear(rect<irr::s32>(0, 0, 700, kHeight), kBackground, 8), 700 * kHeight) << "left of the map";
}

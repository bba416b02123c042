// The splash and the title menu drawn by OpenGL with the generated assets;
// screenshots are kept under <build dir>/test-artifacts/.

#include "code/src/menu/gamestartlogic.h"
#include "code/src/menu/menuelogic.h"
#include "code/src/shaders/shadermaterials.h"
#include "code/src/state/gamebase.h"
#include "code/src/view/gamefont.h"
#include "talvoren/ombeldevice.h"
#include "tests/support/framecapture.h"
#include "tests/support/gldevice.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

#include <filesystem>
#include <functional>

using irr::core::rect;

namespace
{
const irr::u32 kWidth = 800;
const irr::u32 kHeight = 600;

class MenuScreensTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::installLanguageFiles();
        std::filesystem::create_directory_symlink(std::filesystem::path(BELGARUNE_GAME_DIR) / "gamedata", "gamedata");
        m_savedGameBase = std::exchange(g_gameBase, std::make_shared<Belgarune::GameBase>());
        g_device = &m_device;
        ASSERT_TRUE(testsupport::initOpenGlDevice(m_device, irr::core::dimension2du(kWidth, kHeight)))
            << "no OpenGL display (run under xvfb-run)";
        m_materials.registerMaterials(*m_device.getShaderManager());
        m_device.getSceneManager()->addCameraSceneNode();
        m_font.reload();
        g_gameBase->m_font = &m_font;
        m_device.getIrrlichtDevice()->getTimer()->stop();
        setTime(0);
    }
    void TearDown() override
    {
        g_gameBase = m_savedGameBase;
        g_device = nullptr;
    }

    void setTime(irr::u32 ms) { m_device.getIrrlichtDevice()->getTimer()->setTime(kStart + ms); }

    //! Draws one frame as the dungeon view would (its scene first) and keeps it as a picture.
    testsupport::Frame drawFrame(const std::function<void()>& draw, const std::string& name)
    {
        irr::video::IVideoDriver* driver = m_device.getVideoDriver();
        driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        m_device.getSceneManager()->drawAll();
        draw();
        testsupport::Frame frame = testsupport::readFrame(kWidth, kHeight);
        driver->endScene();
        EXPECT_TRUE(testsupport::saveFrame(driver, frame, name));
        return frame;
    }

    //! Pixels of the area whose grey value lies in [low, high].
    static irr::u32 countIn(const testsupport::Frame& frame, const rect<irr::s32>& area, irr::u32 low, irr::u32 high)
    {
        return frame.count(area, [&](const irr::video::SColor& c) {
            return c.getAverage() >= low && c.getAverage() <= high;
        });
    }

    static constexpr irr::u32 kStart = 50000;
    testsupport::TempWorkDir m_dir;
    // Destroyed in this order: font, materials, then the device.
    Talvoren::OmbelDevice m_device;
    Belgarune::ShaderMaterials m_materials;
    Belgarune::GameFont m_font;
    std::shared_ptr<Belgarune::GameBase> m_savedGameBase;
};
} // namespace

TEST_F(MenuScreensTest, SplashShowsEachLogoInItsWindowOnly)
{
    Belgarune::GameStartLogic splash;
    const rect<irr::s32> logoArea(144, 172, 656, 428);
    const std::pair<irr::u32, bool> frames[] = {{0, false}, {2000, true}, {4000, true}, {6000, true}, {7200, false}};
    for (const auto& [t, shown] : frames)
    {
        setTime(t);
        const testsupport::Frame frame = drawFrame([&] { splash.draw(); }, "splash-" + std::to_string(t) + "ms.png");
        EXPECT_EQ(countIn(frame, logoArea, 0, 8) < static_cast<irr::u32>(logoArea.getArea()), shown) << t << " ms";
    }
}

TEST_F(MenuScreensTest, MenuShowsEntriesSongsAndTheRestartNotice)
{
    g_gameBase->m_learnedSongs[3] = 1;
    g_gameBase->m_learnedSongs[8] = 1;
    Belgarune::MenueLogic menu;
    menu.onEnter();
    setTime(1000);
    const testsupport::Frame main = drawFrame([&] { menu.draw(); }, "menu-main.png");
    // The selected "Continue" is white, the other entries grey.
    EXPECT_GT(countIn(main, rect<irr::s32>(40, 300, 150, 330), 250, 255), 20u);
    EXPECT_EQ(countIn(main, rect<irr::s32>(40, 330, 150, 420), 250, 255), 0u);
    EXPECT_GT(countIn(main, rect<irr::s32>(40, 330, 150, 420), 90, 110), 20u);
    // Song 1 (learned) in the song area's first row, song 2 (not learned) beside it.
    EXPECT_LT(countIn(main, rect<irr::s32>(410, 310, 590, 360), 0, 8), 180u * 50u);
    EXPECT_EQ(countIn(main, rect<irr::s32>(610, 310, 790, 360), 0, 8), 180u * 50u);

    for (irr::EKEY_CODE key : {irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_RETURN, irr::KEY_DOWN, irr::KEY_DOWN,
                               irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_RIGHT})
    {
        irr::SEvent event{};
        event.EventType = irr::EET_KEY_INPUT_EVENT;
        event.KeyInput.Key = key;
        menu.OnEvent(event);
    }
    const testsupport::Frame options = drawFrame([&] { menu.draw(); }, "menu-options.png");
    const rect<irr::s32> noticeBand(240, 270, 800, 300);
    EXPECT_GT(countIn(options, noticeBand, 250, 255), 100u);
    setTime(1001 + Belgarune::MenueLogic::kNoticeMs);
    EXPECT_EQ(countIn(drawFrame([&] { menu.draw(); }, "menu-options-later.png"), noticeBand, 250, 255), 0u);
}

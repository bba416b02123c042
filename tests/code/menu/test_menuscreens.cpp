// The splash and the title menu drawn by OpenGL with the generated assets;
// screenshots are kept under <build dir>/test-artifacts/.

#include "code/src/menu/gamestartlogic.h"
#include "code/src/menu/menuelogic.h"
#include "code/src/shaders/shadermaterials.h"
#include "code/src/state/gamebase.h"
#include "code/src/view/gamefont.h"
#include "talvoren/ombeldevice.h"
#include "tests/support/gldevice.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <irrlicht.h>

#include <filesystem>
#include <functional>

using irr::core::rect;

namespace
{
const irr::s32 kWidth = 800;
const irr::s32 kHeight = 600;

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

    //! Draws one frame as the dungeon view would (its scene first) and keeps it as an image.
    irr::video::IImage* drawFrame(const std::function<void()>& draw, const char* name)
    {
        irr::video::IVideoDriver* driver = m_device.getVideoDriver();
        driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        m_device.getSceneManager()->drawAll();
        draw();
        irr::video::IImage* image = driver->createImage(irr::video::ECF_A8R8G8B8, irr::core::dimension2du(kWidth, kHeight));
        glFinish();
        irr::u8* rows = static_cast<irr::u8*>(image->lock());
        for (irr::s32 y = 0; y < kHeight; ++y) // OpenGL counts rows from the bottom
            glReadPixels(0, kHeight - 1 - y, kWidth, 1, GL_BGRA, GL_UNSIGNED_BYTE, rows + y * image->getPitch());
        image->unlock();
        driver->endScene();
        const std::filesystem::path folder = std::filesystem::path(BELGARUNE_GAME_DIR).parent_path() / "test-artifacts";
        std::filesystem::create_directories(folder);
        EXPECT_TRUE(driver->writeImageToFile(image, (folder / name).string().c_str()));
        m_frames.emplace_back(image, [](irr::video::IImage* i) { i->drop(); });
        return image;
    }

    //! Pixels of the area whose grey value lies in [low, high].
    static int countIn(irr::video::IImage* image, const rect<irr::s32>& area, irr::u32 low, irr::u32 high)
    {
        int count = 0;
        for (irr::s32 y = area.UpperLeftCorner.Y; y < area.LowerRightCorner.Y; ++y)
            for (irr::s32 x = area.UpperLeftCorner.X; x < area.LowerRightCorner.X; ++x)
            {
                const irr::u32 grey = image->getPixel(x, y).getAverage();
                count += grey >= low && grey <= high;
            }
        return count;
    }

    static constexpr irr::u32 kStart = 50000;
    testsupport::TempWorkDir m_dir;
    // Destroyed in this order: frames, font, materials, then the device.
    Talvoren::OmbelDevice m_device;
    Belgarune::ShaderMaterials m_materials;
    Belgarune::GameFont m_font;
    std::vector<std::unique_ptr<irr::video::IImage, void (*)(irr::video::IImage*)>> m_frames;
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
        const std::string name = "splash-" + std::to_string(t) + "ms.png";
        irr::video::IImage* frame = drawFrame([&] { splash.draw(); }, name.c_str());
        EXPECT_EQ(countIn(frame, logoArea, 0, 8) < logoArea.getArea(), shown) << t << " ms";
    }
}

TEST_F(MenuScreensTest, MenuShowsEntriesSongsAndTheRestartNotice)
{
    g_gameBase->m_learnedSongs[3] = 1;
    g_gameBase->m_learnedSongs[8] = 1;
    Belgarune::MenueLogic menu;
    menu.onEnter();
    setTime(1000);
    irr::video::IImage* main = drawFrame([&] { menu.draw(); }, "menu-main.png");
    // The selected "Continue" is white, the other entries grey.
    EXPECT_GT(countIn(main, rect<irr::s32>(40, 300, 150, 330), 250, 255), 20);
    EXPECT_EQ(countIn(main, rect<irr::s32>(40, 330, 150, 420), 250, 255), 0);
    EXPECT_GT(countIn(main, rect<irr::s32>(40, 330, 150, 420), 90, 110), 20);
    // Song 1 (learned) in the song area's first row, song 2 (not learned) beside it.
    EXPECT_LT(countIn(main, rect<irr::s32>(410, 310, 590, 360), 0, 8), 180 * 50);
    EXPECT_EQ(countIn(main, rect<irr::s32>(610, 310, 790, 360), 0, 8), 180 * 50);

    for (irr::EKEY_CODE key : {irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_RETURN, irr::KEY_DOWN, irr::KEY_DOWN,
                               irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_RIGHT})
    {
        irr::SEvent event{};
        event.EventType = irr::EET_KEY_INPUT_EVENT;
        event.KeyInput.Key = key;
        menu.OnEvent(event);
    }
    irr::video::IImage* options = drawFrame([&] { menu.draw(); }, "menu-options.png");
    const rect<irr::s32> noticeBand(240, 270, 800, 300);
    EXPECT_GT(countIn(options, noticeBand, 250, 255), 100);
    setTime(1001 + Belgarune::MenueLogic::kNoticeMs);
    EXPECT_EQ(countIn(drawFrame([&] { menu.draw(); }, "menu-options-later.png"), noticeBand, 250, 255), 0);
}

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
#include <vector>

using Belgarune::MenueLogic;

namespace
{
const irr::u32 kWidth = 800;
const irr::u32 kHeight = 600;

//! One frame's pixels, top row first.
class Frame
{
public:
    Frame() : m_pixels(kWidth * kHeight * 4) {}

    //! Reads the back buffer before the frame ends.
    void read()
    {
        std::vector<irr::u8> rows(m_pixels.size());
        glFinish();
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
        for (irr::u32 y = 0; y < kHeight; ++y)
            std::copy_n(&rows[(kHeight - 1 - y) * kWidth * 4], kWidth * 4, &m_pixels[y * kWidth * 4]);
    }

    irr::video::SColor at(irr::u32 x, irr::u32 y) const
    {
        const irr::u8* p = &m_pixels[(y * kWidth + x) * 4];
        return irr::video::SColor(255, p[0], p[1], p[2]);
    }

    //! Pixels of the area whose red, green and blue all lie in [low, high].
    int countIn(const irr::core::rect<irr::s32>& area, irr::u32 low, irr::u32 high) const
    {
        int count = 0;
        for (irr::s32 y = area.UpperLeftCorner.Y; y < area.LowerRightCorner.Y; ++y)
            for (irr::s32 x = area.UpperLeftCorner.X; x < area.LowerRightCorner.X; ++x)
            {
                const irr::video::SColor c = at(x, y);
                const irr::u32 channels[] = {c.getRed(), c.getGreen(), c.getBlue()};
                count += std::all_of(std::begin(channels), std::end(channels),
                                     [&](irr::u32 v) { return v >= low && v <= high; });
            }
        return count;
    }

    void save(irr::video::IVideoDriver* driver, const std::string& name) const
    {
        const std::filesystem::path folder = std::filesystem::path(BELGARUNE_GAME_DIR).parent_path() / "test-artifacts";
        std::filesystem::create_directories(folder);
        irr::video::IImage* image = driver->createImage(irr::video::ECF_A8R8G8B8, irr::core::dimension2du(kWidth, kHeight));
        for (irr::u32 y = 0; y < kHeight; ++y)
            for (irr::u32 x = 0; x < kWidth; ++x)
                image->setPixel(x, y, at(x, y));
        EXPECT_TRUE(driver->writeImageToFile(image, (folder / name).string().c_str()));
        image->drop();
    }

private:
    std::vector<irr::u8> m_pixels;
};

class MenuScreensTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::installLanguageFiles();
        std::filesystem::create_directory_symlink(std::filesystem::path(BELGARUNE_GAME_DIR) / "gamedata", "gamedata");
        testsupport::writeFile("game.ini", "\n");
        m_savedGameBase = g_gameBase;
        g_gameBase = std::make_shared<Belgarune::GameBase>();
        g_device = &m_device;
        ASSERT_TRUE(testsupport::initOpenGlDevice(m_device, irr::core::dimension2du(kWidth, kHeight)))
            << "no OpenGL display (run under xvfb-run)";
        m_materials.registerMaterials(*m_device.getShaderManager());
        m_device.getSceneManager()->addCameraSceneNode();
        m_font.reload();
        g_gameBase->m_font = &m_font;
        m_device.getIrrlichtDevice()->getTimer()->stop();
        setTime(kStart);
    }
    void TearDown() override
    {
        g_gameBase = m_savedGameBase;
        g_device = nullptr;
    }

    void setTime(irr::u32 ms) { m_device.getIrrlichtDevice()->getTimer()->setTime(ms); }

    Frame drawFrame(const std::function<void()>& draw)
    {
        Frame frame;
        irr::video::IVideoDriver* driver = m_device.getVideoDriver();
        driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        // The dungeon view draws the scene first; the pictures project through its camera.
        m_device.getSceneManager()->drawAll();
        draw();
        frame.read();
        driver->endScene();
        return frame;
    }

    void release(MenueLogic& menu, irr::EKEY_CODE key)
    {
        irr::SEvent event{};
        event.EventType = irr::EET_KEY_INPUT_EVENT;
        event.KeyInput.Key = key;
        menu.OnEvent(event);
    }

    static constexpr irr::u32 kStart = 50000;
    testsupport::TempWorkDir m_dir;
    // Destroyed in this order: font, materials, then the device.
    Talvoren::OmbelDevice m_device;
    Belgarune::ShaderMaterials m_materials;
    Belgarune::GameFont m_font;
    std::shared_ptr<Belgarune::GameBase> m_savedGameBase;
};

const irr::core::rect<irr::s32> kCentre(380, 280, 420, 320);
} // namespace

TEST_F(MenuScreensTest, SplashShowsEachLogoInItsWindowOnly)
{
    Belgarune::GameStartLogic splash;
    const Frame before = drawFrame([&] { splash.draw(); });
    setTime(kStart + 2000);
    const Frame first = drawFrame([&] { splash.draw(); });
    setTime(kStart + 4000);
    const Frame second = drawFrame([&] { splash.draw(); });
    setTime(kStart + 7200);
    const Frame after = drawFrame([&] { splash.draw(); });
    first.save(m_device.getVideoDriver(), "splash-first-logo.png");
    second.save(m_device.getVideoDriver(), "splash-second-logo.png");

    const int area = kCentre.getArea();
    EXPECT_EQ(before.countIn(kCentre, 0, 0), area);
    EXPECT_EQ(after.countIn(kCentre, 0, 0), area);
    const irr::core::rect<irr::s32> logoArea(144, 172, 656, 428);
    EXPECT_LT(first.countIn(logoArea, 0, 8), logoArea.getArea()) << "the first logo is drawn";
    EXPECT_LT(second.countIn(logoArea, 0, 8), logoArea.getArea()) << "the second logo is drawn";
}

TEST_F(MenuScreensTest, MenuShowsTitleEntriesAndLearnedSongs)
{
    g_gameBase->m_learnedSongs[3] = 1;
    g_gameBase->m_learnedSongs[8] = 1;
    MenueLogic menu;
    menu.onEnter();
    setTime(kStart + 1000);
    const Frame frame = drawFrame([&] { menu.draw(); });
    frame.save(m_device.getVideoDriver(), "menu-main.png");

    // The selected "Continue" is white, the other entries grey, over the dark panel.
    const irr::core::rect<irr::s32> firstRow(40, 300, 200, 330);
    const irr::core::rect<irr::s32> otherRows(40, 330, 200, 420);
    EXPECT_GT(frame.countIn(firstRow, 250, 255), 20);
    EXPECT_EQ(frame.countIn(otherRows, 250, 255), 0);
    EXPECT_GT(frame.countIn(otherRows, 90, 110), 20);
    // Song 1 (learned) at the left of the first row of the song area, song 2 (not) beside it.
    EXPECT_LT(frame.countIn(irr::core::rect<irr::s32>(410, 310, 590, 360), 0, 8), 180 * 50);
    EXPECT_EQ(frame.countIn(irr::core::rect<irr::s32>(610, 310, 790, 360), 0, 8), 180 * 50);
}

TEST_F(MenuScreensTest, OptionsShowValuesAndTheRestartNotice)
{
    MenueLogic menu;
    menu.onEnter();
    for (irr::EKEY_CODE key : {irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_RETURN, irr::KEY_DOWN, irr::KEY_DOWN,
                               irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_RIGHT})
        release(menu, key);
    setTime(kStart + 1000);
    const Frame frame = drawFrame([&] { menu.draw(); });
    frame.save(m_device.getVideoDriver(), "menu-options.png");

    const irr::core::rect<irr::s32> noticeBand(200, 270, 800, 300);
    EXPECT_GT(frame.countIn(noticeBand, 250, 255), 100);
    setTime(kStart + 1000 + MenueLogic::kNoticeMs);
    const Frame later = drawFrame([&] { menu.draw(); });
    EXPECT_EQ(later.countIn(noticeBand, 250, 255), 0);
}

// The note sheet by OpenGL at 1280 x 720: rendered only when its picture
// changes and drawn only over its band, it must show exactly what rendering the
// whole sheet every frame and drawing it over the whole screen shows.

#include "code/src/songs/score.h"
#include "talvoren/clock.h"
#include "talvoren/ombeldevice.h"
#include "tests/support/framecapture.h"
#include "tests/support/gldevice.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

using irr::video::SColor;
using testsupport::Frame;

namespace
{
const irr::u32 kWidth = 1280;
const irr::u32 kHeight = 720;
const irr::core::rect<irr::s32> kWhole(0, 0, kWidth, kHeight);
const SColor kMarker(255, 255, 0, 255);

irr::u32 differingPixels(const Frame& a, const Frame& b)
{
    irr::u32 differing = 0;
    for (size_t i = 0; i < a.pixels.size(); i += 4)
        for (size_t c = 0; c < 3; ++c)
            if (a.pixels[i + c] != b.pixels[i + c])
            {
                ++differing;
                break;
            }
    return differing;
}

class ScoreRenderTest : public ::testing::Test
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
        m_score = std::make_unique<Belgarune::Score>();
        m_score->init();
    }
    void TearDown() override
    {
        m_score.reset();
        delete g_device;
        g_device = nullptr;
    }

    //! One frame: the sheet's rendering step, a gradient in place of the
    //! dungeon, then the sheet's drawing; read before the frame ends.
    Frame frame(const std::function<void()>& render, const std::function<void()>& draw)
    {
        m_driver->beginScene(true, true, SColor(255, 0, 0, 0));
        render();
        m_driver->draw2DRectangle(kWhole, SColor(255, 200, 30, 10), SColor(255, 10, 180, 40),
                                  SColor(255, 30, 60, 220), SColor(255, 240, 240, 240));
        draw();
        Frame frame = testsupport::readFrame(kWidth, kHeight);
        m_driver->endScene();
        return frame;
    }
    Frame gameFrame(bool shown = true)
    {
        return frame([&] { m_score->renderNotes(shown); }, [&] { m_score->draw(); });
    }
    //! Renders the whole sheet and draws its whole texture over the whole screen.
    Frame everyFrameOverWholeScreen()
    {
        return frame([&] { m_score->renderSheet(); }, [&] { drawWholeTexture(); });
    }
    void drawWholeTexture()
    {
        m_driver->draw2DImage(m_score->getRenderTarget(), irr::core::position2d<irr::s32>(0, 0), kWhole, nullptr,
                              SColor(255, 255, 255, 255), true);
    }

    void advance(irr::u32 ms) { g_device->getGameClock()->update(ms); }

    irr::video::IVideoDriver* m_driver = nullptr;
    testsupport::TempWorkDir m_dir;
    std::unique_ptr<Belgarune::Score> m_score;
};
} // namespace

TEST_F(ScoreRenderTest, TheBandRenderedOnChangeShowsWhatTheWholeSheetEveryFrameShows)
{
    std::srand(3);
    const Frame bare = frame([] {}, [] {});
    struct Step
    {
        const char* name;
        std::function<void()> change;
    };
    const Step steps[] = {
        {"no notes", [] {}},
        {"five notes", [&] {
             for (irr::u32 tone = 0; tone < 5; ++tone)
             {
                 m_score->addNote(tone);
                 advance(900);
             }
         }},
        {"the notes halfway", [&] { advance(2000); }},
        {"greyed lines", [&] { m_score->setLineStyle(false); }},
        {"the first notes gone", [&] { advance(1500); }},
        {"every note gone", [&] { advance(6000); }},
        {"nothing changed", [] {}},
        {"lines of play again", [&] { m_score->setLineStyle(true); }},
        {"a new render target", [&] { m_score->onResize(); }},
        {"a note played while hidden", [&] {
             m_score->addNote(3);
             advance(500);
             gameFrame(false);
             advance(500);
         }},
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.name);
        step.change();
        const Frame game = gameFrame();
        const Frame literal = everyFrameOverWholeScreen();
        EXPECT_EQ(differingPixels(game, literal), 0u);
        EXPECT_GT(differingPixels(game, bare), kWidth * kHeight / 50) << "the staff is shown";
    }
    EXPECT_LT(m_score->getBand().getArea(), static_cast<irr::s32>(kWidth * kHeight / 2));
}

TEST_F(ScoreRenderTest, AnUnchangedOrHiddenSheetIsNotRenderedAgain)
{
    gameFrame();
    const auto markTexture = [&] {
        m_driver->setRenderTarget(m_score->getRenderTarget(), true, true, kMarker);
        m_driver->setRenderTarget(nullptr, true, true, SColor(0, 0, 0, 0));
    };
    const auto markedPixels = [&] {
        const Frame shown = frame([] {}, [&] { drawWholeTexture(); });
        return shown.countNear(kWhole, kMarker, 0);
    };
    markTexture();
    m_score->renderNotes(true);
    EXPECT_EQ(markedPixels(), kWidth * kHeight) << "unchanged";

    m_score->addNote(1);
    m_score->renderNotes(false);
    EXPECT_EQ(markedPixels(), kWidth * kHeight) << "hidden";

    m_score->renderNotes(true);
    EXPECT_EQ(markedPixels(), 0u) << "shown with a note";
}

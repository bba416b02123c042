// The dungeon view drawn by OpenGL in the game's main loop, with the game's
// own shaders and pieces: a corridor in the player's light as each tone
// glows, a shaken frame and the death overlay. Frames are kept under
// <build dir>/test-artifacts/.

#include "code/src/dungeonvisual.h"
#include "code/src/events/viewevents.h"
#include "code/src/level/visualspace.h"
#include "code/src/state/gamebase.h"
#include "code/src/view/gamefont.h"
#include "gui/cguittfont.h"
#include "code/src/view/tonecolors.h"
#include "talvoren/clock.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/mapcoord.h"
#include "talvoren/gamelogic.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/softwarerenderer.h"
#include "tests/support/framecapture.h"
#include "tests/support/gldevice.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

#include <filesystem>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using Belgarune::MapCoord;
using irr::core::vector3df;
using testsupport::Frame;

namespace
{
const irr::u32 kWidth = 640;
const irr::u32 kHeight = 480;

//! One picture the loop takes: prepare runs once, then frames are drawn until ready.
struct Shot
{
    std::string name;
    std::function<void()> prepare;
    std::function<bool()> ready;
};

//! Runs the view in the device's loop, holding a tone while asked, and keeps
//! one frame per shot; quits after the last.
class ShotLogic : public Talvoren::GameLogic
{
public:
    ShotLogic(Belgarune::DungeonVisual& view, std::vector<Shot> shots) : m_view(view), m_shots(std::move(shots)) {}

    void update() override
    {
        if (!m_prepared)
        {
            m_shots[m_next].prepare();
            m_prepared = true;
        }
        for (irr::u32 tone = 0; tone < Belgarune::kToneCount; ++tone)
        {
            if (static_cast<irr::s32>(tone) == heldTone)
                m_view.raiseToneGlow(tone);
            else
                m_view.lowerToneGlow(tone);
        }
    }
    void render() override
    {
        m_view.draw();
        if (!m_shots[m_next].ready())
            return;
        frames.push_back(testsupport::readFrame(kWidth, kHeight));
        EXPECT_TRUE(testsupport::saveFrame(g_device->getVideoDriver(), frames.back(), m_shots[m_next].name));
        m_prepared = false;
        if (++m_next == m_shots.size())
            g_device->quit();
    }

    irr::s32 heldTone = -1;
    std::vector<Frame> frames;

private:
    Belgarune::DungeonVisual& m_view;
    std::vector<Shot> m_shots;
    size_t m_next = 0;
    bool m_prepared = false;
};

irr::video::SColor meanAround(const Frame& frame, irr::u32 x, irr::u32 y, irr::u32 half)
{
    irr::u32 sum[3] = {0, 0, 0};
    irr::u32 count = 0;
    for (irr::u32 j = y - half; j <= y + half; ++j)
        for (irr::u32 i = x - half; i <= x + half; ++i, ++count)
        {
            const irr::video::SColor c = frame.at(i, j);
            sum[0] += c.getRed();
            sum[1] += c.getGreen();
            sum[2] += c.getBlue();
        }
    return irr::video::SColor(255, sum[0] / count, sum[1] / count, sum[2] / count);
}

irr::u32 channel(const irr::video::SColor& c, int index)
{
    return index == 0 ? c.getRed() : (index == 1 ? c.getGreen() : c.getBlue());
}

const irr::core::rect<irr::s32> kWholeFrame(0, 0, kWidth, kHeight);

//! Pixels of the area that differ by more than a little in any channel.
irr::u32 changedPixels(const Frame& a, const Frame& b, const irr::core::rect<irr::s32>& area = kWholeFrame)
{
    irr::u32 changed = 0;
    for (irr::s32 y = area.UpperLeftCorner.Y; y < area.LowerRightCorner.Y; ++y)
        for (irr::s32 x = area.UpperLeftCorner.X; x < area.LowerRightCorner.X; ++x)
            if (!testsupport::isNear(a.at(static_cast<irr::u32>(x), static_cast<irr::u32>(y)),
                                     b.at(static_cast<irr::u32>(x), static_cast<irr::u32>(y)), 24))
                ++changed;
    return changed;
}

class DungeonVisualRenderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::installLanguageFiles();
        std::filesystem::create_directory("logs");
        std::filesystem::create_directory_symlink(std::filesystem::path(BELGARUNE_GAME_DIR) / "gamedata", "gamedata");
        g_device = new Talvoren::OmbelDevice();
        ASSERT_TRUE(testsupport::initOpenGlDevice(*g_device, irr::core::dimension2du(kWidth, kHeight)))
            << "no OpenGL display (run under xvfb-run)";
        m_view = std::make_unique<Belgarune::DungeonVisual>();
        m_view->init();
        buildCorridor();
        m_view->setCameraPose(vector3df(2510.0f, 11.0f, 2487.0f), vector3df(2510.0f, 3.0f, 2530.0f));
        g_gameBase->m_hasItem[1] = true;
    }
    void TearDown() override
    {
        m_view.reset();
        delete g_device;
        g_device = nullptr;
        g_gameBase->m_hasItem[1] = false;
        g_gameBase->m_camera = nullptr;
        g_gameBase->m_world = std::make_unique<Belgarune::GameWorld>();
    }

    //! A corridor five cells wide and six deep with walls around it.
    void buildCorridor()
    {
        for (irr::s32 x = 249; x <= 253; ++x)
        {
            for (irr::s32 z = 249; z <= 254; ++z)
                m_view->placeFloor(MapCoord(x, 0, z), Belgarune::FloorCode::Plain);
            m_view->placeWall(MapCoord(x, 0, 254), Belgarune::WallType::Stone, Belgarune::WallSide::PlusZ);
        }
        for (irr::s32 z = 249; z <= 254; ++z)
        {
            m_view->placeWall(MapCoord(249, 0, z), Belgarune::WallType::Large, Belgarune::WallSide::MinusX);
            m_view->placeWall(MapCoord(253, 0, z), Belgarune::WallType::Large, Belgarune::WallSide::PlusX);
        }
    }

    std::vector<Frame> run(std::vector<Shot> shots)
    {
        auto logic = std::make_shared<ShotLogic>(*m_view, std::move(shots));
        m_logic = logic.get();
        g_device->setGameLogic(logic);
        g_device->run();
        return logic->frames;
    }

    //! Draws a few frames first, so the light written by one frame is in use.
    static std::function<bool()> afterFrames(int count)
    {
        auto left = std::make_shared<int>(count);
        return [left] { return --*left < 0; };
    }

    //! Ready once the condition held in two frames in a row: the light a
    //! frame writes is used by the next.
    static std::function<bool()> afterTwoFrames(std::function<bool()> condition)
    {
        auto held = std::make_shared<int>(0);
        return [held, condition] {
            *held = condition() ? *held + 1 : 0;
            return *held >= 2;
        };
    }

    //! The tone glows at least half and the others have faded out.
    bool onlyToneGlowing(irr::u32 tone) const
    {
        for (irr::u32 t = 0; t < Belgarune::kToneCount; ++t)
            if (t != tone && m_view->getToneGlow(t) > 0.0f)
                return false;
        return m_view->getToneGlow(tone) >= 0.5f;
    }

    testsupport::TempWorkDir m_dir;
    std::unique_ptr<Belgarune::DungeonVisual> m_view;
    ShotLogic* m_logic = nullptr;
};
} // namespace

TEST_F(DungeonVisualRenderTest, CorridorTakesTheColourOfEachGlowingTone)
{
    std::vector<Shot> shots{{"dungeon_view_plain_light.png", [] {}, afterFrames(3)}};
    for (irr::s32 tone = 0; tone < static_cast<irr::s32>(Belgarune::kToneCount); ++tone)
    {
        shots.push_back({"dungeon_view_tone" + std::to_string(tone) + ".png",
                         [this, tone] { m_logic->heldTone = tone; },
                         afterTwoFrames([this, tone] { return onlyToneGlowing(static_cast<irr::u32>(tone)); })});
    }
    const std::vector<Frame> frames = run(shots);
    ASSERT_EQ(frames.size(), shots.size());

    const irr::video::SColor plain = meanAround(frames[0], kWidth / 2, kHeight * 3 / 4, 8);
    EXPECT_GT(plain.getRed() + plain.getGreen() + plain.getBlue(), 60u) << "the floor before the player is lit";
    for (irr::u32 tone = 0; tone < Belgarune::kToneCount; ++tone)
    {
        SCOPED_TRACE(tone);
        const irr::video::SColor lit = meanAround(frames[tone + 1], kWidth / 2, kHeight * 3 / 4, 8);
        const irr::video::SColor colour = Belgarune::toneColor(tone);
        int strongest = 0;
        int weakest = 0;
        for (int c = 1; c < 3; ++c)
        {
            if (channel(colour, c) > channel(colour, strongest))
                strongest = c;
            if (channel(colour, c) < channel(colour, weakest))
                weakest = c;
        }
        const auto gain = [&](int c) { return (channel(lit, c) + 1.0f) / (channel(plain, c) + 1.0f); };
        EXPECT_GT(gain(strongest), gain(weakest) * 1.15f) << "lit " << lit.getRed() << "," << lit.getGreen() << ","
                                                         << lit.getBlue();
    }
}

TEST_F(DungeonVisualRenderTest, ShakeMovesTheFrameAndTheDeathOverlayCoversIt)
{
    const std::vector<Frame> frames =
        run({{"dungeon_view_still.png", [] {}, afterFrames(2)},
             {"dungeon_view_shaken.png",
              [this] { m_view->handleEvent(std::make_shared<Belgarune::ShakeScreenEvent>(3.0f, 60000)); },
              afterFrames(5)},
             {"dungeon_view_death_overlay.png", [this] { m_view->setOverlayAlpha(1.0f); }, afterFrames(1)}});
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_GT(changedPixels(frames[0], frames[1]), kWidth * kHeight / 10) << "the shaken view is displaced";
    EXPECT_GT(changedPixels(frames[1], frames[2]), kWidth * kHeight / 2) << "the overlay hides the scene";
}

namespace
{
//! Bright, nearly grey pixels in the caption band (lower 40 % of the frame).
irr::u32 captionPixels(const Frame& frame)
{
    const irr::core::rect<irr::s32> band(0, kHeight * 6 / 10, kWidth, kHeight);
    return frame.count(band, [](const irr::video::SColor& c) {
        const irr::u32 high = std::max({c.getRed(), c.getGreen(), c.getBlue()});
        const irr::u32 low = std::min({c.getRed(), c.getGreen(), c.getBlue()});
        return low > 200 && high - low < 20;
    });
}

//! Ready once this much game time (the captions' clock) has passed since the
//! shot's first frame.
std::function<bool()> gameMsLater(irr::f64 ms)
{
    auto start = std::make_shared<irr::f64>(-1.0);
    return [start, ms] {
        const irr::f64 now = g_device->getGameClock()->getTotal();
        if (*start < 0.0)
            *start = now;
        return now - *start >= ms;
    };
}
} // namespace

TEST_F(DungeonVisualRenderTest, NoticePromptAndCreditsAreWrittenOverTheScene)
{
    Belgarune::GameFont font;
    font.reload();
    g_gameBase->m_font = &font;
    const std::vector<Frame> frames = run(
        {{"dungeon_view_no_caption.png", [] {}, afterFrames(1)},
         {"dungeon_view_notice.png", [this] { m_view->addNotice(L"Learned Ode to Sol", 60000); },
          afterFrames(1)},
         {"dungeon_view_notice_faded_in.png", [] {}, gameMsLater(600.0)},
         {"dungeon_view_pick_up.png",
          [this] {
              m_view->addNotice(L"", 0);
              g_gameBase->m_world->addItem(vector3df(2510.0f, 0.0f, 2490.0f), 9, Belgarune::PieceKind::Map);
          },
          gameMsLater(600.0)},
         {"dungeon_view_credits.png",
          [this] {
              g_gameBase->m_world = std::make_unique<Belgarune::GameWorld>();
              m_view->startOpeningSequence();
          },
          gameMsLater(2500.0)}});
    g_gameBase->m_font = nullptr;
    ASSERT_EQ(frames.size(), 5u);
    const irr::u32 none = captionPixels(frames[0]);
    EXPECT_GT(captionPixels(frames[2]), none + 100) << "the notice, once faded in";
    EXPECT_GT(captionPixels(frames[2]), captionPixels(frames[1])) << "the notice fades in";
    EXPECT_GT(captionPixels(frames[3]), none + 100) << "Pick up with space";
    EXPECT_GT(captionPixels(frames[4]), none + 50) << "the first card's name";
}

namespace
{
//! Nearly grey pixels whose brightness lies within [low, high].
irr::u32 greyPixels(const Frame& frame, const irr::core::rect<irr::s32>& area, irr::u32 low, irr::u32 high)
{
    return frame.count(area, [low, high](const irr::video::SColor& c) {
        const irr::u32 top = std::max({c.getRed(), c.getGreen(), c.getBlue()});
        const irr::u32 bottom = std::min({c.getRed(), c.getGreen(), c.getBlue()});
        return bottom >= low && top <= high && top - bottom < 20;
    });
}

//! The game's font for the captions while it lives.
class CaptionFont
{
public:
    CaptionFont()
    {
        m_font.reload();
        g_gameBase->m_font = &m_font;
    }
    ~CaptionFont() { g_gameBase->m_font = nullptr; }
    irr::u32 lineHeight() const { return m_font.getFont()->getDimension(L"A").Height; }

private:
    Belgarune::GameFont m_font;
};
} // namespace

TEST_F(DungeonVisualRenderTest, ThePickUpPromptFadesInAgainEachTimeAnItemComesInReach)
{
    CaptionFont font;
    const auto addItem = [] {
        g_gameBase->m_world->addItem(vector3df(2510.0f, 0.0f, 2490.0f), 9, Belgarune::PieceKind::Map);
    };
    const std::vector<Frame> frames =
        run({{"pick_up_none.png", [] {}, afterFrames(1)},
             {"pick_up_faded_in.png", addItem, gameMsLater(600.0)},
             {"pick_up_out_of_reach.png", [] { g_gameBase->m_world = std::make_unique<Belgarune::GameWorld>(); },
              gameMsLater(600.0)},
             {"pick_up_back_in_reach.png", addItem, afterFrames(0)}});
    ASSERT_EQ(frames.size(), 4u);
    const irr::u32 none = captionPixels(frames[0]);
    EXPECT_GT(captionPixels(frames[1]), none + 100) << "the prompt, faded in";
    EXPECT_LT(captionPixels(frames[2]), none + 20) << "no prompt without an item";
    EXPECT_LT(captionPixels(frames[3]), none + 20) << "the prompt starts its fade again";
}

TEST_F(DungeonVisualRenderTest, TheCreditCardsTitleIsGreyAboveItsWhiteName)
{
    CaptionFont font;
    const std::vector<Frame> frames = run({{"credits_title.png",
                                            [this] {
                                                g_gameBase->m_world = std::make_unique<Belgarune::GameWorld>();
                                                m_view->startOpeningSequence();
                                            },
                                            gameMsLater(2500.0)}});
    ASSERT_EQ(frames.size(), 1u);
    // The title's line starts at 60 % of the height; the name is centred a line and a quarter below.
    const irr::s32 top = kHeight * 6 / 10;
    const irr::s32 line = static_cast<irr::s32>(font.lineHeight());
    const irr::core::rect<irr::s32> title(0, top, kWidth, top + line * 6 / 10);
    const irr::core::rect<irr::s32> name(0, top + line, kWidth, top + line * 3 / 2);
    EXPECT_GT(greyPixels(frames[0], title, 70, 130), 50u) << "the title in grey";
    EXPECT_LT(greyPixels(frames[0], title, 200, 255), 5u) << "nothing white in the title's line";
    EXPECT_GT(greyPixels(frames[0], name, 200, 255), 50u) << "the name in white";
}

TEST_F(DungeonVisualRenderTest, TheWhiteScreenFadeCoversTheBlackOne)
{
    const struct
    {
        irr::f32 black;
        irr::f32 white;
        irr::u32 low;
        irr::u32 high;
    } cases[] = {{1.0f, 0.0f, 0, 5}, {0.0f, 1.0f, 250, 255}, {0.5f, 0.5f, 125, 200}};
    std::vector<Shot> shots;
    for (const auto& c : cases)
        shots.push_back({"screen_fades_" + std::to_string(c.black) + "_" + std::to_string(c.white) + ".png",
                         [c] {
                             g_gameBase->m_blackScreen = c.black;
                             g_gameBase->m_whiteScreen = c.white;
                         },
                         afterFrames(1)});
    const std::vector<Frame> frames = run(shots);
    g_gameBase->m_blackScreen = 0.0f;
    g_gameBase->m_whiteScreen = 0.0f;
    ASSERT_EQ(frames.size(), std::size(cases));
    for (std::size_t k = 0; k < frames.size(); ++k)
    {
        const irr::video::SColor mean = meanAround(frames[k], kWidth / 2, kHeight / 2, 100);
        EXPECT_GE(mean.getGreen(), cases[k].low) << k;
        EXPECT_LE(mean.getGreen(), cases[k].high) << k;
    }
}

// The frame renders and draws the sheet while the hero holds the shell, and
// leaves it out once he no longer does.
TEST_F(DungeonVisualRenderTest, TheNoteSheetShowsAtTheTopOnlyWhileTheShellIsHeld)
{
    const auto holdShell = [](bool held) { return [held] { g_gameBase->m_hasItem[0] = held; }; };
    const std::vector<Frame> frames =
        run({{"note_sheet_without_shell.png", holdShell(false), afterFrames(2)},
             {"note_sheet_shell_in_hand.png",
              [this, holdShell] {
                  holdShell(true)();
                  m_view->notifyTonePlayed(2);
              },
              afterFrames(2)},
             {"note_sheet_shell_put_away.png", holdShell(false), afterFrames(2)}});
    g_gameBase->m_hasItem[0] = false;
    ASSERT_EQ(frames.size(), 3u);
    const irr::core::rect<irr::s32> sheetBand(0, 0, kWidth, kHeight / 4);
    const irr::u32 bandArea = static_cast<irr::u32>(sheetBand.getArea());
    EXPECT_GT(changedPixels(frames[0], frames[1], sheetBand), bandArea / 20) << "the sheet appears in its band";
    EXPECT_LT(changedPixels(frames[0], frames[2], sheetBand), bandArea / 200) << "the sheet is gone";
    EXPECT_LT(changedPixels(frames[0], frames[1]), kWidth * kHeight / 4) << "the sheet covers a part only";
    const irr::video::SColor floor = meanAround(frames[1], kWidth / 2, kHeight * 3 / 4, 8);
    EXPECT_GT(floor.getRed() + floor.getGreen() + floor.getBlue(), 60u) << "the lit floor shows through";
}

TEST_F(DungeonVisualRenderTest, LevelPiecesFilterAnisotropicallyOnlyOffTheSoftwareRenderer)
{
    const bool software = Talvoren::isSoftwareRendererName(Talvoren::currentRendererName());
    const irr::core::array<irr::scene::ISceneNode*>& pieces =
        m_view->getSpace()->getCell(Belgarune::VisualSpace::cellOf(vector3df(2510.0f, 0.0f, 2510.0f)));
    ASSERT_FALSE(pieces.empty());
    for (irr::u32 i = 0; i < pieces.size(); ++i)
        EXPECT_EQ(pieces[i]->getMaterial(0).TextureLayer[0].AnisotropicFilter == 0, software)
            << Talvoren::currentRendererName();
}

// The options page's steps, bounds and texts.

#include "code/src/menu/menuoptions.h"
#include "code/src/state/gamebase.h"

#include <gtest/gtest.h>

using Belgarune::GameBase;
using Belgarune::OptionEffect;
using Belgarune::OptionRow;
using Belgarune::ScreenSize;

TEST(MenuOptions, ResolutionStepsFollowTheList)
{
    // Each line: a size, the next one right, the next one left.
    const ScreenSize steps[][3] = {
        {{-1, -1}, {1024, 768}, {-1, -1}},        {{1024, 768}, {1280, 720}, {-1, -1}},
        {{1280, 720}, {1280, 1024}, {1024, 768}}, {{1280, 1024}, {1366, 768}, {1280, 720}},
        {{1366, 768}, {1440, 900}, {1280, 1024}}, {{1440, 900}, {1536, 864}, {1366, 768}},
        {{1536, 864}, {1600, 900}, {1440, 900}},  {{1600, 900}, {1680, 1050}, {1536, 864}},
        {{1680, 1050}, {1920, 1080}, {1600, 900}}, {{1920, 1080}, {1920, 1200}, {1680, 1050}},
        {{1920, 1200}, {2560, 1440}, {1920, 1080}}, {{2560, 1440}, {2560, 1440}, {1920, 1200}},
        {{800, 600}, {800, 600}, {800, 600}},
    };
    for (const auto& [size, right, left] : steps)
    {
        EXPECT_TRUE(Belgarune::stepResolution(size, 1) == right) << size.width << "x" << size.height;
        EXPECT_TRUE(Belgarune::stepResolution(size, -1) == left) << size.width << "x" << size.height;
    }
}

TEST(MenuOptions, NumericSettingsStepWithinTheirBounds)
{
    struct Step
    {
        OptionRow row;
        irr::s32 GameBase::*setting;
        irr::s32 start, direction, expected;
        OptionEffect effect;
    };
    const OptionRow volume = OptionRow::Volume, bright = OptionRow::Brightness, fov = OptionRow::FieldOfView,
                    aa = OptionRow::AntiAlias;
    const OptionEffect master = OptionEffect::MasterVolume, camera = OptionEffect::FieldOfView,
                       none = OptionEffect::None, restart = OptionEffect::NeedsRestart;
    const Step steps[] = {
        {volume, &GameBase::m_volume, 50, 1, 60, master},   {volume, &GameBase::m_volume, 95, 1, 100, master},
        {volume, &GameBase::m_volume, 100, 1, 100, master}, {volume, &GameBase::m_volume, 5, -1, 0, master},
        {volume, &GameBase::m_volume, -1, -1, 0, master},   {bright, &GameBase::m_bright, 3, 1, 4, none},
        {bright, &GameBase::m_bright, 10, 1, 10, none},     {bright, &GameBase::m_bright, 0, -1, 0, none},
        {fov, &GameBase::m_fov, 75, 1, 80, camera},         {fov, &GameBase::m_fov, 78, 1, 80, camera},
        {fov, &GameBase::m_fov, 30, -1, 30, camera},        {fov, &GameBase::m_fov, 60, -1, 55, camera},
        {aa, &GameBase::m_antiAlias, 0, 1, 1, restart},     {aa, &GameBase::m_antiAlias, 2, 1, 4, restart},
        {aa, &GameBase::m_antiAlias, 8, 1, 16, restart},    {aa, &GameBase::m_antiAlias, 16, 1, 16, restart},
        {aa, &GameBase::m_antiAlias, 16, -1, 8, restart},   {aa, &GameBase::m_antiAlias, 0, -1, 0, restart},
        {aa, &GameBase::m_antiAlias, 3, 1, 3, restart},     {aa, &GameBase::m_antiAlias, 3, -1, 3, restart},
    };
    for (const Step& step : steps)
    {
        GameBase game;
        game.*step.setting = step.start;
        EXPECT_EQ(Belgarune::stepOption(game, step.row, step.direction), step.effect);
        EXPECT_EQ(game.*step.setting, step.expected)
            << "row " << static_cast<int>(step.row) << " from " << step.start << " by " << step.direction;
    }
}

TEST(MenuOptions, RowsReadAsTheScreenShowsThem)
{
    GameBase game;
    game.m_volume = 70;
    game.m_fullscreen = true;
    game.m_vsync = false;
    const wchar_t* const expected[] = {L"Volume 70%",       L"Brightness 3", L"FOV 60",       L"resolution 1280x720",
                                       L"Fullscreen yes", L"VSynch no",    L"Antialising 4"};
    for (irr::s32 row = 0; row < Belgarune::kOptionRowCount; ++row)
    {
        const OptionRow option = static_cast<OptionRow>(row);
        EXPECT_EQ(std::wstring(Belgarune::optionLabel(option)) + L" " + Belgarune::optionValue(game, option).c_str(),
                  expected[row]);
    }
    game.m_resX = -1;
    EXPECT_STREQ(Belgarune::optionValue(game, OptionRow::Resolution).c_str(), L"desktop");
}

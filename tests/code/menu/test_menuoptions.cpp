// The options page's steps, bounds and texts.

#include "code/src/menu/menuoptions.h"
#include "code/src/state/gamebase.h"

#include <gtest/gtest.h>

#include <string>

using Belgarune::GameBase;
using Belgarune::OptionEffect;
using Belgarune::OptionRow;
using Belgarune::ScreenSize;

namespace
{
struct ResolutionCase
{
    ScreenSize from;
    irr::s32 direction;
    ScreenSize to;
};

const ResolutionCase kResolutionCases[] = {
    // Right.
    {{-1, -1}, 1, {1024, 768}},
    {{1024, 768}, 1, {1280, 720}},
    {{1280, 720}, 1, {1280, 1024}},
    {{1280, 1024}, 1, {1366, 768}},
    {{1366, 768}, 1, {1440, 900}},
    {{1440, 900}, 1, {1536, 864}},
    {{1536, 864}, 1, {1600, 900}},
    {{1600, 900}, 1, {1680, 1050}},
    {{1680, 1050}, 1, {1920, 1080}},
    {{1920, 1080}, 1, {1920, 1200}},
    {{1920, 1200}, 1, {2560, 1440}},
    {{2560, 1440}, 1, {2560, 1440}},
    {{800, 600}, 1, {800, 600}},
    // Left.
    {{2560, 1440}, -1, {1920, 1200}},
    {{1920, 1200}, -1, {1920, 1080}},
    {{1920, 1080}, -1, {1680, 1050}},
    {{1680, 1050}, -1, {1600, 900}},
    {{1600, 900}, -1, {1536, 864}},
    {{1536, 864}, -1, {1440, 900}},
    {{1440, 900}, -1, {1366, 768}},
    {{1366, 768}, -1, {1280, 1024}},
    {{1280, 1024}, -1, {1280, 720}},
    {{1280, 720}, -1, {1024, 768}},
    {{1024, 768}, -1, {-1, -1}},
    {{-1, -1}, -1, {-1, -1}},
    {{800, 600}, -1, {800, 600}},
};

struct StepCase
{
    OptionRow row;
    irr::s32 start;
    irr::s32 direction;
    irr::s32 expected;
    OptionEffect effect;
};

irr::s32* settingOf(GameBase& game, OptionRow row)
{
    switch (row)
    {
    case OptionRow::Volume:
        return &game.m_volume;
    case OptionRow::Brightness:
        return &game.m_bright;
    case OptionRow::FieldOfView:
        return &game.m_fov;
    default:
        return &game.m_antiAlias;
    }
}

const StepCase kStepCases[] = {
    {OptionRow::Volume, 50, 1, 60, OptionEffect::MasterVolume},
    {OptionRow::Volume, 95, 1, 100, OptionEffect::MasterVolume},
    {OptionRow::Volume, 100, 1, 100, OptionEffect::MasterVolume},
    {OptionRow::Volume, 5, -1, 0, OptionEffect::MasterVolume},
    {OptionRow::Volume, -1, -1, 0, OptionEffect::MasterVolume},
    {OptionRow::Brightness, 3, 1, 4, OptionEffect::None},
    {OptionRow::Brightness, 10, 1, 10, OptionEffect::None},
    {OptionRow::Brightness, 0, -1, 0, OptionEffect::None},
    {OptionRow::FieldOfView, 75, 1, 80, OptionEffect::FieldOfView},
    {OptionRow::FieldOfView, 78, 1, 80, OptionEffect::FieldOfView},
    {OptionRow::FieldOfView, 30, -1, 30, OptionEffect::FieldOfView},
    {OptionRow::FieldOfView, 60, -1, 55, OptionEffect::FieldOfView},
    {OptionRow::AntiAlias, 0, 1, 1, OptionEffect::NeedsRestart},
    {OptionRow::AntiAlias, 2, 1, 4, OptionEffect::NeedsRestart},
    {OptionRow::AntiAlias, 8, 1, 16, OptionEffect::NeedsRestart},
    {OptionRow::AntiAlias, 16, 1, 16, OptionEffect::NeedsRestart},
    {OptionRow::AntiAlias, 16, -1, 8, OptionEffect::NeedsRestart},
    {OptionRow::AntiAlias, 1, -1, 0, OptionEffect::NeedsRestart},
    {OptionRow::AntiAlias, 0, -1, 0, OptionEffect::NeedsRestart},
    {OptionRow::AntiAlias, 3, 1, 3, OptionEffect::NeedsRestart},
    {OptionRow::AntiAlias, 3, -1, 3, OptionEffect::NeedsRestart},
};
} // namespace

TEST(MenuOptions, ResolutionStepsFollowTheList)
{
    for (const ResolutionCase& step : kResolutionCases)
    {
        const ScreenSize got = Belgarune::stepResolution(step.from, step.direction);
        EXPECT_TRUE(got == step.to) << step.from.width << "x" << step.from.height << " by " << step.direction
                                    << " gave " << got.width << "x" << got.height;
    }
}

TEST(MenuOptions, NumericSettingsStepWithinTheirBounds)
{
    for (const StepCase& step : kStepCases)
    {
        GameBase game;
        *settingOf(game, step.row) = step.start;
        const OptionEffect effect = Belgarune::stepOption(game, step.row, step.direction);
        EXPECT_EQ(*settingOf(game, step.row), step.expected)
            << "row " << static_cast<int>(step.row) << " from " << step.start << " by " << step.direction;
        EXPECT_EQ(effect, step.effect) << "row " << static_cast<int>(step.row);
    }
}

TEST(MenuOptions, SwitchesAndResolutionGoThroughTheGameState)
{
    GameBase game;
    game.m_fullscreen = true;
    game.m_vsync = false;
    EXPECT_EQ(Belgarune::stepOption(game, OptionRow::Fullscreen, -1), OptionEffect::NeedsRestart);
    EXPECT_EQ(Belgarune::stepOption(game, OptionRow::VerticalSync, 1), OptionEffect::NeedsRestart);
    EXPECT_FALSE(game.m_fullscreen);
    EXPECT_TRUE(game.m_vsync);
    Belgarune::stepOption(game, OptionRow::Fullscreen, 1);
    Belgarune::stepOption(game, OptionRow::VerticalSync, -1);
    EXPECT_TRUE(game.m_fullscreen);
    EXPECT_FALSE(game.m_vsync);

    game.m_resX = 1366;
    game.m_resY = 768;
    EXPECT_EQ(Belgarune::stepOption(game, OptionRow::Resolution, -1), OptionEffect::NeedsRestart);
    EXPECT_EQ(game.m_resX, 1280);
    EXPECT_EQ(game.m_resY, 1024);
}

TEST(MenuOptions, RowsReadAsTheScreenShowsThem)
{
    GameBase game;
    game.m_volume = 70;
    game.m_bright = 4;
    game.m_fov = 65;
    game.m_fullscreen = true;
    game.m_vsync = false;
    game.m_antiAlias = 8;
    const std::pair<OptionRow, std::wstring> expected[] = {
        {OptionRow::Volume, L"Volume 70%"},    {OptionRow::Brightness, L"Brightness 4"},
        {OptionRow::FieldOfView, L"FOV 65"},   {OptionRow::Resolution, L"resolution 1280x720"},
        {OptionRow::Fullscreen, L"Fullscreen yes"}, {OptionRow::VerticalSync, L"VSynch no"},
        {OptionRow::AntiAlias, L"Antialising 8"},
    };
    for (const auto& [row, text] : expected)
    {
        const std::wstring shown = std::wstring(Belgarune::optionLabel(row)) + L" " +
                                   Belgarune::optionValue(game, row).c_str();
        EXPECT_EQ(shown, text);
    }
    game.m_resX = -1;
    game.m_resY = -1;
    EXPECT_STREQ(Belgarune::optionValue(game, OptionRow::Resolution).c_str(), L"desktop");
}

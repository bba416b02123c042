// The options page in the game's own font and strip picture at every window
// shape the menu offers: labels, values and the strip stay apart, and all
// seven rows fit in the window.

#include "code/src/menu/menulayout.h"
#include "code/src/menu/menuoptions.h"
#include "code/src/state/gamebase.h"
#include "code/src/view/gamefont.h"
#include "gui/cguittfont.h"
#include "tests/support/nulldevice.h"

#include <irrlicht.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

using namespace Belgarune;

namespace
{
//! Every text the options page can show in a row: its label and each value.
struct RowTexts
{
    irr::core::stringw label;
    std::vector<irr::core::stringw> values;
};

std::vector<RowTexts> everyRowText()
{
    GameBase state;
    std::vector<RowTexts> rows;
    for (irr::s32 row = 0; row < kOptionRowCount; ++row)
    {
        const OptionRow option = static_cast<OptionRow>(row);
        RowTexts texts{optionLabel(option), {}};
        // From the lowest setting up to the highest, one step at a time.
        for (int i = 0; i < 30; ++i)
            stepOption(state, option, -1);
        for (int i = 0; i < 30; ++i)
        {
            texts.values.push_back(optionValue(state, option));
            stepOption(state, option, +1);
        }
        rows.push_back(texts);
    }
    return rows;
}

class OptionsFitTest : public testsupport::NullDeviceTest
{
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        std::filesystem::create_directory_symlink(std::filesystem::path(BELGARUNE_GAME_DIR) / "gamedata", "gamedata");
    }
};

TEST_F(OptionsFitTest, LabelsValuesAndStripStayApartAtEveryWindowShape)
{
    const irr::core::dimension2du sizes[] = {{800, 600},   {1024, 768},  {1280, 720},
                                             {1366, 768},  {1920, 1080}, {1920, 1200}};
    const std::vector<RowTexts> rows = everyRowText();
    for (const irr::core::dimension2du& screen : sizes)
    {
        restartDevice(screen);
        GameFont holder;
        holder.reload();
        irr::gui::CGUITTFont* font = holder.getFont();
        ASSERT_NE(font, nullptr);
        irr::video::IImage* strip = g_device->getVideoDriver()->createImageFromFile("gamedata/QVStrichMenu.png");
        ASSERT_NE(strip, nullptr);
        const irr::s32 stripLeft =
            stripRect(screen, strip->getDimension(), stripCentre(screen, 1.0f)).UpperLeftCorner.X;
        strip->drop();
        const irr::s32 labelX = static_cast<irr::s32>(screen.Width * 0.05);
        const irr::s32 valueX = static_cast<irr::s32>(screen.Width * 0.15);
        const irr::s32 lineHeight = static_cast<irr::s32>(font->getDimension(L"A").Height * 1.25);
        for (irr::s32 row = 0; row < kOptionRowCount; ++row)
        {
            const RowTexts& texts = rows[row];
            const irr::s32 top = static_cast<irr::s32>(screen.Height * 0.5 + lineHeight * row);
            const irr::core::dimension2du label = font->getDimension(texts.label.c_str());
            EXPECT_LT(labelX + static_cast<irr::s32>(label.Width), valueX)
                << screen.Width << "x" << screen.Height << " " << irr::core::stringc(texts.label).c_str();
            EXPECT_LE(top + static_cast<irr::s32>(label.Height), static_cast<irr::s32>(screen.Height))
                << screen.Width << "x" << screen.Height << " row " << row;
            for (const irr::core::stringw& value : texts.values)
                EXPECT_LT(valueX + static_cast<irr::s32>(font->getDimension(value.c_str()).Width), stripLeft)
                    << screen.Width << "x" << screen.Height << " " << irr::core::stringc(value).c_str();
        }
    }
}
} // namespace

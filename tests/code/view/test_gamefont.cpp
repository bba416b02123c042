// The game's font holder: size from the screen width, one font held at a time.

#include "code/src/view/gamefont.h"
#include "gui/cguittfont.h"
#include "talvoren/ombeldevice.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

using Belgarune::GameFont;

namespace
{
const char* const kFontSource = "/usr/share/fonts/opentype/kaushanscript/KaushanScript-Regular.otf";

//! A device on the null driver with a screen of the given width, in a
//! working directory that holds the language files and (optionally) the font.
class GameFontTest : public ::testing::Test
{
protected:
    void start(irr::u32 screenWidth, bool withFontFile = true)
    {
        testsupport::installLanguageFiles();
        if (withFontFile)
            testsupport::writeFile("gamedata/fonts/Bahiana-Regular.ttf", testsupport::readFile(kFontSource));
        m_device = std::make_unique<Talvoren::OmbelDevice>();
        g_device = m_device.get();
        ASSERT_NE(m_device->init(irr::video::EDT_NULL, irr::core::dimension2d<irr::u32>(screenWidth, 600), 32,
                                 false, false, false, 0),
                  nullptr);
    }
    void TearDown() override
    {
        m_holder.reset();
        g_device = nullptr;
        m_device.reset();
    }

    testsupport::TempWorkDir m_dir;
    std::unique_ptr<Talvoren::OmbelDevice> m_device;
    std::unique_ptr<GameFont> m_holder = std::make_unique<GameFont>();
};
} // namespace

TEST(GameFontSize, FollowsTheScreenWidth)
{
    EXPECT_EQ(GameFont::getFontSize(1920), 55u);
    EXPECT_EQ(GameFont::getFontSize(1280), 36u);
    EXPECT_EQ(GameFont::getFontSize(800), 22u);
    EXPECT_EQ(GameFont::getFontSize(2560), 73u);
    EXPECT_EQ(GameFont::getFontSize(0), 0u);
}

TEST_F(GameFontTest, HoldsNothingUntilTheFirstReload)
{
    start(1280);
    EXPECT_EQ(m_holder->getFont(), nullptr);
    m_holder->reload();
    ASSERT_NE(m_holder->getFont(), nullptr);
    EXPECT_EQ(m_holder->getFont()->getFontSize(), 36u);
    EXPECT_TRUE(m_holder->getFont()->useTransparency());
    EXPECT_FALSE(m_holder->getFont()->useMonochrome());
}

TEST_F(GameFontTest, ReloadKeepsExactlyOneFont)
{
    start(1920);
    m_holder->reload();
    irr::gui::CGUITTFont* first = m_holder->getFont();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->getReferenceCount(), 1);
    first->grab();

    m_holder->reload();
    irr::gui::CGUITTFont* second = m_holder->getFont();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(first->getReferenceCount(), 1) << "the holder dropped its reference to the first font";
    EXPECT_EQ(second->getReferenceCount(), 1);
    EXPECT_EQ(second->getFontSize(), 55u);
    EXPECT_EQ(irr::gui::CGUITTFont::getSharedFaceCount(), 1u);
    first->drop();

    m_holder.reset();
    EXPECT_EQ(irr::gui::CGUITTFont::getSharedFaceCount(), 0u) << "the holder releases its font";
}

TEST_F(GameFontTest, AMissingFontFileLeavesNoFont)
{
    start(800, false);
    m_holder->reload();
    EXPECT_EQ(m_holder->getFont(), nullptr);
}

TEST_F(GameFontTest, FindsTheFontFolderWhateverItsLetterCase)
{
    start(800, false);
    testsupport::writeFile("GameData/Fonts/Bahiana-Regular.ttf", testsupport::readFile(kFontSource));
    m_holder->reload();
    ASSERT_NE(m_holder->getFont(), nullptr);
    EXPECT_EQ(m_holder->getFont()->getFontSize(), 22u);
}

// Measuring, kerning, drawing and text nodes of the font on the null driver.

#include "tests/gui/fonttestsupport.h"

#include "gui/sguittglyph.h"

#include <cmath>

using irr::core::dimension2du;
using irr::core::position2di;
using irr::core::rect;
using irr::gui::CGUITTFont;
using irr::gui::CGUITTGlyphPage;
using namespace fonttest;

namespace
{
const irr::video::SColor kWhite(255, 255, 255, 255);
const rect<irr::s32> kScreen(0, 0, 800, 600);

irr::u32 width(CGUITTFont& font, const wchar_t* text)
{
    return font.getDimension(text).Width;
}

//! Render positions recorded by the last draw, over all pages in page order.
std::vector<position2di> drawnPositions(const CGUITTFont& font)
{
    std::vector<position2di> positions;
    for (irr::u32 i = 0; font.getGlyphPage(i); ++i)
        for (irr::u32 j = 0; j < font.getGlyphPage(i)->m_renderPositions.size(); ++j)
            positions.push_back(font.getGlyphPage(i)->m_renderPositions[j]);
    return positions;
}
} // namespace

class TTFontText : public NullDeviceTest
{
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        m_font = createFont(kKaushan, 40);
        ASSERT_TRUE(m_font);
        // The height of a character "x" wide beyond U+2000 without a glyph.
        m_lineHeight = static_cast<irr::s32>(m_font->getCharDimension(L'\u4e00').Width);
    }
    FontPtr m_font;
    irr::s32 m_lineHeight = 0;
};

TEST_F(TTFontText, KerningPairsNarrowTheText)
{
    const irr::s32 pair = m_font->getKerningWidth(L"V", L"A");
    EXPECT_LT(pair, 0);
    EXPECT_EQ(static_cast<irr::s32>(width(*m_font, L"AV")),
              static_cast<irr::s32>(width(*m_font, L"A") + width(*m_font, L"V")) + pair);
    EXPECT_EQ(m_font->getKerningWidthUtf(U'V', U'A'), pair);
    EXPECT_EQ(m_font->getKerningWidth(L"V", nullptr), 0);
    EXPECT_EQ(m_font->getKerningWidth(nullptr, L"A"), 0);

    // The global kerning widens every pair.
    m_font->setKerningWidth(3);
    EXPECT_EQ(m_font->getKerningWidth(L"V", L"A"), pair + 3);
    EXPECT_EQ(static_cast<irr::s32>(width(*m_font, L"AVA")),
              static_cast<irr::s32>(width(*m_font, L"A") * 2 + width(*m_font, L"V")) + pair + 3 +
                  m_font->getKerningWidth(L"A", L"V"));
    m_font->setKerningHeight(2);
    EXPECT_EQ(m_font->getKerningHeight(), 2);
}

TEST_F(TTFontText, FontsWithoutKerningAddTheWidths)
{
    FontPtr mono = createFont(kDejaVuMono, 40);
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->getKerningWidth(L"V", L"A"), 0);
    EXPECT_EQ(width(*mono, L"AV"), width(*mono, L"A") + width(*mono, L"V"));
    mono->setKerningWidth(-2);
    EXPECT_EQ(width(*mono, L"AVA"), 3 * width(*mono, L"A") - 4);
}

TEST_F(TTFontText, LinesStackAndTheWidestCounts)
{
    const dimension2du empty = m_font->getDimension(L"");
    const irr::u32 lineHeight = empty.Height;
    EXPECT_EQ(empty.Width, 0u);
    EXPECT_GT(lineHeight, static_cast<irr::u32>(m_lineHeight)) << "one line holds descenders";

    const irr::u32 shortLine = width(*m_font, L"ab");
    const irr::u32 longLine = width(*m_font, L"abcdef");
    for (const wchar_t* text : {L"ab\nabcdef", L"abcdef\nab", L"ab\r\nabcdef", L"ab\rabcdef"})
        EXPECT_EQ(m_font->getDimension(text), dimension2du(longLine, 2 * lineHeight)) << text;
    EXPECT_EQ(m_font->getDimension(L"ab\r"), dimension2du(shortLine, 2 * lineHeight)) << "a break at the end";
    EXPECT_EQ(m_font->getDimension(L"ab\n\nab").Height, 3 * lineHeight);
}

TEST_F(TTFontText, CharacterUnderAPixel)
{
    EXPECT_EQ(m_font->getCharacterFromPos(L"Wall", 0), 0);
    const irr::s32 first = static_cast<irr::s32>(width(*m_font, L"W"));
    EXPECT_EQ(m_font->getCharacterFromPos(L"Wall", first), 0);
    EXPECT_EQ(m_font->getCharacterFromPos(L"Wall", first + 1), 1);
    const irr::s32 whole = static_cast<irr::s32>(width(*m_font, L"Wall"));
    EXPECT_EQ(m_font->getCharacterFromPos(L"Wall", whole), 3);
    EXPECT_EQ(m_font->getCharacterFromPos(L"Wall", whole + 1), -1);
    EXPECT_EQ(m_font->getCharacterFromPos(L"", 0), -1);
}

TEST_F(TTFontText, CharactersTheFontLacks)
{
    // This font has no U+FFFD: a missing character advances by a fallback.
    EXPECT_EQ(m_font->getCharDimension(L'\u4e00'), dimension2du(m_lineHeight, m_lineHeight));
    EXPECT_EQ(m_font->getCharDimension(L'\u0378'), dimension2du(m_lineHeight / 2, m_lineHeight / 2));
    m_font->draw(L"\u0378A", kScreen, kWhite);
    const std::vector<position2di> positions = drawnPositions(*m_font);
    ASSERT_EQ(positions.size(), 1u) << "only the A is drawn";

    // This one has U+FFFD, and draws it for what it lacks.
    FontPtr sans = createFont(kDejaVuSans, 40);
    ASSERT_TRUE(sans);
    const dimension2du replacement = sans->getCharDimension(L'\ufffd');
    EXPECT_GT(replacement.Width, 0u);
    EXPECT_EQ(sans->getCharDimension(L'\u4e00'), replacement);
    sans->draw(L"\u4e00", kScreen, kWhite);
    EXPECT_EQ(drawnPositions(*sans).size(), 1u);
}

TEST_F(TTFontText, InvisibleCharactersAdvanceWithoutDrawing)
{
    m_font->draw(L"A A", kScreen, kWhite);
    std::vector<position2di> positions = drawnPositions(*m_font);
    ASSERT_EQ(positions.size(), 2u);
    const irr::s32 advance = positions[1].X - positions[0].X;
    EXPECT_EQ(advance, static_cast<irr::s32>(width(*m_font, L"A ")));
    EXPECT_GT(m_font->getCharDimension(L' ').Width, 0u);

    m_font->setInvisibleCharacters(L"A");
    m_font->draw(L"A A", kScreen, kWhite);
    positions = drawnPositions(*m_font);
    ASSERT_EQ(positions.size(), 1u) << "only the space is drawn";
    m_font->setInvisibleCharactersUtf(irr::core::ustring());
    m_font->draw(L"A A", kScreen, kWhite);
    EXPECT_EQ(drawnPositions(*m_font).size(), 3u);
}

TEST_F(TTFontText, DrawPlacesGlyphsOnTheBaseline)
{
    const rect<irr::s32> box(100, 50, 500, 400);
    // Glyphs of one page, so that their positions come in drawing order.
    m_font->draw(L"AB\r\nA", box, kWhite);
    const std::vector<position2di> positions = drawnPositions(*m_font);
    ASSERT_EQ(positions.size(), 3u);
    // The two "A" lie one ascender apart, at the same x.
    EXPECT_EQ(positions[2].X, positions[0].X);
    EXPECT_EQ(positions[2].Y - positions[0].Y, m_lineHeight);
    EXPECT_GE(positions[0].X, box.UpperLeftCorner.X - 5);
    EXPECT_GE(positions[0].Y, box.UpperLeftCorner.Y);

    m_font->draw(L"AB\r\nA", box, kWhite, true, true);
    const std::vector<position2di> centred = drawnPositions(*m_font);
    const dimension2du size = m_font->getDimension(L"AB\r\nA");
    ASSERT_EQ(centred.size(), 3u);
    EXPECT_EQ(centred[0].X - positions[0].X, (box.getWidth() - static_cast<irr::s32>(size.Width)) >> 1);
    EXPECT_EQ(centred[0].Y - positions[0].Y, (box.getHeight() - static_cast<irr::s32>(size.Height)) >> 1);
    EXPECT_EQ(centred[2].X, centred[0].X) << "every line starts at the centred left";
}

TEST_F(TTFontText, DrawingIsSkippedForAnUndrawableLineBreak)
{
    // No glyph for "\n" in a font without U+FFFD: it only advances.
    m_font->draw(L"A\nA", kScreen, kWhite);
    const std::vector<position2di> positions = drawnPositions(*m_font);
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_EQ(positions[1].Y, positions[0].Y);
    EXPECT_EQ(positions[1].X - positions[0].X,
              static_cast<irr::s32>(width(*m_font, L"A")) + m_lineHeight / 2);
}

typedef TTFontText TTFontTextNodes;

TEST_F(TTFontTextNodes, OneQuadPerLetterUnderANewParent)
{
    irr::scene::ISceneManager* smgr = m_device->getSceneManager();
    const irr::video::SColor red(255, 255, 0, 0);
    const irr::core::array<irr::scene::ISceneNode*> nodes = m_font->addTextSceneNode(L"AV\nA", smgr, nullptr, red, false);
    ASSERT_EQ(nodes.size(), 3u);
    irr::scene::ISceneNode* parent = nodes[0]->getParent();
    ASSERT_NE(parent, smgr->getRootSceneNode());
    EXPECT_EQ(parent->getParent(), smgr->getRootSceneNode());
    EXPECT_EQ(parent->getChildren().size(), 3u);

    const irr::core::vector3df a = nodes[0]->getPosition();
    const irr::core::vector3df secondA = nodes[2]->getPosition();
    EXPECT_FLOAT_EQ(secondA.X, a.X);
    EXPECT_FLOAT_EQ(a.Y - secondA.Y, static_cast<irr::f32>(m_lineHeight)) << "lines go down";
    EXPECT_LE(a.Y, 0.0f);
    const irr::f32 kernedGap = nodes[1]->getPosition().X - a.X;
    m_font->setKerningWidth(5);
    const irr::core::array<irr::scene::ISceneNode*> wider = m_font->addTextSceneNode(L"AV", smgr, parent, red, false);
    EXPECT_FLOAT_EQ(wider[1]->getPosition().X - wider[0]->getPosition().X, kernedGap + 5.0f);

    for (irr::u32 i = 0; i < nodes.size(); ++i)
    {
        const irr::video::SMaterial& material = nodes[i]->getMaterial(0);
        EXPECT_EQ(material.MaterialType, irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
        EXPECT_FALSE(material.ZWriteEnable);
        EXPECT_TRUE(material.Lighting);
        EXPECT_EQ(material.DiffuseColor, red);
        EXPECT_EQ(material.getTexture(0), m_font->getPageTexture(0));
        EXPECT_TRUE(nodes[i]->isDebugObject());
        EXPECT_EQ(nodes[i]->getAutomaticCulling(), irr::scene::EAC_OFF);
    }
}

TEST_F(TTFontTextNodes, EveryKindOfLineBreakStartsOneNewLine)
{
    irr::scene::ISceneManager* smgr = m_device->getSceneManager();
    for (const wchar_t* text : {L"A\nA", L"A\r\nA", L"A\rA"})
    {
        const irr::core::array<irr::scene::ISceneNode*> nodes = m_font->addTextSceneNode(text, smgr, nullptr, kWhite, false);
        ASSERT_EQ(nodes.size(), 2u) << text;
        EXPECT_FLOAT_EQ(nodes[1]->getPosition().X, nodes[0]->getPosition().X) << text;
        EXPECT_FLOAT_EQ(nodes[0]->getPosition().Y - nodes[1]->getPosition().Y, static_cast<irr::f32>(m_lineHeight))
            << text;
    }
}

TEST_F(TTFontTextNodes, QuadsMapTheirGlyphAndAreSizedLikeIt)
{
    irr::scene::ISceneManager* smgr = m_device->getSceneManager();
    m_font->draw(L"B", kScreen, kWhite);
    const rect<irr::s32> source = m_font->getGlyphPage(0)->m_renderSourceRects[0];

    const irr::core::array<irr::scene::ISceneNode*> nodes =
        m_font->addTextSceneNode(L"B", smgr, smgr->getRootSceneNode(), kWhite, false);
    ASSERT_EQ(nodes.size(), 1u);
    EXPECT_EQ(nodes[0]->getParent(), smgr->getRootSceneNode());
    irr::scene::IMesh* mesh = static_cast<irr::scene::IMeshSceneNode*>(nodes[0])->getMesh();
    const irr::video::S3DVertex* vertices = static_cast<const irr::video::S3DVertex*>(mesh->getMeshBuffer(0)->getVertices());
    const irr::f32 side = static_cast<irr::f32>(m_font->getGlyphPage(0)->getTextureSize().Width);
    EXPECT_FLOAT_EQ(vertices[2].TCoords.X, source.UpperLeftCorner.X / side);
    EXPECT_FLOAT_EQ(vertices[2].TCoords.Y, source.UpperLeftCorner.Y / side);
    EXPECT_FLOAT_EQ(vertices[1].TCoords.X, source.LowerRightCorner.X / side);
    EXPECT_FLOAT_EQ(vertices[1].TCoords.Y, source.LowerRightCorner.Y / side);
    EXPECT_FLOAT_EQ(vertices[1].Pos.X, static_cast<irr::f32>(source.getWidth()));
    EXPECT_FLOAT_EQ(vertices[1].Pos.Y, -static_cast<irr::f32>(source.getHeight()));
}

TEST_F(TTFontTextNodes, CentredTextsCentreEveryLine)
{
    irr::scene::ISceneManager* smgr = m_device->getSceneManager();
    const dimension2du size = m_font->getDimension(L"AAAA\nA");
    const irr::core::array<irr::scene::ISceneNode*> plain = m_font->addTextSceneNode(L"AAAA\nA", smgr, nullptr, kWhite, false);
    const irr::core::array<irr::scene::ISceneNode*> centred = m_font->addTextSceneNode(L"AAAA\nA", smgr, nullptr, kWhite, true);
    ASSERT_EQ(centred.size(), 5u);
    const irr::f32 left = -static_cast<irr::f32>(size.Width) / 2.0f;
    EXPECT_FLOAT_EQ(centred[0]->getPosition().X - plain[0]->getPosition().X, left);
    EXPECT_FLOAT_EQ(centred[0]->getPosition().Y - plain[0]->getPosition().Y, size.Height / 2.0f);
    const irr::u32 lastLine = width(*m_font, L"A");
    EXPECT_FLOAT_EQ(centred[4]->getPosition().X - plain[4]->getPosition().X,
                    left + static_cast<irr::f32>((size.Width - lastLine) >> 1));
}

TEST_F(TTFontTextNodes, NegativeKerningKeepsCentredLinesNearTheMiddle)
{
    // The widest line then measures wider alone than within the text.
    m_font->setKerningWidth(-3);
    const irr::core::array<irr::scene::ISceneNode*> nodes =
        m_font->addTextSceneNode(L"AB\nA", m_device->getSceneManager(), nullptr, kWhite, true);
    ASSERT_EQ(nodes.size(), 3u);
    const irr::f32 textWidth = static_cast<irr::f32>(m_font->getDimension(L"AB\nA").Width);
    for (irr::u32 i = 0; i < nodes.size(); ++i)
        EXPECT_LT(std::abs(nodes[i]->getPosition().X), textWidth) << i;
}

TEST_F(TTFontTextNodes, NoSceneManagerGivesNoNodes)
{
    EXPECT_EQ(m_font->addTextSceneNode(L"A", nullptr, nullptr, kWhite, false).size(), 0u);
}

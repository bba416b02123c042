// Story text letters on the null driver: layout along a wall, atlas cells,
// random tones, and the glow of lit tones over game time.

#include "code/src/view/textfieldnode.h"
#include "code/src/view/tonecolors.h"
#include "talvoren/clock.h"
#include "tests/support/nulldevice.h"

#include <irrlicht.h>

#include <cstdlib>
#include <vector>

using Belgarune::TextFieldNode;
using irr::core::vector2df;
using irr::core::vector3df;

namespace
{
class TextFieldNodeTest : public testsupport::NullDeviceTest
{
protected:
    void TearDown() override
    {
        m_nodes.clear();
        NullDeviceTest::TearDown();
    }

    //! A text along +x from the origin, held by the scene graph.
    TextFieldNode* build(const wchar_t* text)
    {
        irr::scene::ISceneManager* scene = m_device->getSceneManager();
        TextFieldNode* node = new TextFieldNode(scene->getRootSceneNode(), scene, -1);
        node->buildLetters(text, vector3df(0.0f, 0.0f, 0.0f), vector3df(10.0f, 0.0f, 0.0f));
        node->drop();
        m_nodes.push_back(node);
        return node;
    }

    void advanceGameClock(irr::u32 ms) { m_device->getGameClock()->update(ms); }

    //! The tone whose colour the letter (four vertices each) carries, or -1.
    static int toneOfLetter(const TextFieldNode& node, irr::u32 letter)
    {
        for (irr::u32 tone = 0; tone < Belgarune::kToneCount; ++tone)
            if (node.getVertices()[letter * 4].Color == Belgarune::toneColor(tone))
                return static_cast<int>(tone);
        return -1;
    }

    static irr::f32 glowOf(const TextFieldNode& node, irr::u32 letter)
    {
        return node.getVertices()[letter * 4].Normal.X;
    }

    std::vector<TextFieldNode*> m_nodes;
};

void expectNear(const vector3df& actual, const vector3df& expected, const char* what)
{
    EXPECT_NEAR(actual.X, expected.X, 1e-4f) << what;
    EXPECT_NEAR(actual.Y, expected.Y, 1e-4f) << what;
    EXPECT_NEAR(actual.Z, expected.Z, 1e-4f) << what;
}
} // namespace

TEST_F(TextFieldNodeTest, LaysLettersOutAlongTheWallAndSkipsSpaces)
{
    const TextFieldNode* node = build(L"ab c");
    ASSERT_EQ(node->getVertices().size(), 12u);
    ASSERT_EQ(node->getIndices().size(), 18u);
    // Corners upper-left, upper-right, lower-left, lower-right; the space keeps its place.
    const irr::f32 lefts[3] = {0.0f, 0.4f, 1.2f};
    for (irr::u32 letter = 0; letter < 3; ++letter)
    {
        const irr::f32 x = lefts[letter];
        expectNear(node->getVertices()[letter * 4].Pos, vector3df(x, 0.0f, 0.0f), "upper-left");
        expectNear(node->getVertices()[letter * 4 + 1].Pos, vector3df(x + 0.4f, 0.0f, 0.0f), "upper-right");
        expectNear(node->getVertices()[letter * 4 + 2].Pos, vector3df(x, -0.4f, 0.0f), "lower-left");
        expectNear(node->getVertices()[letter * 4 + 3].Pos, vector3df(x + 0.4f, -0.4f, 0.0f), "lower-right");
    }
    const irr::u16 secondLetter[6] = {5, 7, 6, 4, 5, 6};
    for (irr::u32 i = 0; i < 6; ++i)
        EXPECT_EQ(node->getIndices()[6 + i], secondLetter[i]);
    EXPECT_EQ(node->getBoundingBox().MinEdge, vector3df(0.0f, -0.4f, 0.0f));
    EXPECT_EQ(node->getBoundingBox().MaxEdge, vector3df(1.6f, 0.0f, 0.0f));
}

TEST_F(TextFieldNodeTest, LineBreakStartsTheNextLineBelowTheFirstLetter)
{
    const TextFieldNode* node = build(L"abcdef\ng\n\nh");
    ASSERT_EQ(node->getVertices().size(), 32u);
    expectNear(node->getVertices()[6 * 4].Pos, vector3df(0.0f, -0.4f, 0.0f), "second line");
    expectNear(node->getVertices()[7 * 4].Pos, vector3df(0.0f, -1.2f, 0.0f), "after an empty line");
}

TEST_F(TextFieldNodeTest, WritesInTheDirectionOfTheTarget)
{
    irr::scene::ISceneManager* scene = m_device->getSceneManager();
    TextFieldNode* node = new TextFieldNode(scene->getRootSceneNode(), scene, -1);
    node->buildLetters(L"ab", vector3df(3490.0f, 7.5f, 2534.5f), vector3df(3490.0f, 7.5f, 2524.5f));
    EXPECT_EQ(node->getPosition(), vector3df(3490.0f, 7.5f, 2534.5f));
    expectNear(node->getVertices()[5].Pos, vector3df(0.0f, 0.0f, -0.8f), "second letter's upper-right");
    node->drop();
}

TEST_F(TextFieldNodeTest, BlanksAndLineBreaksAloneDrawNothing)
{
    EXPECT_TRUE(build(L"  \n \n")->getVertices().empty());
}

TEST_F(TextFieldNodeTest, DrawsOneToneForEveryCharacterIncludingBlanks)
{
    const wchar_t* text = L"ab c\nde";
    std::srand(11);
    std::vector<int> drawn;
    for (const wchar_t* c = text; *c; ++c)
        drawn.push_back(Talvoren::OmbelDevice::random(0, 4));
    std::srand(11);
    const TextFieldNode* node = build(text);
    const irr::u32 drawnIndexOfLetter[5] = {0, 1, 3, 5, 6};
    for (irr::u32 letter = 0; letter < 5; ++letter)
        EXPECT_EQ(toneOfLetter(*node, letter), drawn[drawnIndexOfLetter[letter]]) << "letter " << letter;
}

TEST(TextFieldLetterRect, CellsOfTheAtlas)
{
    struct Case
    {
        irr::c8 letter;
        irr::u32 left;
        irr::u32 top;
    };
    const Case cases[] = {{'a', 0, 0},    {'v', 858, 0},  {'c', 0, 78},   {'e', 858, 78},
                          {'x', 78, 156}, {'A', 0, 0},    {'.', 0, 0},    {'7', 0, 0}};
    const irr::core::dimension2du atlas(936, 312);
    for (const Case& c : cases)
    {
        vector2df topLeft;
        vector2df bottomRight;
        TextFieldNode::getLetterRect(c.letter, atlas, topLeft, bottomRight);
        EXPECT_FLOAT_EQ(topLeft.X, c.left / 936.0f) << c.letter;
        EXPECT_FLOAT_EQ(topLeft.Y, c.top / 312.0f) << c.letter;
        EXPECT_FLOAT_EQ(bottomRight.X, (c.left + 70) / 936.0f) << c.letter;
        EXPECT_FLOAT_EQ(bottomRight.Y, (c.top + 70) / 312.0f) << c.letter;
    }
}

TEST(TextFieldLetterRect, MissingAtlasGivesTheCornerInsteadOfNaN)
{
    vector2df topLeft(9.0f, 9.0f);
    vector2df bottomRight(9.0f, 9.0f);
    TextFieldNode::getLetterRect('v', irr::core::dimension2du(0, 0), topLeft, bottomRight);
    EXPECT_EQ(topLeft, vector2df(0.0f, 0.0f));
    EXPECT_EQ(bottomRight, vector2df(0.0f, 0.0f));
}

TEST_F(TextFieldNodeTest, UsesTheLowEightBitsOfACharacter)
{
    // U+0120 reads as a blank and U+010A as a line break.
    const TextFieldNode* node = build(L"a\x0120" L"b\x010A" L"c");
    ASSERT_EQ(node->getVertices().size(), 12u);
    expectNear(node->getVertices()[4].Pos, vector3df(0.8f, 0.0f, 0.0f), "after the blank");
    expectNear(node->getVertices()[8].Pos, vector3df(0.0f, -0.4f, 0.0f), "after the line break");
}

TEST_F(TextFieldNodeTest, LitTonesGlowInOverTwoSecondsOfGameTime)
{
    std::srand(3);
    TextFieldNode* node = build(L"abcdefghijklmnopqrstuvwxyz");
    const int tone = toneOfLetter(*node, 0);
    advanceGameClock(500);
    node->lightTone(static_cast<irr::u32>(tone));
    const irr::f32 expected[] = {0.0f, 0.5f, 1.0f, 1.0f};
    for (irr::f32 glow : expected)
    {
        node->updateLetters();
        for (irr::u32 letter = 0; letter < 26; ++letter)
            EXPECT_FLOAT_EQ(glowOf(*node, letter), toneOfLetter(*node, letter) == tone ? glow : 0.0f) << letter;
        advanceGameClock(1000);
    }
}

TEST_F(TextFieldNodeTest, ATonesLettersLightOnlyOnce)
{
    TextFieldNode* node = build(L"a");
    const irr::u32 tone = static_cast<irr::u32>(toneOfLetter(*node, 0));
    node->lightTone(tone);
    advanceGameClock(1000);
    node->lightTone(tone);
    node->updateLetters();
    EXPECT_FLOAT_EQ(glowOf(*node, 0), 0.5f);
}

TEST_F(TextFieldNodeTest, ASecondLayoutReplacesTheFirst)
{
    TextFieldNode* node = build(L"abcdef");
    node->buildLetters(L"ab", vector3df(0.0f, 0.0f, 0.0f), vector3df(1.0f, 0.0f, 0.0f));
    ASSERT_EQ(node->getVertices().size(), 8u);
    for (irr::u32 i = 0; i < node->getIndices().size(); ++i)
        EXPECT_LT(node->getIndices()[i], 8u);
    for (irr::u32 tone = 0; tone < Belgarune::kToneCount; ++tone)
        node->lightTone(tone);
    node->updateLetters();
}

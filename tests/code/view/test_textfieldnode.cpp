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
    //! A text along +x from the origin, held by the scene graph.
    TextFieldNode* build(const wchar_t* text)
    {
        irr::scene::ISceneManager* scene = m_device->getSceneManager();
        TextFieldNode* node = new TextFieldNode(scene->getRootSceneNode(), scene, -1);
        node->buildLetters(text, vector3df(0.0f, 0.0f, 0.0f), vector3df(10.0f, 0.0f, 0.0f));
        node->drop();
        return node;
    }

    //! The tone whose colour the letter carries, or -1.
    static int toneOf(const TextFieldNode& node, irr::u32 letter)
    {
        for (irr::u32 tone = 0; tone < Belgarune::kToneCount; ++tone)
            if (node.getVertices()[letter * 4].Color == Belgarune::toneColor(tone))
                return static_cast<int>(tone);
        return -1;
    }

    static void expectUpperLeft(const TextFieldNode& node, irr::u32 letter, const vector3df& expected)
    {
        const vector3df& actual = node.getVertices()[letter * 4].Pos;
        EXPECT_TRUE(actual.equals(expected, 1e-4f)) << "letter " << letter << " at " << actual.X << ", " << actual.Y;
    }
};
} // namespace

TEST_F(TextFieldNodeTest, LaysLettersOutAlongTheWallAndSkipsSpaces)
{
    const TextFieldNode* node = build(L"ab c");
    ASSERT_EQ(node->getVertices().size(), 12u);
    ASSERT_EQ(node->getIndices().size(), 18u);
    // Upper-left, upper-right, lower-left, lower-right of 'c', after the blank's place.
    const vector3df corners[4] = {{1.2f, 0.0f, 0.0f}, {1.6f, 0.0f, 0.0f}, {1.2f, -0.4f, 0.0f}, {1.6f, -0.4f, 0.0f}};
    for (irr::u32 i = 0; i < 4; ++i)
        EXPECT_TRUE(node->getVertices()[8 + i].Pos.equals(corners[i], 1e-4f)) << "corner " << i;
    const irr::u16 secondLetter[6] = {5, 7, 6, 4, 5, 6};
    for (irr::u32 i = 0; i < 6; ++i)
        EXPECT_EQ(node->getIndices()[6 + i], secondLetter[i]);
    EXPECT_TRUE(node->getBoundingBox().MaxEdge.equals(vector3df(1.6f, 0.0f, 0.0f), 1e-4f));
}

TEST_F(TextFieldNodeTest, LineBreaksAndTheLowEightBitsOfCharacters)
{
    const TextFieldNode* lines = build(L"abcdef\ng\n\nh");
    ASSERT_EQ(lines->getVertices().size(), 32u);
    expectUpperLeft(*lines, 6, vector3df(0.0f, -0.4f, 0.0f));
    expectUpperLeft(*lines, 7, vector3df(0.0f, -1.2f, 0.0f));
    // U+0120 reads as a blank and U+010A as a line break.
    const TextFieldNode* wide = build(L"a\x0120" L"b\x010A" L"c");
    ASSERT_EQ(wide->getVertices().size(), 12u);
    expectUpperLeft(*wide, 1, vector3df(0.8f, 0.0f, 0.0f));
    expectUpperLeft(*wide, 2, vector3df(0.0f, -0.4f, 0.0f));
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
    const irr::u32 characterOfLetter[5] = {0, 1, 3, 5, 6};
    for (irr::u32 letter = 0; letter < 5; ++letter)
        EXPECT_EQ(toneOf(*node, letter), drawn[characterOfLetter[letter]]) << "letter " << letter;
}

TEST(TextFieldLetterRect, CellsOfTheAtlasAndNoAtlas)
{
    struct Case
    {
        irr::c8 letter;
        irr::core::dimension2du atlas;
        vector2df topLeft;
        vector2df bottomRight;
    };
    const irr::core::dimension2du atlas(936, 312);
    const Case cases[] = {
        {'a', atlas, {0.0f, 0.0f}, {70.0f / 936, 70.0f / 312}},
        {'v', atlas, {858.0f / 936, 0.0f}, {928.0f / 936, 70.0f / 312}},
        {'e', atlas, {858.0f / 936, 78.0f / 312}, {928.0f / 936, 148.0f / 312}},
        {'x', atlas, {78.0f / 936, 156.0f / 312}, {148.0f / 936, 226.0f / 312}},
        {'A', atlas, {0.0f, 0.0f}, {70.0f / 936, 70.0f / 312}},
        {'.', atlas, {0.0f, 0.0f}, {70.0f / 936, 70.0f / 312}},
        {'v', irr::core::dimension2du(0, 0), {0.0f, 0.0f}, {0.0f, 0.0f}},
    };
    for (const Case& c : cases)
    {
        vector2df topLeft(9.0f, 9.0f);
        vector2df bottomRight(9.0f, 9.0f);
        TextFieldNode::getLetterRect(c.letter, c.atlas, topLeft, bottomRight);
        EXPECT_TRUE(topLeft.equals(c.topLeft)) << c.letter << " " << c.atlas.Width;
        EXPECT_TRUE(bottomRight.equals(c.bottomRight)) << c.letter << " " << c.atlas.Width;
    }
}

TEST_F(TextFieldNodeTest, LitTonesGlowInOverTwoSecondsOfGameTimeOnce)
{
    std::srand(3);
    TextFieldNode* node = build(L"abcdefghijklmnopqrstuvwxyz");
    const int tone = toneOf(*node, 0);
    m_device->getGameClock()->update(500);
    node->lightTone(static_cast<irr::u32>(tone));
    for (irr::f32 glow : {0.0f, 0.5f, 1.0f, 1.0f})
    {
        node->updateLetters();
        for (irr::u32 letter = 0; letter < 26; ++letter)
            EXPECT_FLOAT_EQ(node->getVertices()[letter * 4 + 3].Normal.X, toneOf(*node, letter) == tone ? glow : 0.0f)
                << letter;
        m_device->getGameClock()->update(1000);
        node->lightTone(static_cast<irr::u32>(tone));
    }
}

TEST_F(TextFieldNodeTest, ASecondLayoutReplacesTheFirst)
{
    TextFieldNode* node = build(L"abcdef");
    node->buildLetters(L"ab", vector3df(0.0f, 0.0f, 0.0f), vector3df(1.0f, 0.0f, 0.0f));
    ASSERT_EQ(node->getVertices().size(), 8u);
    for (irr::u32 i = 0; i < node->getIndices().size(); ++i)
        EXPECT_LT(node->getIndices()[i], 8u);
}

namespace
{
//! Keeps the render pass each of its draws ran in.
class PassRecordingField : public TextFieldNode
{
public:
    using TextFieldNode::TextFieldNode;
    void render() override
    {
        passes.push_back(SceneManager->getSceneNodeRenderPass());
        TextFieldNode::render();
    }
    std::vector<irr::scene::E_SCENE_NODE_RENDER_PASS> passes;
};
} // namespace

TEST_F(TextFieldNodeTest, LettersAreDrawnWithTheBlendedEffectsAfterTheSolidScene)
{
    irr::scene::ISceneManager* scene = m_device->getSceneManager();
    scene->addCameraSceneNode(nullptr, vector3df(5.0f, 0.0f, -30.0f), vector3df(5.0f, 0.0f, 0.0f));
    auto* field = new PassRecordingField(scene->getRootSceneNode(), scene, -1);
    field->buildLetters(L"ab", vector3df(0.0f, 0.0f, 0.0f), vector3df(10.0f, 0.0f, 0.0f));
    scene->drawAll();
    EXPECT_EQ(field->passes, std::vector<irr::scene::E_SCENE_NODE_RENDER_PASS>{irr::scene::ESNRP_TRANSPARENT_EFFECT});
    field->drop();
}

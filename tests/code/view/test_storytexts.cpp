// Where the story texts stand on the walls, and which of them the hero's tones light.

#include "code/src/state/gamebase.h"
#include "code/src/view/storytexts.h"
#include "code/src/view/textfieldnode.h"
#include "code/src/view/wallpoint.h"
#include "talvoren/clock.h"
#include "tests/support/nulldevice.h"

#include <irrlicht.h>

using Belgarune::TextFieldNode;
using irr::core::vector3df;

TEST(WallPoint, MovesTheCellsPointToItsWall)
{
    using Side = Belgarune::WallSide;
    struct Case
    {
        Side side;
        bool raised;
        vector3df expected;
    };
    // Cell (350, 246) lies at (3500, 2540).
    const Case cases[] = {
        {Side::PlusZ, false, {3500.0f, 7.5f, 2545.5f}}, {Side::MinusZ, false, {3500.0f, 7.5f, 2534.5f}},
        {Side::PlusX, false, {3494.5f, 7.5f, 2540.0f}}, {Side::MinusX, false, {3505.5f, 7.5f, 2540.0f}},
        {Side::PlusZ, true, {3493.0f, 7.5f, 2545.5f}},  {Side::MinusZ, true, {3497.0f, 7.5f, 2534.5f}},
        {Side::PlusX, true, {3494.5f, 7.5f, 2543.0f}},  {Side::MinusX, true, {3505.5f, 7.5f, 2543.0f}},
        {Side::None, true, {3500.0f, 7.5f, 2540.0f}},  {static_cast<Side>(5), false, {3500.0f, 7.5f, 2540.0f}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Belgarune::wallPoint({350, 246}, c.side, 7.5f, c.raised), c.expected)
            << "side " << static_cast<int>(c.side) << " raised " << c.raised;
}

namespace
{
class StoryTextsTest : public testsupport::NullDeviceTest
{
protected:
    void TearDown() override
    {
        g_gameBase->m_camera = nullptr;
        g_gameBase->m_hasItem[1] = false;
        NullDeviceTest::TearDown();
    }

    irr::core::array<TextFieldNode*> build() { return Belgarune::buildStoryTexts(m_device->getSceneManager()); }

    //! Whether any letter of the text glows a second later.
    bool isLit(TextFieldNode* text)
    {
        m_device->getGameClock()->update(1000);
        text->updateLetters();
        for (irr::u32 i = 0; i < text->getVertices().size(); ++i)
            if (text->getVertices()[i].Normal.X > 0.0f)
                return true;
        return false;
    }
};
} // namespace

TEST_F(StoryTextsTest, FifteenTextsUnderTheSceneRootRunFromTheirSecondCell)
{
    const irr::core::array<TextFieldNode*> texts = build();
    ASSERT_EQ(texts.size(), 15u);
    EXPECT_EQ(texts[0]->getParent(), m_device->getSceneManager()->getRootSceneNode());
    EXPECT_EQ(texts[0]->getPosition(), vector3df(3490.0f, 7.5f, 2534.5f));
    EXPECT_GT(texts[0]->getVertices()[1].Pos.X, texts[0]->getVertices()[0].Pos.X) << "towards the first cell: +x";
    EXPECT_EQ(texts[10]->getPosition(), vector3df(2814.5f, 7.5f, 2523.0f)) << "raised, side 3: x - 5.5, z + 3";
}

TEST_F(StoryTextsTest, TonesLightTextsCloserThanTheReachWithTheViolinKey)
{
    struct Case
    {
        irr::f32 distance;
        bool violinKey;
        bool lit;
    };
    irr::scene::ICameraSceneNode* camera = m_device->getSceneManager()->addCameraSceneNode();
    g_gameBase->m_camera = camera;
    for (const Case& c : {Case{0.0f, true, true}, Case{19.9f, true, true}, Case{20.0f, true, false},
                          Case{5.0f, false, false}})
    {
        const irr::core::array<TextFieldNode*> texts = build();
        g_gameBase->m_hasItem[1] = c.violinKey;
        camera->setPosition(texts[3]->getPosition() + vector3df(0.0f, 0.0f, c.distance));
        for (irr::u32 tone = 0; tone < Belgarune::kToneCount; ++tone)
            Belgarune::lightStoryTexts(texts, tone);
        EXPECT_EQ(isLit(texts[3]), c.lit) << "distance " << c.distance << " key " << c.violinKey;
        EXPECT_FALSE(isLit(texts[0])) << "a text far away";
    }
}

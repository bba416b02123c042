// Where the story texts stand on the walls, and which of them the hero's tones light.

#include "code/src/state/gamebase.h"
#include "code/src/view/storytexts.h"
#include "code/src/view/textfieldnode.h"
#include "code/src/view/wallpoint.h"
#include "talvoren/clock.h"
#include "tests/support/nulldevice.h"

#include <irrlicht.h>

using Belgarune::TextFieldNode;
using irr::core::vector2d;
using irr::core::vector3df;

TEST(WallPoint, MovesTheCellsPointToItsWall)
{
    struct Case
    {
        irr::s32 side;
        bool raised;
        vector3df expected;
    };
    // Cell (350, 246) lies at (3500, 2540).
    const Case cases[] = {
        {1, false, {3500.0f, 7.5f, 2545.5f}}, {2, false, {3500.0f, 7.5f, 2534.5f}},
        {3, false, {3494.5f, 7.5f, 2540.0f}}, {4, false, {3505.5f, 7.5f, 2540.0f}},
        {1, true, {3493.0f, 7.5f, 2545.5f}},  {2, true, {3497.0f, 7.5f, 2534.5f}},
        {3, true, {3494.5f, 7.5f, 2543.0f}},  {4, true, {3505.5f, 7.5f, 2543.0f}},
        {0, true, {3500.0f, 7.5f, 2540.0f}},  {5, false, {3500.0f, 7.5f, 2540.0f}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Belgarune::wallPoint(vector2d<irr::s32>(350, 246), c.side, 7.5f, c.raised), c.expected)
            << "side " << c.side << " raised " << c.raised;
}

namespace
{
class StoryTextsTest : public testsupport::NullDeviceTest
{
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        m_texts = Belgarune::buildStoryTexts(m_device->getSceneManager());
        m_camera = m_device->getSceneManager()->addCameraSceneNode();
        g_gameBase->m_camera = m_camera;
        g_gameBase->m_hasItem[1] = true;
    }
    void TearDown() override
    {
        g_gameBase->m_camera = nullptr;
        g_gameBase->m_hasItem[1] = false;
        NullDeviceTest::TearDown();
    }

    //! Whether any letter of the text has started to glow.
    bool isLit(irr::u32 text)
    {
        m_device->getGameClock()->update(1000);
        m_texts[text]->updateLetters();
        for (irr::u32 i = 0; i < m_texts[text]->getVertices().size(); ++i)
            if (m_texts[text]->getVertices()[i].Normal.X > 0.0f)
                return true;
        return false;
    }

    void playAllTones()
    {
        for (irr::u32 tone = 0; tone < Belgarune::kToneCount; ++tone)
            Belgarune::lightStoryTexts(m_texts, tone);
    }

    irr::core::array<TextFieldNode*> m_texts;
    irr::scene::ICameraSceneNode* m_camera = nullptr;
};
} // namespace

TEST_F(StoryTextsTest, FifteenTextsUnderTheSceneRootRunFromTheirSecondCell)
{
    ASSERT_EQ(m_texts.size(), 15u);
    EXPECT_EQ(m_texts[0]->getParent(), m_device->getSceneManager()->getRootSceneNode());
    EXPECT_EQ(m_texts[0]->getPosition(), vector3df(3490.0f, 7.5f, 2534.5f));
    // Towards the first cell: +x.
    EXPECT_GT(m_texts[0]->getVertices()[1].Pos.X, m_texts[0]->getVertices()[0].Pos.X);
    // A raised text on side 3: cell (282, 248) moved to x - 5.5 and z + 3.
    EXPECT_EQ(m_texts[10]->getPosition(), vector3df(2814.5f, 7.5f, 2523.0f));
}

TEST_F(StoryTextsTest, TonesLightTextsCloserThanTheReachWithTheViolinKey)
{
    struct Case
    {
        irr::f32 distance;
        bool violinKey;
        bool lit;
    };
    const Case cases[] = {{0.0f, true, true}, {19.9f, true, true}, {20.0f, true, false}, {5.0f, false, false}};
    for (const Case& c : cases)
    {
        m_texts = Belgarune::buildStoryTexts(m_device->getSceneManager());
        g_gameBase->m_hasItem[1] = c.violinKey;
        m_camera->setPosition(m_texts[3]->getPosition() + vector3df(0.0f, 0.0f, c.distance));
        playAllTones();
        EXPECT_EQ(isLit(3), c.lit) << "distance " << c.distance << " key " << c.violinKey;
        EXPECT_FALSE(isLit(0)) << "a text far away";
    }
}

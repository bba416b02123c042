// The note sheet on the null driver: notes travel their lanes over game time
// and leave after six seconds.

#include "code/src/view/score.h"
#include "talvoren/clock.h"
#include "tests/support/nulldevice.h"

#include <irrlicht.h>

#include <cmath>
#include <memory>

using Belgarune::Score;
using irr::core::vector3df;

namespace
{
class ScoreTest : public testsupport::NullDeviceTest
{
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        m_score = std::make_unique<Score>();
        m_score->init();
    }
    void TearDown() override
    {
        m_score.reset();
        NullDeviceTest::TearDown();
    }

    void advance(irr::u32 ms)
    {
        m_device->getGameClock()->update(ms);
        m_score->renderNotes();
    }

    vector3df notePosition(irr::u32 index) const { return m_score->getNotes()[index].node->getPosition(); }

    std::unique_ptr<Score> m_score;
};
} // namespace

TEST_F(ScoreTest, ANoteTravelsTowardsTheClefAndLeavesAfterSixSeconds)
{
    advance(700);
    m_score->addNote(2);
    irr::scene::ISceneNode* note = m_score->getNotes()[0].node;
    EXPECT_EQ(m_score->getNotes()[0].time, 700u);
    struct Step
    {
        irr::u32 ms;
        irr::f32 z;
    };
    for (const Step& step : {Step{0, -600.0f}, Step{1500, -300.0f}, Step{1500, 0.0f}, Step{2999, 599.8f}})
    {
        advance(step.ms);
        ASSERT_EQ(m_score->getNotes().size(), 1u);
        EXPECT_NEAR(notePosition(0).Z, step.z, 1e-3f);
        EXPECT_EQ(notePosition(0).X, 21.0f);
        EXPECT_EQ(notePosition(0).Y, 2.0f);
    }
    note->grab();
    advance(1);
    EXPECT_TRUE(m_score->getNotes().empty());
    EXPECT_EQ(note->getParent(), nullptr) << "the note's node has left the sheet's scene";
    note->drop();
}

TEST_F(ScoreTest, TonesRunInTheirOwnLanes)
{
    for (irr::u32 tone = 0; tone < 5; ++tone)
        m_score->addNote(tone);
    advance(0);
    const irr::f32 lanes[5] = {-45.0f, -12.0f, 21.0f, 54.0f, 87.0f};
    for (irr::u32 i = 0; i < 5; ++i)
    {
        EXPECT_EQ(notePosition(i).X, lanes[i]);
        EXPECT_EQ(notePosition(i).Z, -600.0f);
    }
}

TEST_F(ScoreTest, NotesLeavingTogetherAreAllRemovedAndTheRestStay)
{
    m_score->addNote(0);
    m_score->addNote(1);
    advance(1000);
    m_score->addNote(4);
    advance(5000);
    ASSERT_EQ(m_score->getNotes().size(), 1u);
    EXPECT_EQ(m_score->getNotes()[0].tone, 4);
}

TEST_F(ScoreTest, NotesSwingAboutTheVerticalAxisWithinTheirSpin)
{
    m_score->addNote(3);
    const irr::f32 spin = m_score->getNotes()[0].spin;
    EXPECT_GE(spin, 0.0f);
    EXPECT_LE(spin, 45.0f);
    advance(628);
    const vector3df rotation = m_score->getNotes()[0].node->getRotation();
    EXPECT_NEAR(rotation.Y, spin * std::sin(628 * 0.0025), 1e-3f);
    EXPECT_EQ(rotation.X, 0.0f);
}

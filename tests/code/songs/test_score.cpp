// The note sheet on the null driver: notes travel their lanes over game time
// and leave after six seconds.

#include "code/src/songs/score.h"
#include "talvoren/clock.h"
#include "tests/support/nulldevice.h"

#include <irrlicht.h>

#include <cmath>
#include <memory>

using irr::core::vector3df;

namespace
{
class ScoreTest : public testsupport::NullDeviceTest
{
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        m_score = std::make_unique<Belgarune::Score>();
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

    std::unique_ptr<Belgarune::Score> m_score;
};
} // namespace

TEST_F(ScoreTest, ANoteSwingsTowardsTheClefAndLeavesAfterSixSeconds)
{
    advance(700);
    m_score->addNote(2);
    irr::scene::ISceneNode* note = m_score->getNotes()[0].node;
    const irr::f32 spin = m_score->getNotes()[0].spin;
    EXPECT_TRUE(spin >= 0.0f && spin <= 45.0f);
    irr::u32 now = 700;
    for (const irr::u32 step : {0u, 1500u, 1500u, 2999u})
    {
        advance(step);
        now += step;
        ASSERT_EQ(m_score->getNotes().size(), 1u);
        const irr::f32 z = 600.0f - (1.0f - (now - 700) / 6000.0f) * 1200.0f;
        EXPECT_TRUE(notePosition(0).equals(vector3df(21.0f, 2.0f, z), 1e-3f)) << "at " << now;
        EXPECT_NEAR(note->getRotation().Y, spin * std::sin(now * 0.0025), 1e-3f);
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
        EXPECT_EQ(notePosition(i), vector3df(lanes[i], 2.0f, -600.0f));
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

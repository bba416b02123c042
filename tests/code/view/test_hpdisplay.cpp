// The hearts on the null driver: which of them show after losing and gaining
// hit points, and where they sit on screens of different widths.

#include "code/src/state/gamebase.h"
#include "code/src/view/hpdisplay.h"
#include "talvoren/picturescenenode.h"
#include "tests/support/nulldevice.h"

#include <irrlicht.h>

#include <memory>
#include <string>

using Belgarune::HpDisplay;

namespace
{
class HpDisplayTest : public testsupport::NullDeviceTest
{
protected:
    void TearDown() override
    {
        m_display.reset();
        g_gameBase->m_hp = 3;
        NullDeviceTest::TearDown();
    }

    void makeDisplay()
    {
        m_display = std::make_unique<HpDisplay>(m_device->getSceneManager(), m_device->getShaderManager());
        m_display->build();
        m_display->layout();
    }

    //! 'F' for a shown full heart, 'E' for a shown empty one, per heart.
    std::string shownHearts() const
    {
        std::string shown;
        for (irr::u32 i = 0; i < HpDisplay::kHearts; ++i)
        {
            const irr::u32 full = m_display->getFullHeart(i)->getMaterial(0).DiffuseColor.getAlpha();
            const irr::u32 empty = m_display->getEmptyHeart(i)->getMaterial(0).DiffuseColor.getAlpha();
            shown += (full == 255 && empty == 0) ? 'F' : (full == 0 && empty == 255) ? 'E' : '?';
        }
        return shown;
    }

    std::unique_ptr<HpDisplay> m_display;
};
} // namespace

TEST_F(HpDisplayTest, HeartsFollowLostAndGainedHitPointsWithinZeroToThree)
{
    struct Case
    {
        irr::s32 start;
        bool lose;
        irr::s32 hp;
        const char* hearts;
    };
    const Case cases[] = {{3, true, 2, "FFE"}, {1, true, 0, "EEE"}, {0, true, 0, "EEE"},
                          {0, false, 1, "FEE"}, {2, false, 3, "FFF"}, {3, false, 3, "FFF"}};
    for (const Case& c : cases)
    {
        g_gameBase->m_hp = c.start;
        makeDisplay();
        if (c.lose)
            m_display->loseHeart();
        else
            m_display->gainHeart();
        EXPECT_EQ(g_gameBase->m_hp, c.hp) << "from " << c.start << (c.lose ? " losing" : " gaining");
        EXPECT_EQ(shownHearts(), c.hearts) << "from " << c.start << (c.lose ? " losing" : " gaining");
    }
}

TEST_F(HpDisplayTest, HeartsScaleWithTheScreenWidth)
{
    struct Case
    {
        irr::u32 width;
        irr::s32 size;
    };
    for (const Case& c : {Case{1280, 32}, Case{1920, 48}, Case{800, 20}})
    {
        m_display.reset();
        restartDevice(irr::core::dimension2du(c.width, 600));
        makeDisplay();
        for (irr::s32 i = 0; i < 3; ++i)
        {
            const irr::core::rect<irr::s32> expected(c.size * (2 + i), c.size, c.size * (3 + i), 2 * c.size);
            EXPECT_EQ(m_display->getFullHeart(i)->getImageRect(), expected) << c.width << " heart " << i;
            EXPECT_EQ(m_display->getEmptyHeart(i)->getImageRect(), expected) << c.width << " heart " << i;
        }
    }
}

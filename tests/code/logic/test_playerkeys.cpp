// The player's keys on the device: the key table while the console is closed,
// nothing while it is open.

#include "code/src/logic/humaninputcomponent.h"
#include "talvoren/consolelogic.h"
#include "tests/support/nulldevice.h"

#include <gtest/gtest.h>

using Belgarune::HumanInputComponent;

namespace
{
irr::SEvent keyEvent(irr::EKEY_CODE key, bool pressed)
{
    irr::SEvent event{};
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = key;
    event.KeyInput.PressedDown = pressed;
    event.KeyInput.Char = L'w';
    return event;
}

class PlayerKeysTest : public testsupport::NullDeviceTest
{
protected:
    void press(irr::EKEY_CODE key) { m_device->OnEvent(keyEvent(key, true)); }
    void toggleConsole() { m_device->OnEvent(keyEvent(irr::KEY_F1, false)); }
};

TEST_F(PlayerKeysTest, HeldKeysReachThePlayerOnlyWhileTheConsoleIsClosed)
{
    press(irr::KEY_KEY_W);
    EXPECT_TRUE(HumanInputComponent::playerKeyDown(irr::KEY_KEY_W));

    toggleConsole();
    ASSERT_TRUE(m_device->getConsole()->isVisible());
    press(irr::KEY_KEY_D);
    EXPECT_TRUE(m_device->isKeyDown(irr::KEY_KEY_D)) << "the key table still records typed keys";
    EXPECT_FALSE(HumanInputComponent::playerKeyDown(irr::KEY_KEY_D));
    EXPECT_FALSE(HumanInputComponent::playerKeyDown(irr::KEY_KEY_W));

    toggleConsole();
    EXPECT_TRUE(HumanInputComponent::playerKeyDown(irr::KEY_KEY_D));
}
} // namespace

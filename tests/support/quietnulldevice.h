#pragma once
// Test fixture: a bare Irrlicht device on the null driver that logs nothing.

#include <gtest/gtest.h>
#include <irrlicht.h>

namespace testsupport
{
class QuietNullDeviceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        irr::SIrrlichtCreationParameters parameters;
        parameters.DriverType = irr::video::EDT_NULL;
        parameters.LoggingLevel = irr::ELL_NONE;
        m_device = irr::createDeviceEx(parameters);
        ASSERT_NE(m_device, nullptr);
    }
    void TearDown() override
    {
        if (m_device)
            m_device->drop();
    }

    //! Owned by the fixture.
    irr::IrrlichtDevice* m_device = nullptr;
};
} // namespace testsupport

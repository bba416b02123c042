#pragma once
// Test fixture: a device on Irrlicht's null driver in a temporary working directory.

#include "talvoren/ombeldevice.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <memory>

namespace testsupport
{
//! Sets g_device to a device initialised with the null driver; messages that
//! would go to message boxes are captured from standard error.
class NullDeviceTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    //! Replaces the device by one with a screen of that size.
    void restartDevice(const irr::core::dimension2du& screenSize);

    std::unique_ptr<TempWorkDir> m_dir;
    std::unique_ptr<Talvoren::OmbelDevice> m_device;
    std::string m_startMessages;
};
} // namespace testsupport

#include "tests/support/nulldevice.h"

#include <irrlicht.h>

#include <filesystem>

namespace testsupport
{
void NullDeviceTest::SetUp()
{
    m_dir = std::make_unique<TempWorkDir>();
    installLanguageFiles();
    std::filesystem::create_directory("logs");
    restartDevice(irr::core::dimension2du(800, 600));
}

void NullDeviceTest::restartDevice(const irr::core::dimension2du& screenSize)
{
    m_device.reset();
    m_device = std::make_unique<Talvoren::OmbelDevice>();
    g_device = m_device.get();
    testing::internal::CaptureStderr();
    irr::IrrlichtDevice* irrDevice = m_device->init(irr::video::EDT_NULL, screenSize, 32, false, false, false, 0);
    m_startMessages = testing::internal::GetCapturedStderr();
    ASSERT_NE(irrDevice, nullptr);
}

void NullDeviceTest::TearDown()
{
    m_device.reset();
    g_device = nullptr;
    m_dir.reset();
}
} // namespace testsupport

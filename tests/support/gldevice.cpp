#include "tests/support/gldevice.h"

#include "talvoren/ombeldevice.h"
#include "tests/support/levelassets.h"

#include <gtest/gtest.h>

namespace testsupport
{
bool initOpenGlDevice(Talvoren::OmbelDevice& device, const irr::core::dimension2du& size)
{
    testlevel::keepGlDriverLoaded();
    testing::internal::CaptureStderr();
    const bool created = device.init(irr::video::EDT_OPENGL, size, 32, false, false, false, 0) != nullptr;
    testing::internal::GetCapturedStderr();
    return created;
}
} // namespace testsupport

// Without an audio device the sound layer hands out no engine.

#include "platform/sound/createsoundengine.h"
#include "platform/sound/isoundengine.h"
#include "tests/support/soundfiles.h"

#include <gtest/gtest.h>

namespace
{
const testsupport::OpenAlTestConfig g_openAl("no-such-backend");

TEST(SoundNoDeviceTest, EngineIsNullWhenNoDeviceOpens)
{
    EXPECT_EQ(platform::sound::createIrrKlangDevice(), nullptr);
    EXPECT_EQ(platform::sound::createIrrKlangDevice(platform::sound::OutputDriver::kAutoDetect,
                                                     platform::sound::kDefaultEngineOptions, "no such device"),
              nullptr);
}
} // namespace

// Game textures: a JPEG file cut short is refused before the image loader reads past its end.

#include "code/src/level/gametexture.h"
#include "tests/support/quietnulldevice.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
class GameTextureTest : public testsupport::QuietNullDeviceTest
{
};

TEST_F(GameTextureTest, JpegCutShortGivesNoTexture)
{
    const std::string fog = testsupport::readFile(std::string(BELGARUNE_GAME_DIR) + "/gamedata/objects/fog.jpg");
    ASSERT_GT(fog.size(), 100u);
    testsupport::TempWorkDir dir;
    testsupport::writeFile("whole.jpg", fog);
    testsupport::writeFile("cut.JPG", fog.substr(0, fog.size() / 2));
    irr::video::IVideoDriver* driver = m_device->getVideoDriver();
    EXPECT_NE(Belgarune::loadGameTexture(driver, "whole.jpg"), nullptr);
    EXPECT_EQ(Belgarune::loadGameTexture(driver, "cut.JPG"), nullptr);
}
} // namespace

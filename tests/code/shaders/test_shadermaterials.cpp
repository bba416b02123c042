// The game's shader files compile and link on Mesa into the eight named materials.

#include "code/src/shaders/shaderenvcallback.h"
#include "code/src/shaders/shaderenvdarkcallback.h"
#include "code/src/shaders/shaderlettercallback.h"
#include "code/src/shaders/shadermaterials.h"
#include "talvoren/shadermanager.h"
#include "tests/support/levelassets.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

#include <filesystem>
#include <set>

namespace
{
class ShaderMaterialsTest : public ::testing::Test
{
protected:
    ShaderMaterialsTest() : m_device(testlevel::createGlDevice(64, 64)) {}
    ~ShaderMaterialsTest() override
    {
        if (m_device)
            m_device->drop();
    }

    void SetUp() override
    {
        ASSERT_NE(m_device, nullptr) << "no OpenGL display (run under xvfb-run)";
        std::filesystem::create_directories("gamedata");
        std::filesystem::copy(std::filesystem::path(BELGARUNE_DATA_DIR) / "gamedata" / "shader", "gamedata/shader");
    }

    testsupport::TempWorkDir m_workDir;
    irr::IrrlichtDevice* m_device;
};

TEST_F(ShaderMaterialsTest, EveryMaterialOfTheShaderFilesCompiles)
{
    Talvoren::ShaderManager shaders(m_device->getVideoDriver());
    Belgarune::ShaderMaterials materials;
    testing::internal::CaptureStdout();
    materials.registerMaterials(shaders);
    const std::string driverLog = testing::internal::GetCapturedStdout();
    EXPECT_EQ(driverLog.find("GLSL"), std::string::npos) << driverLog;

    std::set<irr::s32> types;
    for (const char* name : {"env", "env_alpha", "part", "env_dark", "shell", "letter", "env_add", "pic"})
    {
        const Talvoren::ShaderEntry* entry = shaders.findEntry(name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_GT(entry->materialType, irr::video::EMT_ONETEXTURE_BLEND) << name;
        EXPECT_FALSE(entry->vertexProgram.empty()) << name;
        EXPECT_FALSE(entry->pixelProgram.empty()) << name;
        types.insert(entry->materialType);
    }
    EXPECT_EQ(types.size(), 8u);
    EXPECT_EQ(shaders.findEntry("env_alpha")->vertexProgram, shaders.findEntry("env")->vertexProgram);
    EXPECT_EQ(shaders.findEntry("env_add")->pixelProgram, shaders.findEntry("env")->pixelProgram);
    EXPECT_EQ(shaders.findEntry("shell")->baseMaterial, irr::video::EMT_NORMAL_MAP_SOLID);
    EXPECT_EQ(shaders.findEntry("pic")->baseMaterial, irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
    EXPECT_EQ(shaders.findEntry("part")->baseMaterial, irr::video::EMT_TRANSPARENT_ADD_COLOR);
    EXPECT_EQ(shaders.findEntry("env_dark")->callback, materials.getEnvDarkCallBack());
    EXPECT_EQ(shaders.findEntry("letter")->callback, materials.getLetterCallBack());
    EXPECT_EQ(shaders.findEntry("env_add")->callback, materials.getEnvCallBack());
}

TEST_F(ShaderMaterialsTest, TheLightingCallBacksStartWithAWhiteLightOfRadiusOne)
{
    Belgarune::ShaderMaterials materials;
    const irr::video::SColorf white(1.0f, 1.0f, 1.0f, 1.0f);
    EXPECT_EQ(materials.getEnvCallBack()->m_playerLight.toSColor(), white.toSColor());
    EXPECT_EQ(materials.getLetterCallBack()->m_playerLight.toSColor(), white.toSColor());
    EXPECT_EQ(materials.getEnvDarkCallBack()->m_playerLight.toSColor(), white.toSColor());
    EXPECT_EQ(materials.getEnvCallBack()->m_lightRadius, 1.0f);
    EXPECT_EQ(materials.getEnvDarkCallBack()->m_darkMix, 0.0f);
    EXPECT_EQ(materials.getEnvCallBack()->m_timeBubble, 0.0f);
}

TEST_F(ShaderMaterialsTest, MissingFilesGiveEmptyProgramsThatFailToCompile)
{
    std::filesystem::remove("gamedata/shader/part.omxs");
    Talvoren::ShaderManager shaders(m_device->getVideoDriver());
    Belgarune::ShaderMaterials materials;
    testing::internal::CaptureStdout();
    materials.registerMaterials(shaders);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(shaders.getMaterialType("part"), -1);
    EXPECT_TRUE(shaders.findEntry("part")->vertexProgram.empty());
    EXPECT_GT(shaders.getMaterialType("env"), 0);
}
} // namespace

// The shader manager with the OpenGL driver (the null driver cannot make shader materials).

#include "talvoren/shadermanager.h"
#include "tests/support/levelassets.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

using Talvoren::ShaderManager;

namespace
{
const char* const kVertexProgram =
    " uniform mat4 mWorldViewProj; void main() { gl_Position = mWorldViewProj * gl_Vertex; }";
const char* const kPixelProgram = " void main() { gl_FragColor = vec4(1.0, 0.5, 0.0, 1.0); }";
const char* const kOtherPixelProgram = " void main() { gl_FragColor = vec4(0.0, 0.5, 1.0, 1.0); }";

class ShaderManagerTest : public ::testing::Test
{
protected:
    ShaderManagerTest() : m_device(testlevel::createGlDevice(64, 64)), m_shaders(driver()) {}
    ~ShaderManagerTest() override
    {
        if (m_device)
            m_device->drop();
    }

    void SetUp() override { ASSERT_NE(m_device, nullptr) << "no OpenGL display (run under xvfb-run)"; }

    irr::video::IVideoDriver* driver() const { return m_device ? m_device->getVideoDriver() : nullptr; }
    irr::scene::ISceneNode* cube() { return m_device->getSceneManager()->addCubeSceneNode(); }

    irr::IrrlichtDevice* m_device;
    ShaderManager m_shaders;
};

TEST_F(ShaderManagerTest, IrrlichtsSolidMaterialsAnswerByNameWhateverTheTableHolds)
{
    EXPECT_EQ(m_shaders.getMaterialType("EMT_SOLID_2_LAYER"), 1);
    m_shaders.addShader(kVertexProgram, kPixelProgram, "EMT_SOLID", irr::video::EMT_SOLID, nullptr);
    EXPECT_EQ(m_shaders.getMaterialType("EMT_SOLID"), 0);
}

TEST_F(ShaderManagerTest, ACompiledShaderIsRegisteredWithItsTexts)
{
    const irr::s32 type = m_shaders.addShader(kVertexProgram, kPixelProgram, "glow",
                                              irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL, nullptr);
    EXPECT_GT(type, irr::video::EMT_ONETEXTURE_BLEND);
    EXPECT_EQ(m_shaders.getMaterialType("glow"), type);
    const Talvoren::ShaderEntry* entry = m_shaders.findEntry("glow");
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->vertexProgram.c_str(), kVertexProgram);
    EXPECT_STREQ(entry->pixelProgram.c_str(), kPixelProgram);
    EXPECT_EQ(entry->baseMaterial, irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
}

TEST_F(ShaderManagerTest, AFailedCompileKeepsMaterialTypeMinusOne)
{
    testing::internal::CaptureStdout();
    m_shaders.addShader(kVertexProgram, " void main() { gl_FragColor = undefinedThing; }", "broken",
                        irr::video::EMT_SOLID, nullptr);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("GLSL shader failed to compile"), std::string::npos);
    EXPECT_EQ(m_shaders.getMaterialType("broken"), -1);
}

TEST_F(ShaderManagerTest, AFailedShaderIsRememberedButNotWrittenIntoMaterials)
{
    m_shaders.addShader(kVertexProgram, " void main() { gl_FragColor = undefinedThing; }", "broken",
                        irr::video::EMT_SOLID, nullptr);
    irr::scene::ISceneNode* node = cube();
    node->setMaterialType(irr::video::EMT_TRANSPARENT_ADD_COLOR);
    EXPECT_TRUE(m_shaders.setShader(node, "broken", 0, true));
    EXPECT_EQ(node->getMaterial(0).MaterialType, irr::video::EMT_TRANSPARENT_ADD_COLOR);
    EXPECT_EQ(m_shaders.findEntry("broken")->nodes.size(), 1u);
}

TEST_F(ShaderManagerTest, ForgetNodeDropsEveryRememberingWhateverTheMaterialsHold)
{
    m_shaders.addShader(kVertexProgram, kPixelProgram, "env", irr::video::EMT_SOLID, nullptr);
    m_shaders.addShader(kVertexProgram, kOtherPixelProgram, "shell", irr::video::EMT_SOLID, nullptr);
    irr::scene::ISceneNode* node = cube();
    irr::scene::ISceneNode* other = cube();
    m_shaders.setShader(node, "env", 0, true);
    m_shaders.setShader(node, "env", 0, true);
    m_shaders.setShader(node, "shell", 0, true);
    m_shaders.setShader(other, "env", 0, true);
    node->setMaterialType(irr::video::EMT_SOLID);
    m_shaders.forgetNode(node);
    ASSERT_EQ(m_shaders.findEntry("env")->nodes.size(), 1u);
    EXPECT_EQ(m_shaders.findEntry("env")->nodes[0], other);
    EXPECT_EQ(m_shaders.findEntry("shell")->nodes.size(), 0u);
}

TEST_F(ShaderManagerTest, UnknownNamesAreLoggedAndFallBackToSolid)
{
    m_shaders.addShader(kVertexProgram, kPixelProgram, "env", irr::video::EMT_SOLID, nullptr);
    testing::internal::CaptureStderr();
    EXPECT_EQ(m_shaders.getMaterialType("Env"), 0);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("SHADER-MANAGER: Could not load shader Env"),
              std::string::npos);
}

TEST_F(ShaderManagerTest, SetShaderGivesTheMaterialItsTypeAndRemembersOnRequest)
{
    const irr::s32 type = m_shaders.addShader(kVertexProgram, kPixelProgram, "env", irr::video::EMT_SOLID, nullptr);
    irr::scene::ISceneNode* remembered = cube();
    irr::scene::ISceneNode* forgotten = cube();
    EXPECT_TRUE(m_shaders.setShader(remembered, "env", 0, true));
    EXPECT_TRUE(m_shaders.setShader(forgotten, "env", 0, false));
    EXPECT_EQ(remembered->getMaterial(0).MaterialType, type);
    EXPECT_EQ(forgotten->getMaterial(0).MaterialType, type);
    const Talvoren::ShaderEntry* entry = m_shaders.findEntry("env");
    ASSERT_EQ(entry->nodes.size(), 1u);
    EXPECT_EQ(entry->nodes[0], remembered);
}

TEST_F(ShaderManagerTest, SetShaderRefusesNullNodesAndUnknownNamesButIgnoresMissingMaterials)
{
    m_shaders.addShader(kVertexProgram, kPixelProgram, "env", irr::video::EMT_SOLID, nullptr);
    irr::scene::ISceneNode* node = cube();
    EXPECT_FALSE(m_shaders.setShader(nullptr, "env", 0, true));
    EXPECT_FALSE(m_shaders.setShader(node, "pic", 0, true));

    const irr::video::SMaterial identityBefore = irr::video::IdentityMaterial;
    EXPECT_TRUE(m_shaders.setShader(node, "env", 1, true));
    EXPECT_EQ(node->getMaterial(0).MaterialType, irr::video::EMT_SOLID);
    EXPECT_EQ(irr::video::IdentityMaterial, identityBefore);
    EXPECT_EQ(m_shaders.findEntry("env")->nodes.size(), 0u);
}

TEST_F(ShaderManagerTest, ReplacingAShaderForgetsTheNodesOfTheOldEntry)
{
    const irr::s32 first = m_shaders.addShader(kVertexProgram, kPixelProgram, "env", irr::video::EMT_SOLID, nullptr);
    m_shaders.setShader(cube(), "env", 0, true);
    const irr::s32 second =
        m_shaders.addShader(kVertexProgram, kOtherPixelProgram, "env", irr::video::EMT_SOLID, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(m_shaders.getMaterialType("env"), second);
    EXPECT_EQ(m_shaders.findEntry("env")->nodes.size(), 0u);
    EXPECT_STREQ(m_shaders.findEntry("env")->pixelProgram.c_str(), kOtherPixelProgram);
}

TEST_F(ShaderManagerTest, RemoveNodeForgetsOneRememberingPerMaterial)
{
    m_shaders.addShader(kVertexProgram, kPixelProgram, "env", irr::video::EMT_SOLID, nullptr);
    m_shaders.addShader(kVertexProgram, kOtherPixelProgram, "shell", irr::video::EMT_SOLID, nullptr);
    irr::scene::ISceneNode* twice = cube();
    irr::scene::ISceneNode* other = cube();
    m_shaders.setShader(twice, "env", 0, true);
    m_shaders.setShader(twice, "env", 0, true);
    m_shaders.setShader(other, "shell", 0, true);

    EXPECT_TRUE(m_shaders.removeNode(twice));
    ASSERT_EQ(m_shaders.findEntry("env")->nodes.size(), 1u);
    EXPECT_TRUE(m_shaders.removeNode(cube())); // never remembered
    EXPECT_EQ(m_shaders.findEntry("env")->nodes.size(), 1u);
    EXPECT_EQ(m_shaders.findEntry("shell")->nodes.size(), 1u);
    EXPECT_TRUE(m_shaders.removeNode(other));
    EXPECT_EQ(m_shaders.findEntry("shell")->nodes.size(), 0u);
}
} // namespace

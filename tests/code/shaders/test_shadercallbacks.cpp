// The constant callbacks with the OpenGL driver: probe shaders turn each constant
// into a colour, read back with glReadPixels. A constant of the wrong type or
// name would not arrive and leave its colour at zero.

#include "code/src/state/gamebase.h"
#include "code/src/shaders/shaderenvcallback.h"
#include "code/src/shaders/shaderenvdarkcallback.h"
#include "code/src/shaders/shaderlettercallback.h"
#include "code/src/shaders/shadertransparencycallback.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/shadermanager.h"
#include "tests/support/gldevice.h"
#include "tests/support/levelassets.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <irrlicht.h>

#include <memory>
#include <string>

namespace
{
// The quad is given in clip space; the matrices only travel as constants.
const char* const kVertexProgram = " uniform mat4 mWorldViewProj;"
                                   " uniform mat4 mWorldView;"
                                   " uniform mat4 mWorld;"
                                   " varying vec2 uv;"
                                   " varying vec4 wvp;"
                                   " varying vec4 wv;"
                                   " varying vec4 w;"
                                   " void main() {"
                                   " gl_Position = gl_Vertex; uv = gl_MultiTexCoord0.xy;"
                                   " wvp = mWorldViewProj[3]; wv = mWorldView[3]; w = mWorld[3]; }";

//! Samples unit 1 into red, unit 2 into green and the unset unit-0 sampler into blue.
std::string textureUnitProbe(const std::string& unit1, const std::string& unit2)
{
    return " uniform sampler2D surfaceTexture; uniform sampler2D " + unit1 + "; uniform sampler2D " + unit2 +
           "; varying vec2 uv; void main() { gl_FragColor = vec4(texture2D(" + unit1 + ", uv).g, texture2D(" + unit2 +
           ", uv).b, texture2D(surfaceTexture, uv).r, 1.0); }";
}

irr::u8 channel(irr::f32 value)
{
    return static_cast<irr::u8>(value * 255.0f + 0.5f);
}

class ShaderCallbackTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::installLanguageFiles();
        g_device = new Talvoren::OmbelDevice();
        ASSERT_TRUE(testsupport::initOpenGlDevice(*g_device, irr::core::dimension2du(64, 64)))
            << "no OpenGL display (run under xvfb-run)";
        m_driver = g_device->getVideoDriver();
        m_shaders = std::make_unique<Talvoren::ShaderManager>(m_driver);
        // Units 0..3 each hold a texture of its own colour.
        const irr::video::SColor colors[4] = {irr::video::SColor(255, 200, 0, 0), irr::video::SColor(255, 0, 200, 0),
                                              irr::video::SColor(255, 0, 0, 200),
                                              irr::video::SColor(255, 200, 200, 0)};
        for (irr::u32 unit = 0; unit < 4; ++unit)
        {
            irr::video::IImage* image =
                m_driver->createImage(irr::video::ECF_A8R8G8B8, irr::core::dimension2du(4, 4));
            image->fill(colors[unit]);
            m_material.setTexture(unit, m_driver->addTexture(("unit" + std::to_string(unit)).c_str(), image));
            image->drop();
        }
        m_material.Lighting = false;
        m_material.ZBuffer = irr::video::ECFN_NEVER;
        m_material.BackfaceCulling = false;
        g_gameBase->m_bright = 3;
    }

    void TearDown() override
    {
        m_shaders.reset();
        delete g_device;
        g_device = nullptr;
        g_gameBase->m_bright = 3;
    }

    //! Draws a screen-filling quad with the probe shader and the callback and
    //! returns the centre pixel.
    irr::video::SColor probe(irr::video::IShaderConstantSetCallBack* callback, const std::string& pixelProgram)
    {
        const irr::s32 type = m_shaders->addShader(kVertexProgram, pixelProgram.c_str(), "probe",
                                                   irr::video::EMT_SOLID, callback);
        EXPECT_GE(type, 0) << pixelProgram;
        m_material.MaterialType = static_cast<irr::video::E_MATERIAL_TYPE>(type);

        irr::core::matrix4 projection;
        projection.setScale(irr::core::vector3df(0.5f, 1.0f, 1.0f));
        irr::core::matrix4 view;
        view.setTranslation(irr::core::vector3df(0.25f, 0.0f, 0.0f));
        irr::core::matrix4 world;
        world.setTranslation(irr::core::vector3df(0.0f, 0.5f, 0.0f));

        const irr::video::SColor white(255, 255, 255, 255);
        const irr::video::S3DVertex quad[4] = {
            irr::video::S3DVertex(-1, -1, 0, 0, 0, 1, white, 0, 1),
            irr::video::S3DVertex(1, -1, 0, 0, 0, 1, white, 1, 1),
            irr::video::S3DVertex(1, 1, 0, 0, 0, 1, white, 1, 0),
            irr::video::S3DVertex(-1, 1, 0, 0, 0, 1, white, 0, 0)};
        const irr::u16 indices[6] = {0, 1, 2, 0, 2, 3};

        m_driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        m_driver->setTransform(irr::video::ETS_PROJECTION, projection);
        m_driver->setTransform(irr::video::ETS_VIEW, view);
        m_driver->setTransform(irr::video::ETS_WORLD, world);
        m_driver->setMaterial(m_material);
        m_driver->drawIndexedTriangleList(quad, 4, indices, 2);
        GLubyte pixel[4] = {};
        glFinish();
        glReadPixels(32, 32, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        m_driver->endScene();
        return irr::video::SColor(pixel[3], pixel[0], pixel[1], pixel[2]);
    }

    static void expectColor(const irr::video::SColor& actual, irr::u32 red, irr::u32 green, irr::u32 blue)
    {
        EXPECT_NEAR(actual.getRed(), red, 2u);
        EXPECT_NEAR(actual.getGreen(), green, 2u);
        EXPECT_NEAR(actual.getBlue(), blue, 2u);
    }

    testsupport::TempWorkDir m_workDir;
    irr::video::IVideoDriver* m_driver = nullptr;
    std::unique_ptr<Talvoren::ShaderManager> m_shaders;
    irr::video::SMaterial m_material;
};

template <typename CallBack>
struct Dropper
{
    void operator()(CallBack* callback) const { callback->drop(); }
};
template <typename CallBack>
using CallBackPtr = std::unique_ptr<CallBack, Dropper<CallBack>>;

TEST_F(ShaderCallbackTest, EnvTextureUnitsAreTheIntegersOneAndTwo)
{
    CallBackPtr<Belgarune::ShaderEnvCallBack> env(new Belgarune::ShaderEnvCallBack());
    expectColor(probe(env.get(), textureUnitProbe("fogTexture", "colorTexture")), 200, 200, 200);
}

TEST_F(ShaderCallbackTest, EnvMatricesAreProjectionViewWorldProducts)
{
    CallBackPtr<Belgarune::ShaderEnvCallBack> env(new Belgarune::ShaderEnvCallBack());
    // Translation columns: W (0, 0.5), V W (0.25, 0.5), P V W (0.125, 0.5).
    expectColor(probe(env.get(), " varying vec4 wvp; varying vec4 wv; varying vec4 w;"
                                 " void main() { gl_FragColor = vec4(wvp.x, wv.x, w.y, 1.0); }"),
                channel(0.125f), channel(0.25f), channel(0.5f));
    expectColor(probe(env.get(), " varying vec4 wvp; varying vec4 wv; varying vec4 w;"
                                 " void main() { gl_FragColor = vec4(wvp.y, wv.y, w.x, 1.0); }"),
                channel(0.5f), channel(0.5f), 0);
}

TEST_F(ShaderCallbackTest, EnvLightingValuesArriveWithTheirTypes)
{
    CallBackPtr<Belgarune::ShaderEnvCallBack> env(new Belgarune::ShaderEnvCallBack());
    env->m_playerLight = irr::video::SColorf(0.2f, 0.4f, 0.6f, 0.8f);
    env->m_lightRadius = 0.3f;
    env->m_timeBubble = 0.7f;
    expectColor(probe(env.get(), " uniform vec4 playerLight; void main() {"
                                 " gl_FragColor = vec4(playerLight.r, playerLight.b, playerLight.a, 1.0); }"),
                channel(0.2f), channel(0.6f), channel(0.8f));
    expectColor(probe(env.get(), " uniform float lightRadius; uniform float timeBubble; uniform float brightness;"
                                 " void main() {"
                                 " gl_FragColor = vec4(lightRadius, timeBubble, brightness * 10.0, 1.0); }"),
                channel(0.3f), channel(0.7f), channel(0.75f));
}

TEST_F(ShaderCallbackTest, TimeIsTheDevicesTimeInMilliseconds)
{
    g_device->getIrrlichtDevice()->getTimer()->setTime(123456);
    g_device->getIrrlichtDevice()->getTimer()->stop();
    CallBackPtr<Belgarune::ShaderEnvCallBack> env(new Belgarune::ShaderEnvCallBack());
    expectColor(probe(env.get(), " uniform float time; void main() {"
                                 " gl_FragColor = vec4(time / 200000.0, mod(time, 1000.0) / 1000.0, 0.0, 1.0); }"),
                channel(123456.0f / 200000.0f), channel(0.456f), 0);
}

TEST_F(ShaderCallbackTest, BrightnessIsTheBrightSettingTimesAFortieth)
{
    CallBackPtr<Belgarune::ShaderEnvCallBack> env(new Belgarune::ShaderEnvCallBack());
    const std::string program = " uniform float brightness;"
                                " void main() { gl_FragColor = vec4(brightness, brightness + 0.5, 0.0, 1.0); }";
    g_gameBase->m_bright = 10;
    expectColor(probe(env.get(), program), channel(0.25f), channel(0.75f), 0);
    g_gameBase->m_bright = 0;
    expectColor(probe(env.get(), program), 0, channel(0.5f), 0);
    // A missing key reads as -1.
    g_gameBase->m_bright = -1;
    expectColor(probe(env.get(), program), 0, channel(0.475f), 0);
}

TEST_F(ShaderCallbackTest, DarkCallBackAddsTheMixTextureAndTheDarkMix)
{
    CallBackPtr<Belgarune::ShaderEnvDarkCallBack> dark(new Belgarune::ShaderEnvDarkCallBack());
    expectColor(probe(dark.get(), " uniform sampler2D fogTexture; uniform sampler2D colorTexture;"
                                  " uniform sampler2D mixTexture; varying vec2 uv;"
                                  " void main() { gl_FragColor = vec4(texture2D(fogTexture, uv).g,"
                                  " texture2D(colorTexture, uv).b,"
                                  " texture2D(mixTexture, uv).r * texture2D(mixTexture, uv).g / 0.784, 1.0); }"),
                200, 200, 200);
    dark->m_darkMix = 0.6f;
    dark->m_lightRadius = 0.1f;
    dark->m_timeBubble = 0.4f;
    dark->m_playerLight = irr::video::SColorf(1.0f, 0.5f, 0.0f, 1.0f);
    expectColor(probe(dark.get(), " uniform float darkMix; uniform float lightRadius; uniform float timeBubble;"
                                  " void main() { gl_FragColor = vec4(darkMix, lightRadius, timeBubble, 1.0); }"),
                channel(0.6f), channel(0.1f), channel(0.4f));
    expectColor(probe(dark.get(), " uniform vec4 playerLight; uniform float brightness; varying vec4 wv;"
                                  " void main() { gl_FragColor = vec4(playerLight.g, brightness * 10.0, wv.x, 1.0); }"),
                channel(0.5f), channel(0.75f), channel(0.25f));
    g_device->getIrrlichtDevice()->getTimer()->setTime(123456);
    g_device->getIrrlichtDevice()->getTimer()->stop();
    expectColor(probe(dark.get(), " uniform float time; varying vec4 wvp; varying vec4 w;"
                                  " void main() { gl_FragColor = vec4(mod(time, 1000.0) / 1000.0, wvp.x, w.y, 1.0); }"),
                channel(0.456f), channel(0.125f), channel(0.5f));
}

TEST_F(ShaderCallbackTest, LetterCallBackHandsLetterAndColourUnitsAndTheLight)
{
    CallBackPtr<Belgarune::ShaderLetterCallBack> letter(new Belgarune::ShaderLetterCallBack());
    expectColor(probe(letter.get(), textureUnitProbe("letterTexture", "colorTexture")), 200,
                200, 200);
    letter->m_playerLight = irr::video::SColorf(0.1f, 0.9f, 0.3f, 1.0f);
    letter->m_lightRadius = 0.45f;
    expectColor(probe(letter.get(), " uniform vec4 playerLight; uniform float lightRadius; varying vec4 w;"
                                    " void main() { gl_FragColor = vec4(playerLight.g, lightRadius, w.y, 1.0); }"),
                channel(0.9f), channel(0.45f), channel(0.5f));
}

TEST_F(ShaderCallbackTest, TransparencyCallBackHandsTheChosenMaterialColour)
{
    m_material.DiffuseColor = irr::video::SColor(0, 51, 102, 153);
    m_material.AmbientColor = irr::video::SColor(255, 10, 20, 30);
    m_material.EmissiveColor = irr::video::SColor(128, 200, 210, 220);
    const std::string program = " uniform vec4 mColor; varying vec4 wvp;"
                                " void main() { gl_FragColor = vec4(mColor.r, mColor.a, wvp.x, 1.0); }";
    using Belgarune::ShaderTransparencyCallBack;
    CallBackPtr<ShaderTransparencyCallBack> diffuse(new ShaderTransparencyCallBack(0, false));
    expectColor(probe(diffuse.get(), program), 51, 0, channel(0.125f));
    CallBackPtr<ShaderTransparencyCallBack> ambient(new ShaderTransparencyCallBack(1, false));
    expectColor(probe(ambient.get(), program), 10, 255, channel(0.125f));
    CallBackPtr<ShaderTransparencyCallBack> emissive(new ShaderTransparencyCallBack(2, false));
    expectColor(probe(emissive.get(), program), 200, 128, channel(0.125f));
}

TEST_F(ShaderCallbackTest, TransparencyCallBackSetsTheRotationOnlyWhenAsked)
{
    m_material.getTextureMatrix(0).setTextureScale(0.5f, 0.25f);
    const std::string program = " uniform mat4 mRot; uniform vec4 mColor;"
                                " void main() { gl_FragColor = vec4(mRot[0][0], mRot[1][1], mColor.b, 1.0); }";
    using Belgarune::ShaderTransparencyCallBack;
    CallBackPtr<ShaderTransparencyCallBack> without(new ShaderTransparencyCallBack(0, false));
    expectColor(probe(without.get(), program), 0, 0, 255);
    CallBackPtr<ShaderTransparencyCallBack> with(new ShaderTransparencyCallBack(0, true));
    expectColor(probe(with.get(), program), channel(0.5f), channel(0.25f), 255);
}
} // namespace
